#include "platform/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
const QByteArray RaiseRequest = "raise\n";
constexpr int ConnectTimeoutMs = 1000;
} // namespace

QString TSingleInstance::SocketName(const QString &application)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QString::number(getuid());
    return application + u'-' + user;
}

TSingleInstance::TSingleInstance(QString socketName, QObject *parent)
    : QObject(parent), FSocketName(std::move(socketName))
{
}

bool TSingleInstance::Claim()
{
    QLocalSocket peer;
    peer.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    peer.connectToServer(FSocketName);
    if (peer.waitForConnected(ConnectTimeoutMs)) {
        peer.write(RaiseRequest);
        peer.waitForBytesWritten(ConnectTimeoutMs);
        peer.disconnectFromServer();
        return false;
    }
    // An abstract socket vanishes with its process, so a failed listen means
    // another instance has just claimed the name: end quietly.
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!FServer->listen(FSocketName))
        return false;
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::OnNewConnection);
    return true;
}

void TSingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(RaiseRequest))
                Q_EMIT RaiseRequested();
        });
    }
}
