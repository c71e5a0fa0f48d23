// A stand-in process for the single-instance test: claims the instance and
// reports on standard output what happened.

#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TSingleInstance instance(app.arguments().value(1));
    QTextStream out(stdout);
    if (!instance.Claim()) {
        out << "secondary" << Qt::endl;
        return 0;
    }
    out << "primary" << Qt::endl;
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, [&] {
        out << "raise" << Qt::endl;
        app.quit();
    });
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);
    return app.exec();
}
