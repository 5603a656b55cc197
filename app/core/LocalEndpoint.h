// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// A named message endpoint of this program on the local machine: a QLocalServer in the
// per-user runtime folder (mode 0700). A message is a 4-byte little-endian number; the
// endpoint answers every message with a 4-byte little-endian signed number, which a
// sender waits for and a poster does not. Messages are handled on the GUI thread, one
// at a time: a message that arrives while a handler runs (even in a nested event loop)
// waits until that handler has returned.
class LocalEndpoint : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<qint32(quint32 message)>;

    explicit LocalEndpoint(const QString& name, QObject* parent = nullptr);
    ~LocalEndpoint() override;

    QString name() const { return m_name; }
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    // Starts listening. A socket left by a killed process is removed first, but only while
    // holding the lock file beside it, so a live endpoint is never taken over. Returns
    // false when another live endpoint of that name exists or the socket cannot be made.
    bool listen();
    bool isListening() const;
    void close();

    // The per-user folder holding the endpoints, created with mode 0700.
    static QString runtimeFolder();
    static QString socketPath(const QString& name);
    // Whether a live endpoint of that name answers.
    static bool exists(const QString& name);
    // Sends a message and waits for the answer; nothing when no endpoint answers in time.
    static std::optional<qint32> send(const QString& name, quint32 message, int timeoutMs = 5000);
    // Posts a message without waiting for it to be handled.
    static bool post(const QString& name, quint32 message);

private:
    // One message waiting to be handled, with the connection its answer goes back on.
    struct Pending
    {
        QPointer<QLocalSocket> socket;
        quint32 message;
    };

    void onNewConnection();
    void readFrames(QLocalSocket* socket);
    void dispatch();

    QString m_name;
    Handler m_handler;
    QLocalServer* m_server = nullptr;
    QLockFile* m_lock = nullptr;
    std::deque<Pending> m_pending;
    bool m_dispatching = false;
};

// Endpoint names.
namespace Endpoints {
inline QString MainForm()
{
    return QStringLiteral("TCiclaraMainForm");
}
inline QString LinkForm()
{
    return QStringLiteral("Ciclara Link Form");
}
// Answered by a running main window: restore it and bring it to the front.
constexpr quint32 BringToFront = 0x0112;
// Answered by a running main window: close it (used before link mode starts).
constexpr quint32 CloseRequest = 0x0010;
} // namespace Endpoints
