// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalEndpoint.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const char* const ChildFlag = "--endpoint-child";

// Child mode: listen on the named endpoint, answer message m with m * 2 + 1, and say
// "ready" (or "busy" when the name is taken) on stdout.
int runChild(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    LocalEndpoint endpoint(QString::fromLocal8Bit(argv[2]));
    endpoint.setHandler([](quint32 m) { return qint32(m * 2 + 1); });
    const bool ok = endpoint.listen();
    fputs(ok ? "ready\n" : "busy\n", stdout);
    fflush(stdout);
    return ok ? app.exec() : 3;
}

} // namespace

class TestLocalEndpoint : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QProcess> m_child;

    // Starts this executable in child mode and returns its first line.
    QByteArray startChild(const QString& name)
    {
        m_child = std::make_unique<QProcess>();
        m_child->start(QCoreApplication::applicationFilePath(),
                       {QString::fromLatin1(ChildFlag), name});
        if (!m_child->waitForStarted(5000))
            return QByteArray();
        while (!m_child->canReadLine()) {
            if (!m_child->waitForReadyRead(5000))
                return QByteArray();
        }
        return m_child->readLine().trimmed();
    }

    void killChild()
    {
        if (!m_child)
            return;
        m_child->kill();
        m_child->waitForFinished(5000);
        m_child.reset();
    }

    // Waits for an answer from an endpoint of this process without blocking its loop.
    static std::optional<qint32> sendFromThread(const QString& name, quint32 message)
    {
        auto answer = std::async(std::launch::async,
                                 [=] { return LocalEndpoint::send(name, message, 3000); });
        while (answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return answer.get();
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup()
    {
        killChild();
        m_home.reset();
    }

    void runtimeFolderIsPrivate()
    {
        const QString folder = LocalEndpoint::runtimeFolder();
        QVERIFY(folder.startsWith(m_home->path()));
        QVERIFY(folder.endsWith(QStringLiteral("/Ciclara")));
        const auto perms = QFileInfo(folder).permissions();
        QCOMPARE(perms & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
        QCOMPARE(LocalEndpoint::socketPath(QStringLiteral("Ciclara Link Form")),
                 folder + QStringLiteral("/Ciclara Link Form"));
    }

    void sendGetsTheHandlersAnswer_data()
    {
        QTest::addColumn<quint32>("message");
        QTest::addColumn<qint32>("answer");
        QTest::newRow("small") << quint32(2031) << qint32(-2031);
        QTest::newRow("high bit") << quint32(0x812C) << qint32(1);
        QTest::newRow("negative answer") << quint32(0xFFFFFFFF) << qint32(-7);
    }

    void sendGetsTheHandlersAnswer()
    {
        QFETCH(quint32, message);
        QFETCH(qint32, answer);
        LocalEndpoint endpoint(Endpoints::MainForm());
        QList<quint32> seen;
        endpoint.setHandler([&](quint32 m) {
            seen << m;
            return answer;
        });
        QVERIFY(endpoint.listen());
        QCOMPARE(sendFromThread(Endpoints::MainForm(), message), std::optional<qint32>(answer));
        QCOMPARE(seen, QList<quint32>{message});
    }

    void sendToAnotherProcess()
    {
        QCOMPARE(startChild(Endpoints::LinkForm()), QByteArray("ready"));
        QCOMPARE(LocalEndpoint::send(Endpoints::LinkForm(), 20), std::optional<qint32>(41));
        QCOMPARE(LocalEndpoint::send(Endpoints::LinkForm(), 0x8136),
                 std::optional<qint32>(0x1026D));
    }

    void sendWithoutEndpointGivesNothing()
    {
        QCOMPARE(LocalEndpoint::send(QStringLiteral("Nobody"), 1, 500), std::nullopt);
        QVERIFY(!LocalEndpoint::post(QStringLiteral("Nobody"), 1));
    }

    void sendTimesOutWhenTheHandlerDoesNotAnswer()
    {
        // The endpoint lives in this thread, so a send from here cannot be answered.
        LocalEndpoint endpoint(Endpoints::MainForm());
        endpoint.setHandler([](quint32) { return 1; });
        QVERIFY(endpoint.listen());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(LocalEndpoint::send(Endpoints::MainForm(), 5, 300), std::nullopt);
        QVERIFY(timer.elapsed() < 3000);
    }

    void postReachesTheHandler()
    {
        LocalEndpoint endpoint(Endpoints::LinkForm());
        QList<quint32> seen;
        endpoint.setHandler([&](quint32 m) {
            seen << m;
            return 0;
        });
        QVERIFY(endpoint.listen());
        // post returns before anything is handled: the handler runs only in the loop.
        QVERIFY(LocalEndpoint::post(Endpoints::LinkForm(), 0x8136));
        QVERIFY(seen.isEmpty());
        QTRY_COMPARE(seen, QList<quint32>{0x8136});
    }

    void messagesAreHandledOneAtATime()
    {
        // The first handler runs a nested loop; the second message must wait for it.
        LocalEndpoint endpoint(Endpoints::MainForm());
        QStringList trace;
        bool posted = false;
        endpoint.setHandler([&](quint32 m) {
            trace << QStringLiteral("begin %1").arg(m);
            if (m == 1) {
                posted = LocalEndpoint::post(Endpoints::MainForm(), 2);
                QTest::qWait(200);
            }
            trace << QStringLiteral("end %1").arg(m);
            return 0;
        });
        QVERIFY(endpoint.listen());
        QVERIFY(LocalEndpoint::post(Endpoints::MainForm(), 1));
        QTRY_COMPARE(trace.size(), 4);
        QVERIFY(posted);
        QCOMPARE(trace, (QStringList{QStringLiteral("begin 1"), QStringLiteral("end 1"),
                                     QStringLiteral("begin 2"), QStringLiteral("end 2")}));
    }

    void handlerMayDestroyItsEndpoint()
    {
        // As the link window does when told to close: the endpoint goes with it.
        auto* endpoint = new LocalEndpoint(Endpoints::LinkForm());
        QPointer<LocalEndpoint> alive(endpoint);
        QList<quint32> seen;
        endpoint->setHandler([&seen, endpoint](quint32 m) {
            seen << m;
            delete endpoint;
            return 0;
        });
        QVERIFY(endpoint->listen());
        QVERIFY(LocalEndpoint::post(Endpoints::LinkForm(), 0x8136));
        QVERIFY(LocalEndpoint::post(Endpoints::LinkForm(), 0x8137));
        QTRY_VERIFY(alive.isNull());
        QTest::qWait(50);
        QCOMPARE(seen.first(), quint32(0x8136));
        QVERIFY(!LocalEndpoint::exists(Endpoints::LinkForm()));
    }

    void existsFollowsTheEndpointsLife()
    {
        const QString name = Endpoints::MainForm();
        QVERIFY(!LocalEndpoint::exists(name));
        {
            LocalEndpoint endpoint(name);
            QVERIFY(endpoint.listen());
            QVERIFY(endpoint.isListening());
            QVERIFY(LocalEndpoint::exists(name));
            endpoint.close();
            QVERIFY(!endpoint.isListening());
            QVERIFY(!LocalEndpoint::exists(name));
            // It can listen again after closing.
            QVERIFY(endpoint.listen());
            QVERIFY(LocalEndpoint::exists(name));
        }
        QVERIFY(!LocalEndpoint::exists(name));
        QVERIFY(!QFileInfo::exists(LocalEndpoint::socketPath(name)));
    }

    void secondEndpointOfTheSameNameCannotListen()
    {
        const QString name = Endpoints::MainForm();
        LocalEndpoint first(name);
        first.setHandler([](quint32) { return 11; });
        QVERIFY(first.listen());
        LocalEndpoint second(name);
        second.setHandler([](quint32) { return 22; });
        QVERIFY(!second.listen());
        QVERIFY(!second.isListening());
        // The first one still answers.
        QCOMPARE(sendFromThread(name, 1), std::optional<qint32>(11));
        first.close();
        QVERIFY(second.listen());
        QCOMPARE(sendFromThread(name, 1), std::optional<qint32>(22));
    }

    void liveEndpointOfAnotherProcessIsNotTakenOver()
    {
        // Also long after it started: the lock must never age into "stale".
        QCOMPARE(startChild(Endpoints::MainForm()), QByteArray("ready"));
        QFile lockFile(LocalEndpoint::socketPath(Endpoints::MainForm()) + QStringLiteral(".lock"));
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        LocalEndpoint mine(Endpoints::MainForm());
        QVERIFY(!mine.listen());
        QCOMPARE(LocalEndpoint::send(Endpoints::MainForm(), 3), std::optional<qint32>(7));
        // The live owner's lock file stays as it was.
        QVERIFY(lockFile.open(QIODevice::ReadOnly));
        QCOMPARE(lockFile.readLine().trimmed(), QByteArray::number(m_child->processId()));
    }

    void endpointOfAKilledProcessIsTakenOver()
    {
        QCOMPARE(startChild(Endpoints::LinkForm()), QByteArray("ready"));
        const QString path = LocalEndpoint::socketPath(Endpoints::LinkForm());
        killChild();
        // The killed process left its socket and its lock file behind.
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(QFileInfo::exists(path + QStringLiteral(".lock")));
        QVERIFY(!LocalEndpoint::exists(Endpoints::LinkForm()));

        LocalEndpoint mine(Endpoints::LinkForm());
        mine.setHandler([](quint32 m) { return qint32(m) + 100; });
        QVERIFY(mine.listen());
        QCOMPARE(sendFromThread(Endpoints::LinkForm(), 5), std::optional<qint32>(105));
    }

    void staleSocketFileWithoutLockIsTakenOver()
    {
        // A bare socket file nobody listens on (bound, never listened, closed).
        const QString path = LocalEndpoint::socketPath(Endpoints::MainForm());
        const QByteArray native = QFile::encodeName(path);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        QVERIFY(size_t(native.size()) < sizeof(addr.sun_path));
        memcpy(addr.sun_path, native.constData(), size_t(native.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(path));

        LocalEndpoint endpoint(Endpoints::MainForm());
        endpoint.setHandler([](quint32) { return 9; });
        QVERIFY(endpoint.listen());
        QCOMPARE(sendFromThread(Endpoints::MainForm(), 1), std::optional<qint32>(9));
    }

    void shortFramesAreIgnoredUntilComplete()
    {
        LocalEndpoint endpoint(Endpoints::MainForm());
        QList<quint32> seen;
        endpoint.setHandler([&](quint32 m) {
            seen << m;
            return 0;
        });
        QVERIFY(endpoint.listen());
        QLocalSocket raw;
        raw.connectToServer(LocalEndpoint::socketPath(Endpoints::MainForm()));
        QVERIFY(raw.waitForConnected(1000));
        raw.write(QByteArray("\x01\x02", 2));
        raw.flush();
        QTest::qWait(100);
        QVERIFY(seen.isEmpty());
        raw.write(QByteArray("\x00\x00\x05\x00\x00", 5));
        raw.flush();
        QTRY_COMPARE(seen, QList<quint32>{0x00000201});
        raw.disconnectFromServer();
        QTest::qWait(100);
        QCOMPARE(seen, QList<quint32>{0x00000201}); // the trailing 3 bytes never formed a frame
    }
};

int main(int argc, char** argv)
{
    if (argc >= 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestLocalEndpoint test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_localendpoint.moc"
