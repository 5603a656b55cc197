// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstRun.h"

#include "Dockset.h"
#include "Globals.h"
#include "UserStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace FirstRun {

namespace {

// Escapes a value as the desktop entry format reads strings.
QString escapeValue(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    value.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    value.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return value;
}

bool writeEntry(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    if (!file.commit())
        return false;
    // Desktops start only launchers that are marked executable.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther);
    return true;
}

} // namespace

Locations DefaultLocations()
{
    Locations l;
    l.programPath = QCoreApplication::applicationFilePath();
    l.programDir = QCoreApplication::applicationDirPath();
    l.desktopDir = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    l.applicationsDir = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    return l;
}

QString GroupName(bool bulgarianModuleExists)
{
    return bulgarianModuleExists ? QStringLiteral("Quorventale") : QStringLiteral("Veltrana");
}

QString ExecArgument(const QString& path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return escapeValue(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

QString ApplicationEntry(const QString& name, const QString& program, const QString& workingDir)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Path=%3\n"
                          "Terminal=false\n"
                          "Categories=Office;\n")
        .arg(escapeValue(name), ExecArgument(program), escapeValue(workingDir));
}

QString LinkEntry(const QString& name, const QString& target)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Link\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "URL=%2\n")
        .arg(escapeValue(name),
             escapeValue(QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded)));
}

void Install(const Locations& where, bool bulgarianModuleExists)
{
    const QString group = GroupName(bulgarianModuleExists);
    const QString dir = where.programDir + QLatin1Char('/');
    // The uninstaller stays beside the program; it gets an entry only when it is there.
    const QString uninstaller = dir + QStringLiteral("CiclaraUninstall");

    ConduitInstall();

    const QString program = QStringLiteral("Ciclara");
    if (!where.desktopDir.isEmpty() && QDir().mkpath(where.desktopDir))
        writeEntry(where.desktopDir + QStringLiteral("/Ciclara.desktop"),
                   ApplicationEntry(program, where.programPath, where.programDir));

    if (!where.applicationsDir.isEmpty()) {
        const QString menu =
            where.applicationsDir + QLatin1Char('/') + group + QStringLiteral("/Ciclara/");
        const bool existed = QFileInfo::exists(menu + QStringLiteral("Ciclara.desktop"));
        QDir().mkpath(menu);
        writeEntry(menu + QStringLiteral("Ciclara.desktop"),
                   ApplicationEntry(program, where.programPath, where.programDir));
        if (!existed) {
            const QString help = bulgarianModuleExists ? QStringLiteral("help/bg/1001.html")
                                                       : QStringLiteral("help/en/1001.html");
            const QString manual = bulgarianModuleExists ? QStringLiteral("Ciclara_bul.pdf")
                                                         : QStringLiteral("Ciclara.pdf");
            writeEntry(menu + QStringLiteral("Ciclara Help.desktop"),
                       LinkEntry(QStringLiteral("Ciclara Help"), dir + help));
            writeEntry(menu + QStringLiteral("Ciclara Manual.desktop"),
                       LinkEntry(QStringLiteral("Ciclara Manual"), dir + manual));
        }
        if (QFileInfo(uninstaller).isFile())
            writeEntry(menu + QStringLiteral("Uninstall Ciclara.desktop"),
                       ApplicationEntry(QStringLiteral("Uninstall Ciclara"), uninstaller,
                                        where.programDir));
    }

    Globals::WriteSetting(QStringLiteral("Ver"), QStringLiteral("Default"),
                          UserStore::GetProductVersion(where.programPath));
    Globals::WriteSetting(QStringLiteral("Program"), QStringLiteral("Default"), where.programPath);
}

} // namespace FirstRun
