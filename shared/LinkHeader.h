// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the desktop link window and the link library share.
namespace Link {

// Caption (and local endpoint name) of the desktop program's link window.
constexpr const char* LinkFormName = "Ciclara Link Form";
// Name of the shared block; the OS user id is appended.
constexpr const char* SharedBlockName = "ShareDllData";
constexpr int SharedBlockSize = 50000;

// Link messages run from 0x812C to 0x8139; LM_CLOSE is posted, the others are sent.
constexpr int FirstLinkMessage = 0x812C;
constexpr int LastLinkMessage = 0x8139;
constexpr int LM_CLOSE = 0x8136;

} // namespace Link
