#pragma once
// One running editor per user: the first start listens on a local socket
// named after the user; a later start asks it to bring its window forward
// and ends.

#include <QObject>
#include <QString>

class QLocalServer;

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket name carries the user, so that users on one machine each
    // get their own instance.
    static QString SocketName(const QString &application = QStringLiteral("Vellumi"));

    explicit TSingleInstance(QString socketName = SocketName(), QObject *parent = nullptr);

    // True when this process is the first instance (it now listens); false
    // when another instance answered (it was asked to raise its window) or
    // is still starting.
    bool Claim();

Q_SIGNALS:
    // Another start asked this instance to show its window.
    void RaiseRequested();

private:
    void OnNewConnection();

    QString FSocketName;
    QLocalServer *FServer = nullptr;
};
