// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraTable.h"
#include "FirstRun.h"
#include "Globals.h"
#include "LocalEndpoint.h"
#include "Startup.h"
#include "TestHome.h"
#include "UserStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using Startup::InstanceAction;
using Startup::Mode;

Q_DECLARE_METATYPE(Startup::Mode)
Q_DECLARE_METATYPE(Startup::InstanceAction)

namespace {

QSettings ini()
{
    return QSettings(Globals::SettingsFilePath(), QSettings::IniFormat);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// A user folder with complete tables and her System.dat record.
void makeUser(const QString& name, bool savedPassword, int temperatureType)
{
    QDir().mkpath(Globals::ProgramDir() + name);
    Globals::SetCurrentUserDir(Globals::ProgramDir() + name + QLatin1Char('/'));
    QVERIFY(UserStore::CreateMissingTables());
    CiclaraTable system(Schema::System());
    system.setFileName(UserStore::UserFile(name, QStringLiteral("System.dat")));
    QVERIFY(system.open());
    system.insert();
    system.setValue("Version", "1.1.1.0");
    system.setValue("Password", "secret");
    system.setValue("SavedPassword", savedPassword);
    system.setValue("FullRights", false);
    system.setValue("TemperatureType", temperatureType);
    QVERIFY(system.post());
    system.close();
}

void addCycle(const QString& user, const QDate& date)
{
    CiclaraTable cycles(Schema::Cycle());
    cycles.setFileName(UserStore::UserFile(user, QStringLiteral("Cycle.dat")));
    QVERIFY(cycles.open());
    cycles.insert();
    cycles.setValue("Date", date);
    cycles.setValue("MenzLength", 5);
    cycles.setValue("CycleLength", 28);
    QVERIFY(cycles.post());
    cycles.close();
}

int cycleCount(const QString& user)
{
    CiclaraTable cycles(Schema::Cycle());
    cycles.setFileName(UserStore::UserFile(user, QStringLiteral("Cycle.dat")));
    if (!cycles.open())
        return -1;
    return cycles.recordCount();
}

QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> values;
    const QList<QByteArray> lines = readAll(path).split('\n');
    for (const QByteArray& line : lines) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            values.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return values;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MessageAnswerer> m_messages;

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_messages = std::make_unique<MessageAnswerer>();
    }
    void cleanup()
    {
        m_messages.reset();
        m_home.reset();
    }

    void modeComesFromTheFirstParameter_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Mode>("mode");
        QTest::newRow("none") << QStringList{"Ciclara"} << Mode::Normal;
        QTest::newRow("create icon") << QStringList{"Ciclara", "/CREATEICON"} << Mode::CreateIcon;
        QTest::newRow("create icon, lower case")
            << QStringList{"Ciclara", "/createicon"} << Mode::CreateIcon;
        QTest::newRow("create icon, mixed case")
            << QStringList{"Ciclara", "/CreateIcon"} << Mode::CreateIcon;
        QTest::newRow("sync") << QStringList{"Ciclara", "\\SYNC"} << Mode::Sync;
        QTest::newRow("sync, lower case") << QStringList{"Ciclara", "\\sync"} << Mode::Sync;
        QTest::newRow("sync with a slash is no sync")
            << QStringList{"Ciclara", "/SYNC"} << Mode::Normal;
        QTest::newRow("longer word") << QStringList{"Ciclara", "/CREATEICONS"} << Mode::Normal;
        QTest::newRow("only the first counts")
            << QStringList{"Ciclara", "file.txt", "\\SYNC"} << Mode::Normal;
    }
    void modeComesFromTheFirstParameter()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Mode, mode);
        QCOMPARE(Startup::ParseMode(Startup::FirstParameter(arguments)), mode);
    }

    void singleInstanceDecision_data()
    {
        QTest::addColumn<bool>("mainRunning");
        QTest::addColumn<bool>("linkRunning");
        QTest::addColumn<QString>("langChanged");
        QTest::addColumn<InstanceAction>("action");
        QTest::newRow("alone") << false << false << "" << InstanceAction::Proceed;
        QTest::newRow("main runs") << true << false << "" << InstanceAction::BringRunningToFront;
        QTest::newRow("main runs, no change")
            << true << false << "no" << InstanceAction::BringRunningToFront;
        QTest::newRow("main runs, language changed")
            << true << false << "yes" << InstanceAction::Proceed;
        QTest::newRow("main runs, changed in capitals")
            << true << false << "YES" << InstanceAction::BringRunningToFront;
        QTest::newRow("link runs") << false << true << "" << InstanceAction::EndSilently;
        QTest::newRow("both run") << true << true << "" << InstanceAction::BringRunningToFront;
        QTest::newRow("both run, language changed")
            << true << true << "yes" << InstanceAction::EndSilently;
    }
    void singleInstanceDecision()
    {
        QFETCH(bool, mainRunning);
        QFETCH(bool, linkRunning);
        QFETCH(QString, langChanged);
        QFETCH(InstanceAction, action);
        QCOMPARE(Startup::DecideInstance(mainRunning, linkRunning, langChanged), action);
    }

    void runningLinkWindowIsFound()
    {
        QCOMPARE(Startup::CheckSingleInstance(QString()), InstanceAction::Proceed);
        LocalEndpoint link(Endpoints::LinkForm());
        QVERIFY(link.listen());
        QCOMPARE(Startup::CheckSingleInstance(QString()), InstanceAction::EndSilently);
    }

    void langChangedIsConsumed()
    {
        Globals::WriteSetting("Program", "LangChanged", "yes");
        Startup::ResetLangChanged("yes");
        QCOMPARE(Globals::ReadSetting("Program", "LangChanged"), QStringLiteral("no"));

        // Nothing pending: nothing is written.
        Startup::ResetLangChanged(QString());
        QVERIFY(!ini().contains("Program/Language"));
        QCOMPARE(Globals::ReadSetting("Program", "LangChanged"), QStringLiteral("no"));
    }

    void backupReplacesTheUsersFiles()
    {
        const QString user = Globals::ProgramDir() + "Anna/";
        QVERIFY(writeFile(user + "Cycle.dat", "half-written"));
        QVERIFY(writeFile(user + "Pills.dat", "old pills"));
        QVERIFY(writeFile(user + "SincRpt.log", "log of the broken run"));
        QVERIFY(writeFile(user + "Backup/Cycle.dat", "saved cycles"));
        QVERIFY(writeFile(user + "Backup/Pills.dat", "saved pills"));

        QVERIFY(Startup::RecoverBackup("Anna"));
        QCOMPARE(readAll(user + "Cycle.dat"), QByteArray("saved cycles"));
        QCOMPARE(readAll(user + "Pills.dat"), QByteArray("saved pills"));
        QCOMPARE(readAll(user + "SincRpt.log"), QByteArray("log of the broken run"));
        QVERIFY(!QFileInfo::exists(user + "Backup"));
        QVERIFY(!Startup::RecoverBackup("Anna"));
    }

    void backupIgnoresTheInterruptedRunsJournal()
    {
        QVERIFY(UserStore::CreateDefaultUser("Anna"));
        const QString user = Globals::ProgramDir() + "Anna/";
        for (int i = 0; i < 60; ++i)
            addCycle("Anna", QDate(1990, 1, 1).addDays(28 * i));
        QVERIFY(QDir().mkpath(user + "Backup"));
        for (const TableDef* def : Schema::All())
            QVERIFY(QFile::copy(user + def->fileName, user + "Backup/" + def->fileName));

        // The synchronisation rewrote the table once, then was killed inside a second
        // rewrite: its rollback journal holds pages of the rewritten file.
        QByteArray journal;
        {
            const QString conn = Db::OpenConnection(user + "Cycle.dat");
            QVERIFY(!conn.isEmpty());
            {
                QSqlDatabase db = QSqlDatabase::database(conn);
                QSqlQuery q(db);
                QVERIFY(q.exec("DELETE FROM Cycle WHERE MenzLength = 5"));
                for (int i = 0; i < 3000; ++i)
                    QVERIFY(
                        q.exec(QStringLiteral("INSERT INTO Cycle VALUES ('%1', 4, 30)")
                                   .arg(QDate(2001, 1, 1).addDays(30 * i).toString("yyyy-MM-dd"))));
                // A tiny cache makes SQLite spill pages mid-transaction, which first seals the
                // journal: it is then a hot journal that a later open plays back.
                QVERIFY(q.exec("PRAGMA cache_size = 1"));
                QVERIFY(db.transaction());
                QVERIFY(q.exec("UPDATE Cycle SET MenzLength = 3"));
                journal = readAll(user + "Cycle.dat-journal");
                QVERIFY(!journal.isEmpty());
                QVERIFY(db.rollback());
            }
            Db::CloseConnection(conn);
        }
        QVERIFY(writeFile(user + "Cycle.dat-journal", journal));
        const QByteArray saved = readAll(user + "Backup/Cycle.dat");

        QVERIFY(Startup::RecoverBackup("Anna"));
        QVERIFY(!QFileInfo::exists(user + "Cycle.dat-journal"));
        CiclaraTable cycles(Schema::Cycle());
        cycles.setFileName(user + "Cycle.dat");
        QVERIFY(cycles.open());
        QVERIFY2(cycles.quickCheck(), qPrintable(cycles.errorString()));
        QCOMPARE(cycles.recordCount(), 60);
        QCOMPARE(cycles.intValue("MenzLength"), 5);
        cycles.close();
        // Nothing was played into the restored copy.
        QCOMPARE(readAll(user + "Cycle.dat"), saved);
    }

    void backupInAnyCaseIsRecovered()
    {
        const QString user = Globals::ProgramDir() + "Anna/";
        QVERIFY(writeFile(user + "Cycle.dat", "new"));
        QVERIFY(writeFile(user + "backup/Cycle.dat", "saved"));
        QVERIFY(Startup::RecoverBackup("Anna"));
        QCOMPARE(readAll(user + "Cycle.dat"), QByteArray("saved"));
        QVERIFY(!QFileInfo::exists(user + "backup"));
    }

    void backupIsKeptWhenItCannotBeCopiedBack()
    {
        const QString user = Globals::ProgramDir() + "Anna/";
        QVERIFY(writeFile(user + "Backup/Cycle.dat", "saved"));
        QVERIFY(writeFile(user + "Backup/Pills.dat", "saved pills"));
        // A folder where a table should go: that file cannot be put back.
        QVERIFY(QDir().mkpath(user + "Cycle.dat"));
        QVERIFY(!Startup::RecoverBackup("Anna"));
        QCOMPARE(readAll(user + "Backup/Cycle.dat"), QByteArray("saved"));
    }

    void backupOfAnInvalidNameIsIgnored_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("none") << "None";
        QTest::newRow("empty") << "";
        QTest::newRow("parent") << "..";
        QTest::newRow("path") << "../outside";
    }
    void backupOfAnInvalidNameIsIgnored()
    {
        QFETCH(QString, name);
        QVERIFY(writeFile(m_home->path() + "/outside/Backup/Cycle.dat", "foreign"));
        QVERIFY(!Startup::RecoverBackup(name));
        QVERIFY(QFileInfo::exists(m_home->path() + "/outside/Backup/Cycle.dat"));
        QVERIFY(!QFileInfo::exists(m_home->path() + "/outside/Cycle.dat"));
    }

    void languageDecision_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("module");
        QTest::addColumn<bool>("answerBulgarian");
        QTest::addColumn<int>("languageId");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("store");
        QTest::addColumn<bool>("native");
        QTest::newRow("English only") << "" << false << true << 1033 << false << false << false;
        QTest::newRow("Bulgarian chosen") << "" << true << true << 2 << true << true << true;
        QTest::newRow("English chosen") << "" << true << false << 1033 << true << true << false;
        QTest::newRow("stored Bulgarian") << "2" << true << false << 2 << false << false << false;
        QTest::newRow("stored English")
            << "1033" << true << true << 1033 << false << false << false;
        QTest::newRow("stored without module")
            << "2" << false << false << 2 << false << false << false;
        QTest::newRow("unreadable, asked again")
            << "x2" << true << true << 2 << true << true << true;
    }
    void languageDecision()
    {
        QFETCH(QString, stored);
        QFETCH(bool, module);
        QFETCH(bool, answerBulgarian);
        QFETCH(int, languageId);
        QFETCH(bool, asked);
        QFETCH(bool, store);
        QFETCH(bool, native);
        int questions = 0;
        const auto d = Startup::DecideLanguage(stored, module, [&] {
            ++questions;
            return answerBulgarian;
        });
        QCOMPARE(d.languageId, languageId);
        QCOMPARE(d.asked, asked);
        QCOMPARE(questions, asked ? 1 : 0);
        QCOMPARE(d.store, store);
        QCOMPARE(d.nativeLanguage, native);
    }

    void noLanguageAndNoModuleRunsInEnglishWithoutAsking()
    {
        QVERIFY(!Startup::BulgarianModuleExists());
        bool asked = false;
        Globals::SetLanguageId(2);
        Startup::ChooseLanguage([&] {
            asked = true;
            return true;
        });
        QVERIFY(!asked);
        QCOMPARE(Globals::LanguageId(), 1033);
        QCOMPARE(Globals::HelpFile(), QStringLiteral("Ciclara.hlp"));
        QVERIFY(!ini().contains("Program/Language"));
    }

    void storedLanguageChoosesTheHelp()
    {
        Globals::WriteSetting("Program", "Language", "2");
        Startup::ChooseLanguage(nullptr);
        QCOMPARE(Globals::LanguageId(), 2);
        QCOMPARE(Globals::HelpFile(), QStringLiteral("Ciclara_bul.hlp"));
        QVERIFY(Startup::HelpPagePath(2, 3003).endsWith("/help/bg/3003.html"));
        QVERIFY(Startup::HelpPagePath(1033, 1001).endsWith("/help/en/1001.html"));
        // Without the module Bulgarian falls back to the built-in English texts.
        QVERIFY(!Startup::LoadLanguageModule(2));
    }

    void firstStartEverCreatesNoname()
    {
        bool asked = false;
        const auto choice = Startup::ChooseActiveUser([&](const QString&) {
            asked = true;
            return false;
        });
        QCOMPARE(choice, Startup::UserChoice::Proceed);
        QVERIFY(!asked);
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Noname"));
        QCOMPARE(ini().value("Users/ActiveUser").toString(), QStringLiteral("Noname"));
        QCOMPARE(Globals::CurrentUserDir(), Globals::ProgramDir() + "Noname/");
        QCOMPARE(UserStore::ListUsers(), QStringList{"Noname"});

        CiclaraTable system(Schema::System());
        system.setFileName(UserStore::UserFile("Noname", "System.dat"));
        QVERIFY(system.open());
        QCOMPARE(system.recordCount(), 1);
        QCOMPARE(system.stringValue("Version"), UserStore::GetProductVersion() + ".1.1.0");
        QCOMPARE(system.stringValue("Password"), QString());
        QCOMPARE(system.boolValue("SavedPassword"), true);
        QCOMPARE(system.boolValue("FullRights"), true);
        QCOMPARE(system.intValue("TemperatureType"), 0);
        for (const TableDef* def : Schema::All())
            QVERIFY2(QFile::exists(Globals::ProgramDir() + "Noname/" + def->fileName),
                     qPrintable(def->fileName));
    }

    void savedPasswordLetsHerInWithHerScale()
    {
        makeUser("Anna", true, 1);
        Globals::SetActiveUser("Anna");
        Globals::ResetState();
        bool asked = false;
        QCOMPARE(Startup::ChooseActiveUser([&](const QString&) {
                     asked = true;
                     return false;
                 }),
                 Startup::UserChoice::Proceed);
        QVERIFY(!asked);
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Anna"));
        QCOMPARE(Globals::TemperatureScale(), 1);
        QCOMPARE(Globals::CurrentUserDir(), Globals::ProgramDir() + "Anna/");
    }

    void unsavedPasswordIsAsked_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void unsavedPasswordIsAsked()
    {
        QFETCH(bool, answer);
        makeUser("Anna", false, 0);
        Globals::SetActiveUser("Anna");
        QStringList askedFor;
        const auto choice = Startup::ChooseActiveUser([&](const QString& user) {
            askedFor << user;
            return answer;
        });
        QCOMPARE(askedFor, QStringList{"Anna"});
        QCOMPARE(choice, answer ? Startup::UserChoice::Proceed : Startup::UserChoice::Terminate);
    }

    void vanishedSystemTableIsReportedAndRecreated()
    {
        makeUser("Eva", false, 1);
        addCycle("Eva", QDate(2024, 3, 1));
        QVERIFY(QFile::remove(UserStore::UserFile("Eva", "System.dat")));
        Globals::SetActiveUser("Eva");

        bool asked = false;
        QCOMPARE(Startup::ChooseActiveUser([&](const QString&) {
                     asked = true;
                     return true;
                 }),
                 Startup::UserChoice::Proceed);
        QVERIFY(!asked);
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().kind, int(Msg::Error));
        QCOMPARE(m_messages->shown().first().buttons, Msg::OkSet);
        QVERIFY(m_messages->lastText().contains("The last active user Eva has been deleted"));
        // Her cycles stay; her settings start again from the defaults.
        QCOMPARE(cycleCount("Eva"), 1);
        CiclaraTable system(Schema::System());
        system.setFileName(UserStore::UserFile("Eva", "System.dat"));
        QVERIFY(system.open());
        QCOMPARE(system.recordCount(), 1);
        QCOMPARE(system.boolValue("SavedPassword"), true);
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Eva"));
        QCOMPARE(Globals::TemperatureScale(), 0);
    }

    void vanishedUserFolderIsRecreated()
    {
        Globals::WriteSetting("Users", "ActiveUser", "Maria");
        QCOMPARE(Startup::ChooseActiveUser(nullptr), Startup::UserChoice::Proceed);
        QCOMPARE(m_messages->shown().size(), 1);
        QVERIFY(m_messages->lastText().contains("Maria"));
        QCOMPARE(UserStore::ListUsers(), QStringList{"Maria"});
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Maria"));
    }

    void storedNameOutsideTheDataRootIsNotUsed()
    {
        Globals::WriteSetting("Users", "ActiveUser", "../elsewhere");
        QCOMPARE(Startup::ChooseActiveUser(nullptr), Startup::UserChoice::Proceed);
        QCOMPARE(Globals::ActiveUser(), QStringLiteral("Noname"));
        QVERIFY(!QFileInfo::exists(m_home->path() + "/elsewhere"));
    }

    void firstRunWritesTheDesktopEntries()
    {
        const QString base = m_home->path();
        FirstRun::Locations where;
        where.programDir = base + "/opt/Ciclara";
        where.programPath = where.programDir + "/Ciclara";
        where.desktopDir = base + "/Desktop";
        where.applicationsDir = base + "/applications";
        FirstRun::Install(where, false);

        const auto launcher = desktopEntry(where.desktopDir + "/Ciclara.desktop");
        QCOMPARE(launcher.value("Type"), QStringLiteral("Application"));
        QCOMPARE(launcher.value("Name"), QStringLiteral("Ciclara"));
        QCOMPARE(launcher.value("Exec"), "\"" + where.programPath + "\"");
        QCOMPARE(launcher.value("Path"), where.programDir);

        const QString menu = where.applicationsDir + "/Veltrana/Ciclara/";
        QCOMPARE(desktopEntry(menu + "Ciclara.desktop").value("Exec"),
                 "\"" + where.programPath + "\"");
        const auto help = desktopEntry(menu + "Ciclara Help.desktop");
        QCOMPARE(help.value("Type"), QStringLiteral("Link"));
        QCOMPARE(help.value("URL"), QUrl::fromLocalFile(where.programDir + "/help/en/1001.html")
                                        .toString(QUrl::FullyEncoded));
        QCOMPARE(desktopEntry(menu + "Ciclara Manual.desktop").value("URL"),
                 QUrl::fromLocalFile(where.programDir + "/Ciclara.pdf").toString());
        // There is no uninstaller beside the program, so there is no entry for it.
        QVERIFY(!QFile::exists(menu + "Uninstall Ciclara.desktop"));

        QCOMPARE(ini().value("Program/Default").toString(), where.programPath);
        QCOMPARE(ini().value("Ver/Default").toString(), UserStore::GetProductVersion());
    }

    void reinstallationKeepsTheHelpAndManualEntries()
    {
        const QString base = m_home->path();
        FirstRun::Locations where{base + "/p/Ciclara", base + "/p", base + "/Desktop",
                                  base + "/apps"};
        FirstRun::Install(where, true);
        const QString menu = base + "/apps/Quorventale/Ciclara/";
        QVERIFY(desktopEntry(menu + "Ciclara Help.desktop")
                    .value("URL")
                    .endsWith("/p/help/bg/1001.html"));
        QVERIFY(desktopEntry(menu + "Ciclara Manual.desktop")
                    .value("URL")
                    .endsWith("/p/Ciclara_bul.pdf"));
        QVERIFY(writeFile(menu + "Ciclara Help.desktop", "edited by the user"));
        QVERIFY(QFile::remove(menu + "Ciclara Manual.desktop"));
        QVERIFY(writeFile(base + "/p/CiclaraUninstall", "#!/bin/sh\n"));

        FirstRun::Install(where, true);
        QCOMPARE(readAll(menu + "Ciclara Help.desktop"), QByteArray("edited by the user"));
        QVERIFY(!QFile::exists(menu + "Ciclara Manual.desktop"));
        QCOMPARE(desktopEntry(menu + "Uninstall Ciclara.desktop").value("Exec"),
                 QStringLiteral("\"%1/p/CiclaraUninstall\"").arg(base));
    }

    void execArgumentIsQuotedAndEscaped_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/Ciclara"
                               << "\"/opt/Ciclara\"";
        QTest::newRow("space") << "/home/a b/Ciclara"
                               << "\"/home/a b/Ciclara\"";
        // Inside quotes ", `, $ and \ take a backslash; the entry's string escaping then
        // doubles every backslash.
        QTest::newRow("quote") << "/x\"y"
                               << "\"/x\\\\\"y\"";
        QTest::newRow("dollar") << "/x$HOME"
                                << "\"/x\\\\$HOME\"";
        QTest::newRow("backslash") << "/x\\y"
                                   << "\"/x\\\\\\\\y\"";
        QTest::newRow("percent") << "/100%/Ciclara"
                                 << "\"/100%%/Ciclara\"";
    }
    void execArgumentIsQuotedAndEscaped()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(FirstRun::ExecArgument(path), exec);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
