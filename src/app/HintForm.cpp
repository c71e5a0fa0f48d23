#include "app/HintForm.h"

#include "ResourcePictures.h"

#include <QPainter>

THint_Form::THint_Form(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), FMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Hint_Form"));
    setFixedSize(251, 43);
    setAttribute(Qt::WA_ShowWithoutActivating);
    FPicture = QPixmap::fromImage(LoadResourcePicture(QStringLiteral("MOSAIC_HINT")));
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
    painter.drawPixmap(rect(), FPicture);
}

void THint_Form::mouseReleaseEvent(QMouseEvent *)
{
    if (FMainWindow && FMainWindow->isVisible())
        FMainWindow->activateWindow();
}
