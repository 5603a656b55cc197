// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBox.h"

namespace {
Msg::Handler& handler()
{
    static Msg::Handler h;
    return h;
}
} // namespace

Msg::Handler Msg::SetHandler(Handler h)
{
    Handler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

int ShowMessageBox(const QString& text, int kind, int, int, Msg::Buttons buttons)
{
    if (handler())
        return handler()(text, kind, buttons);
    return (buttons & Msg::mbOK) ? Msg::mrOk : Msg::mrNo;
}
