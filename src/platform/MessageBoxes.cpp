#include "platform/MessageBoxes.h"

#include <QGuiApplication>

namespace {

QMessageBox::StandardButton Run(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, buttons, parent);
    box.setEscapeButton(escape);
    const int result = box.exec();
    return result == 0 ? escape : QMessageBox::StandardButton(result);
}

} // namespace

void ShowMessage(QWidget *parent, const QString &text)
{
    Run(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowError(QWidget *parent, const QString &text)
{
    Run(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &text)
{
    return Run(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Cancel);
}

bool AskOkCancel(QWidget *parent, const QString &text)
{
    return Run(parent, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) ==
           QMessageBox::Ok;
}
