#include "app/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace vintrel {

namespace {
constexpr char kAck = '\x06';
}

QString InstanceChannel::defaultName() {
    return QStringLiteral("Vintrel_CheckIfRunningFileMapping-%1").arg(::getuid());
}

InstanceChannel::InstanceChannel(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::handOver(const QString& path, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    // The message is the path in UTF-8 followed by a newline; the first copy answers once it
    // has taken the request.
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    return socket.waitForReadyRead(timeoutMs) && socket.read(1) == QByteArray(1, kAck);
}

bool InstanceChannel::isServed(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    const bool served = socket.waitForConnected(timeoutMs);
    socket.abort();
    return served;
}

bool InstanceChannel::listen(QString* error) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A copy that crashed leaves its socket file behind; nobody answered on it above.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) {
            if (error)
                *error = server_->errorString();
            return false;
        }
    }
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::acceptConnection);
    return true;
}

void InstanceChannel::acceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            QByteArray line = socket->readLine();
            line.chop(1);
            socket->write(QByteArray(1, kAck));
            socket->flush();
            // The import runs after this handler has returned: it lets pending events run,
            // and the socket may be deleted then (the other copy hangs up after the reply).
            QMetaObject::invokeMethod(
                this, [this, path = QString::fromUtf8(line)] { emit openRequested(path); },
                Qt::QueuedConnection);
        });
    }
}

} // namespace vintrel
