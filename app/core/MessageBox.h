// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// The one way the program asks or tells the user something. The widget layer installs
// the real box (TCiclaraMessageForm); tests install an answerer instead.
namespace Msg {

enum Kind
{
    Warning = 0,
    Error = 1,
    Information = 2,
    Confirmation = 3
};

enum Button
{
    mbOK = 0x1,
    mbYes = 0x2,
    mbNo = 0x4,
    mbCancel = 0x8
};
using Buttons = int;
constexpr Buttons OkSet = mbOK;
constexpr Buttons QuestionSet = mbYes | mbNo | mbCancel;

enum Result
{
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7
};

using Handler = std::function<int(const QString& text, int kind, Buttons buttons)>;

// Installs the handler and returns the previous one.
Handler SetHandler(Handler handler);

} // namespace Msg

// Shows a message and returns 1 (OK), 6 (Yes), 7 (No) or 2 (Cancel). The position is
// ignored: the box centres itself over the main window. Without a handler (no user
// interface) a statement answers OK and a question answers No, so nothing is changed.
int ShowMessageBox(const QString& text, int kind, int x, int y, Msg::Buttons buttons);
