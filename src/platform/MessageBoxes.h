#pragma once
// Message boxes captioned with the application's title.

#include <QMessageBox>
#include <QString>

// An information message with OK.
void ShowMessage(QWidget *parent, const QString &text);
// An error message with OK.
void ShowError(QWidget *parent, const QString &text);
// Yes / No / Cancel; returns the button chosen (Cancel when closed).
QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &text);
// OK / Cancel; true for OK.
bool AskOkCancel(QWidget *parent, const QString &text);
