// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalEndpoint.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr int FrameSize = 4;

QByteArray encode(quint32 value)
{
    QByteArray bytes(FrameSize, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// How long a probe of an existing socket waits before it counts the socket as dead.
constexpr int ProbeTimeoutMs = 500;

bool connectTo(QLocalSocket& socket, const QString& path, int timeoutMs)
{
    if (path.isEmpty())
        return false;
    socket.connectToServer(path);
    return socket.waitForConnected(timeoutMs);
}

} // namespace

LocalEndpoint::LocalEndpoint(const QString& name, QObject* parent) : QObject(parent), m_name(name)
{
}

LocalEndpoint::~LocalEndpoint()
{
    close();
}

QString LocalEndpoint::runtimeFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        return QString();
    const QString folder = base + QStringLiteral("/Ciclara");
    if (!QDir().mkpath(folder))
        return QString();
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(folder, ownerOnly);
    // Refuse a folder another user owns or that others can enter: our sockets would be
    // reachable (or replaceable) by them.
    const QFileInfo info(folder);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    if (!info.isDir() || info.ownerId() != ::getuid() || (info.permissions() & others))
        return QString();
    return folder;
}

QString LocalEndpoint::socketPath(const QString& name)
{
    const QString folder = runtimeFolder();
    if (folder.isEmpty() || name.isEmpty())
        return QString();
    QString fileName = name;
    fileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    return folder + QLatin1Char('/') + fileName;
}

bool LocalEndpoint::listen()
{
    if (isListening())
        return true;
    const QString path = socketPath(m_name);
    if (path.isEmpty())
        return false;

    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // The lock is held for the endpoint's whole life; it must never age into "stale" while
    // its owner runs. A lock whose owner process is gone is still recognised as stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;

    // Holding the lock, any socket file left here belongs to a process that died. Still,
    // never remove a socket something answers on.
    if (QFileInfo::exists(path)) {
        QLocalSocket probe;
        if (connectTo(probe, path, ProbeTimeoutMs)) {
            probe.abort();
            return false;
        }
        if (!QLocalServer::removeServer(path))
            return false;
    }

    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path))
        return false;

    m_server = server.release();
    m_server->setParent(this);
    m_lock = lock.release();
    connect(m_server, &QLocalServer::newConnection, this, &LocalEndpoint::onNewConnection);
    return true;
}

bool LocalEndpoint::isListening() const
{
    return m_server && m_server->isListening();
}

void LocalEndpoint::close()
{
    if (m_server) {
        m_server->close(); // removes the socket file
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock) {
        m_lock->unlock();
        delete m_lock;
        m_lock = nullptr;
    }
    m_pending.clear();
}

bool LocalEndpoint::exists(const QString& name)
{
    QLocalSocket socket;
    if (!connectTo(socket, socketPath(name), ProbeTimeoutMs))
        return false;
    socket.abort();
    return true;
}

std::optional<qint32> LocalEndpoint::send(const QString& name, quint32 message, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    if (!connectTo(socket, socketPath(name), timeoutMs))
        return std::nullopt;
    socket.write(encode(message));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return std::nullopt;
    }
    while (socket.bytesAvailable() < FrameSize) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
    }
    const QByteArray answer = socket.read(FrameSize);
    socket.disconnectFromServer();
    return qFromLittleEndian<qint32>(answer.constData());
}

bool LocalEndpoint::post(const QString& name, quint32 message)
{
    QLocalSocket socket;
    if (!connectTo(socket, socketPath(name), ProbeTimeoutMs))
        return false;
    socket.write(encode(message));
    // Hand the bytes to the system, then leave; the answer is not waited for.
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(ProbeTimeoutMs))
            return false;
    }
    socket.disconnectFromServer();
    return true;
}

void LocalEndpoint::onNewConnection()
{
    while (m_server && m_server->hasPendingConnections()) {
        QLocalSocket* socket = m_server->nextPendingConnection();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrames(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            // A poster may be gone before its message was read: read what is left first.
            readFrames(socket);
            socket->deleteLater();
        });
        readFrames(socket);
    }
}

void LocalEndpoint::readFrames(QLocalSocket* socket)
{
    while (socket->bytesAvailable() >= FrameSize) {
        const QByteArray frame = socket->read(FrameSize);
        m_pending.push_back(Pending{socket, qFromLittleEndian<quint32>(frame.constData())});
    }
    // Handlers run from the event loop, never inside a socket's own signal: a handler may
    // close or destroy this endpoint and with it the socket.
    if (!m_pending.empty())
        QMetaObject::invokeMethod(this, &LocalEndpoint::dispatch, Qt::QueuedConnection);
}

void LocalEndpoint::dispatch()
{
    // A handler may open a nested event loop; messages that arrive meanwhile wait here
    // until it returns, so handlers never run inside one another.
    if (m_dispatching)
        return;
    m_dispatching = true;
    QPointer<LocalEndpoint> self(this);
    while (!m_pending.empty()) {
        const Pending next = m_pending.front();
        m_pending.pop_front();
        // A copy, so the handler survives its endpoint being destroyed while it runs.
        const Handler handler = m_handler;
        const qint32 answer = handler ? handler(next.message) : 0;
        if (!self)
            return; // the handler destroyed this endpoint
        if (next.socket && next.socket->state() == QLocalSocket::ConnectedState) {
            next.socket->write(encode(quint32(answer)));
            next.socket->flush();
        }
    }
    m_dispatching = false;
}
