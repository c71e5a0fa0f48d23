#include "app/HintForm.h"

#include "app/DataModule.h"

#include <QPainter>

THint_Form::THint_Form(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), FMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Hint_Form"));
    setFixedSize(251, 43);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void THint_Form::SetPicture(const QPixmap &picture)
{
    FPicture = picture;
    update();
}

void THint_Form::ShowBeside(QWidget *anchor)
{
    const QPoint topRight = anchor->mapToGlobal(QPoint(anchor->width(), 0));
    move(topRight.x() + 5, topRight.y());
    show();
}

void THint_Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!FPicture.isNull()) {
        painter.drawPixmap(rect(), FPicture);
        return;
    }
    painter.fillRect(rect(), QColor(255, 255, 225));
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::TextWordWrap,
                     TVL_DM::_T(QStringLiteral("모자이크할 영역을 사진 위에서 드래그하세요.")));
}

void THint_Form::mouseReleaseEvent(QMouseEvent *)
{
    if (FMainWindow && FMainWindow->isVisible())
        FMainWindow->activateWindow();
}
