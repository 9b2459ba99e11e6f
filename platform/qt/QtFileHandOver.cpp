#include "platform/qt/QtFileHandOver.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <memory>
#include <utility>

namespace platform {

std::filesystem::path QtFileHandOver::RuntimeDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return std::filesystem::path(dir.toStdU16String());
}

QString QtFileHandOver::SocketPath(const std::string& name, const std::filesystem::path& directory) {
    return QDir(QString::fromStdU16String(directory.u16string())).filePath(QString::fromStdString(name));
}

QtFileHandOver::QtFileHandOver(const std::string& name, std::function<void(const std::filesystem::path&)> opened)
    : QtFileHandOver(name, RuntimeDirectory(), std::move(opened)) {}

QtFileHandOver::QtFileHandOver(const std::string& name,
                               const std::filesystem::path& directory,
                               std::function<void(const std::filesystem::path&)> opened)
    : m_server(std::make_unique<QLocalServer>()), m_opened(std::move(opened)) {
    const QString path = SocketPath(name, directory);
    // Only the running copy calls this (it holds the single-instance lock): a socket file still there
    // was left by a copy that died.
    QLocalServer::removeServer(path);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(4);
    if (m_server->listen(path)) {
        connect(m_server.get(), &QLocalServer::newConnection, this, &QtFileHandOver::Accept);
    }
}

QtFileHandOver::~QtFileHandOver() {
    m_server->close();
}

bool QtFileHandOver::Listening() const {
    return m_server->isListening();
}

void QtFileHandOver::Accept() {
    struct Incoming {
        QByteArray bytes;
        bool done = false;
    };
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // The sender writes the path and closes: the message is complete once it has gone. No more than
        // one byte past the longest path is ever taken.
        auto incoming = std::make_shared<Incoming>();
        const auto take = [socket, incoming] {
            const qint64 room = kMaxPathBytes + 1 - incoming->bytes.size();
            if (room > 0 && socket->bytesAvailable() > 0) {
                incoming->bytes.append(socket->read(room));
            }
        };
        const auto finish = [this, socket, incoming] {
            if (std::exchange(incoming->done, true)) {
                return;
            }
            socket->deleteLater();
            const QByteArray& bytes = incoming->bytes;
            if (bytes.isEmpty()) {
                if (m_show) {
                    m_show();
                }
                return;
            }
            if (bytes.size() > kMaxPathBytes || bytes.contains('\0')) {
                return;
            }
            const QString path = QString::fromUtf8(bytes);
            if (QFileInfo(path).isAbsolute() && m_opened) {
                m_opened(std::filesystem::path(path.toStdU16String()));
            }
        };
        connect(socket, &QLocalSocket::readyRead, socket, take);
        connect(socket, &QLocalSocket::disconnected, this, finish);
        take(); // what came before the connection was taken
        if (socket->state() == QLocalSocket::UnconnectedState) {
            finish(); // the sender had already gone
        }
    }
}

bool QtFileHandOver::SendShow(const std::string& name, int timeoutMs) {
    return SendShow(name, RuntimeDirectory(), timeoutMs);
}

bool QtFileHandOver::SendShow(const std::string& name, const std::filesystem::path& directory, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath(name, directory));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMs);
    }
    return true;
}

bool QtFileHandOver::Send(const std::string& name, const std::filesystem::path& file, int timeoutMs) {
    return Send(name, RuntimeDirectory(), file, timeoutMs);
}

bool QtFileHandOver::Send(const std::string& name,
                          const std::filesystem::path& directory,
                          const std::filesystem::path& file,
                          int timeoutMs) {
    const QByteArray bytes = QFileInfo(QString::fromStdU16String(file.u16string())).absoluteFilePath().toUtf8();
    if (bytes.isEmpty() || bytes.size() > kMaxPathBytes) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(SocketPath(name, directory));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(bytes);
    const bool sent = socket.waitForBytesWritten(timeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMs);
    }
    return sent;
}

} // namespace platform
