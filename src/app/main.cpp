// The editor's start: one instance per user, the data module first, then the
// main window and its small windows, then the event loop.

#include "app/DataModule.h"
#include "app/MainForm.h"
#include "platform/SingleInstance.h"
#include "ResourcePictures.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vellumi"));
    app.setDesktopFileName(QStringLiteral("vellumi"));
    app.setWindowIcon(QIcon(QPixmap::fromImage(LoadResourcePicture(QStringLiteral("VELLUMI")))));

    // The interface is Korean: Qt's own dialogs (open, save, print) follow.
    QTranslator qtDialogs;
    if (qtDialogs.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtDialogs);

    TSingleInstance instance;
    if (!instance.Claim())
        return 0;

    TVL_DM dataModule;
    TVL_Main_Form mainForm(&dataModule);
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, &mainForm, &TVL_Main_Form::RaiseFromAnotherStart);
    mainForm.show();
    return app.exec();
}
