#include "app/AboutForm.h"

#include "app/DataModule.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

TVL_About_Form::TVL_About_Form(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("VL_About_Form"));
    setFixedSize(324, 121);
}

void TVL_About_Form::SetPicture(const QPixmap &picture)
{
    FPicture = picture;
    update();
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
    if (!FPicture.isNull()) {
        painter.drawPixmap(rect(), FPicture);
    } else {
        QLinearGradient background(0, 0, 0, height());
        background.setColorAt(0, QColor(254, 122, 37));
        background.setColorAt(1, QColor(200, 80, 20));
        painter.fillRect(rect(), background);
    }
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect().adjusted(16, 0, -16, -12), Qt::AlignRight | Qt::AlignBottom,
                     TVL_DM::_T(QStringLiteral("벨루미 Version 2.0")));
}

void TVL_About_Form::mousePressEvent(QMouseEvent *) { accept(); }
