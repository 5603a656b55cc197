// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real program in the test's temporary home and watches what it does.
#include "CiclaraTable.h"
#include "Globals.h"
#include "LinkHeader.h"
#include "LocalEndpoint.h"
#include "TestHome.h"
#include "UserStore.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {

constexpr int StartTimeoutMs = 20000;
constexpr int EndTimeoutMs = 15000;

QSettings ini()
{
    return QSettings(Globals::SettingsFilePath(), QSettings::IniFormat);
}

int cycleCount(const QString& path)
{
    CiclaraTable cycles(Schema::Cycle());
    cycles.setFileName(path);
    return cycles.open() ? cycles.recordCount() : -1;
}

} // namespace

class TestStartupProcess : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    QList<QProcess*> m_processes;

    QProcess* start(const QStringList& arguments = {})
    {
        auto* p = new QProcess(this);
        p->setProgram(QStringLiteral(CICLARA_EXECUTABLE));
        p->setArguments(arguments);
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start();
        m_processes << p;
        return p;
    }

    static bool mainWindowRuns() { return LocalEndpoint::exists(Endpoints::MainForm()); }

    // A started program is ready once its main window answers and its user is open.
    static bool waitUntilReady()
    {
        return QTest::qWaitFor(
            [] {
                return mainWindowRuns() &&
                       QFile::exists(Globals::ProgramDir() + QStringLiteral("Noname/Cycle.dat"));
            },
            StartTimeoutMs);
    }

    static bool exitedWithZero(QProcess* p)
    {
        return p->state() == QProcess::NotRunning && p->exitStatus() == QProcess::NormalExit &&
               p->exitCode() == 0;
    }

    static bool endedWithZero(QProcess* p)
    {
        return p->waitForFinished(EndTimeoutMs) && p->exitStatus() == QProcess::NormalExit &&
               p->exitCode() == 0;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        // The language is settled, so no question waits for an answer.
        Globals::WriteSetting("Program", "Language", "1033");
    }
    void cleanup()
    {
        for (QProcess* p : std::as_const(m_processes)) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
            delete p;
        }
        m_processes.clear();
        m_home.reset();
    }

    void secondStartOnlyBringsTheFirstToTheFront()
    {
        QProcess* first = start();
        QVERIFY(waitUntilReady());
        // A leftover backup that only a real start would restore.
        const QString backup = Globals::ProgramDir() + "Noname/Backup/";
        QVERIFY(QDir().mkpath(backup));
        QVERIFY(QFile::copy(Globals::ProgramDir() + "Noname/Cycle.dat", backup + "Cycle.dat"));

        QProcess* second = start();
        QVERIFY(endedWithZero(second));
        QCOMPARE(first->state(), QProcess::Running);
        QVERIFY(mainWindowRuns());
        QVERIFY(QFile::exists(backup + "Cycle.dat"));

        QVERIFY(LocalEndpoint::send(Endpoints::MainForm(), Endpoints::CloseRequest));
        QVERIFY(endedWithZero(first));
        QVERIFY(!ini().value("FormBounds/Width").toString().isEmpty());
    }

    void secondStartAsksTheRunningWindowToComeToTheFront()
    {
        // The test stands in for the running main window and records what it is asked.
        LocalEndpoint running(Endpoints::MainForm());
        QList<quint32> received;
        running.setHandler([&](quint32 message) {
            received << message;
            return 0;
        });
        QVERIFY(running.listen());
        QProcess* second = start();
        // The event loop keeps running here, so this stand-in can answer.
        QTRY_VERIFY_WITH_TIMEOUT(second->state() == QProcess::NotRunning, EndTimeoutMs);
        QVERIFY(exitedWithZero(second));
        QCOMPARE(received, QList<quint32>{Endpoints::BringToFront});
        QVERIFY(!QFileInfo::exists(Globals::ProgramDir() + "Noname"));
    }

    void twoStartsAtOnceLeaveOneProgram()
    {
        QProcess* a = start();
        QProcess* b = start();
        QVERIFY(waitUntilReady());
        // One of them ends by itself; the other keeps the user's files.
        QTRY_VERIFY_WITH_TIMEOUT(
            a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, EndTimeoutMs);
        QProcess* ended = a->state() == QProcess::NotRunning ? a : b;
        QProcess* kept = ended == a ? b : a;
        QVERIFY(exitedWithZero(ended));
        QCOMPARE(kept->state(), QProcess::Running);
        QVERIFY(LocalEndpoint::send(Endpoints::MainForm(), Endpoints::CloseRequest));
        QVERIFY(endedWithZero(kept));
    }

    void startDuringASynchronisationEndsSilently()
    {
        LocalEndpoint link(Endpoints::LinkForm());
        QVERIFY(link.listen());
        QProcess* p = start();
        QVERIFY(endedWithZero(p));
        QVERIFY(!mainWindowRuns());
        QVERIFY(QDir(Globals::ProgramDir()).isEmpty());
        QVERIFY(!ini().contains("Users/ActiveUser"));
    }

    void leftoverBackupReplacesTheUsersFiles()
    {
        QVERIFY(UserStore::CreateDefaultUser("Anna"));
        const QString folder = Globals::ProgramDir() + "Anna/";
        QVERIFY(QDir().mkpath(folder + "Backup"));
        for (const TableDef* def : Schema::All())
            QVERIFY(QFile::copy(folder + def->fileName, folder + "Backup/" + def->fileName));
        {
            // The backup holds a cycle the interrupted synchronisation had not yet lost.
            CiclaraTable cycles(Schema::Cycle());
            cycles.setFileName(folder + "Backup/Cycle.dat");
            QVERIFY(cycles.open());
            cycles.insert();
            cycles.setValue("Date", QDate(2024, 5, 2));
            cycles.setValue("MenzLength", 4);
            cycles.setValue("CycleLength", 29);
            QVERIFY(cycles.post());
        }
        QCOMPARE(cycleCount(folder + "Cycle.dat"), 0);
        Globals::WriteSetting("Users", "ActiveUser", "Anna");

        QProcess* p = start();
        QVERIFY(QTest::qWaitFor([] { return mainWindowRuns(); }, StartTimeoutMs));
        QVERIFY(LocalEndpoint::send(Endpoints::MainForm(), Endpoints::CloseRequest));
        QVERIFY(endedWithZero(p));
        QCOMPARE(cycleCount(folder + "Cycle.dat"), 1);
        QVERIFY(!QFileInfo::exists(folder + "Backup"));
        QCOMPARE(ini().value("Users/ActiveUser").toString(), QStringLiteral("Anna"));
    }

    void linkModeClosesTheMainWindowFirst()
    {
        QProcess* normal = start();
        QVERIFY(waitUntilReady());
        QProcess* link = start({"\\SYNC"});
        QVERIFY(endedWithZero(normal));
        QVERIFY(QTest::qWaitFor([] { return LocalEndpoint::exists(Endpoints::LinkForm()); },
                                StartTimeoutMs));
        QCOMPARE(link->state(), QProcess::Running);
        QVERIFY(!mainWindowRuns());

        // The link library ends link mode by posting LM_CLOSE.
        QVERIFY(LocalEndpoint::post(Endpoints::LinkForm(), Link::LM_CLOSE));
        QVERIFY(endedWithZero(link));
    }

    void restartAfterALanguageChangeRunsBesideTheClosingWindow()
    {
        QProcess* old = start();
        QVERIFY(waitUntilReady());
        Globals::WriteSetting("Program", "LangChanged", "yes");

        QProcess* restarted = start();
        QTRY_COMPARE_WITH_TIMEOUT(Globals::ReadSetting("Program", "LangChanged"),
                                  QStringLiteral("no"), StartTimeoutMs);
        QTest::qWait(500);
        QCOMPARE(restarted->state(), QProcess::Running);

        // Once the old window is gone, the new one answers in its place.
        QVERIFY(LocalEndpoint::send(Endpoints::MainForm(), Endpoints::CloseRequest));
        QVERIFY(endedWithZero(old));
        QVERIFY(QTest::qWaitFor([] { return mainWindowRuns(); }, StartTimeoutMs));
        QCOMPARE(restarted->state(), QProcess::Running);
        QVERIFY(LocalEndpoint::send(Endpoints::MainForm(), Endpoints::CloseRequest));
        QVERIFY(endedWithZero(restarted));
    }
};

QTEST_GUILESS_MAIN(TestStartupProcess)
#include "tst_startup_process.moc"
