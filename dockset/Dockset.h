// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

extern "C" {
// Registers the conduit with the handheld host. Answers 0 when no host is installed.
int ConduitInstall();
}
