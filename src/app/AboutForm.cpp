#include "app/AboutForm.h"

#include "app/DataModule.h"
#include "ResourcePictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TVL_About_Form::TVL_About_Form(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("VL_About_Form"));
    setFixedSize(324, 121);
    FPicture = QPixmap::fromImage(LoadResourcePicture(QStringLiteral("ABOUT")));
}

void TVL_About_Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void TVL_About_Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), FPicture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect().adjusted(16, 0, -16, -12), Qt::AlignRight | Qt::AlignBottom,
                     TVL_DM::_T(QStringLiteral("벨루미 Version 2.0")));
}

void TVL_About_Form::mousePressEvent(QMouseEvent *) { accept(); }
