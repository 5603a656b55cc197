// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHome.h"

#include "Globals.h"

#include <QDir>
#include <QFile>

namespace {
const char* const vars[] = {"CICLARA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR",
                            "HOME"};
}

TestHome::TestHome()
{
    for (int i = 0; i < 5; ++i)
        m_saved[i] = qgetenv(vars[i]);
    const QString base = m_dir.path();
    const QString dirs[] = {base + QStringLiteral("/data"), base + QStringLiteral("/config"),
                            base + QStringLiteral("/share"), base + QStringLiteral("/run"),
                            base + QStringLiteral("/home")};
    for (int i = 0; i < 5; ++i) {
        QDir().mkpath(dirs[i]);
        qputenv(vars[i], QFile::encodeName(dirs[i] + (i == 0 ? QStringLiteral("/") : QString())));
    }
    QFile::setPermissions(dirs[3], QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Globals::ResetState();
}

TestHome::~TestHome()
{
    for (int i = 0; i < 5; ++i)
        qputenv(vars[i], m_saved[i]);
    Globals::ResetState();
}

QString TestHome::dataRoot() const
{
    return m_dir.path() + QStringLiteral("/data/");
}

QString TestHome::settingsFile() const
{
    return Globals::SettingsFilePath();
}

MessageAnswerer::MessageAnswerer()
{
    m_previous = Msg::SetHandler([this](const QString& text, int kind, Msg::Buttons buttons) {
        m_shown << Shown{text, kind, buttons};
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return (buttons & Msg::mbOK) ? int(Msg::mrOk) : int(Msg::mrNo);
    });
}

MessageAnswerer::~MessageAnswerer()
{
    Msg::SetHandler(m_previous);
}
