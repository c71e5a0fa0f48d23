// The editor's start: one instance per user, the data module first, then the
// main window and its small windows, then the event loop.

#include "app/DataModule.h"
#include "app/MainForm.h"
#include "platform/SingleInstance.h"
#include "ResourcePictures.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vellumi"));
    app.setDesktopFileName(QStringLiteral("vellumi"));
    app.setWindowIcon(QIcon(QPixmap::fromImage(LoadResourcePicture(QStringLiteral("VELLUMI")))));

    TSingleInstance instance;
    if (!instance.Claim())
        return 0;

    TVL_DM dataModule;
    TVL_Main_Form mainForm(&dataModule);
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, &mainForm, &TVL_Main_Form::RaiseFromAnotherStart);
    mainForm.show();
    return app.exec();
}
