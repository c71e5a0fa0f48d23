#include "platform/Slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

QPixmap DefaultThumb()
{
    QPixmap thumb(11, 18);
    thumb.fill(Qt::transparent);
    QPainter painter(&thumb);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(80, 80, 80));
    painter.setBrush(QColor(245, 245, 245));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 10, 17), 3, 3);
    return thumb;
}

} // namespace

TSlider::TSlider(QWidget *parent) : QWidget(parent), FThumb(DefaultThumb())
{
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TSlider::sizeHint() const { return {150, std::max(FThumb.height(), FRuler.height()) + 4}; }

void TSlider::SetMinValue(int value) { SetRange(value, std::max(value, FMaxValue)); }

void TSlider::SetMaxValue(int value) { SetRange(std::min(value, FMinValue), value); }

void TSlider::SetRange(int minValue, int maxValue)
{
    FMinValue = minValue;
    FMaxValue = std::max(minValue, maxValue);
    SetValue(FValue);
    update();
}

void TSlider::SetValue(int value)
{
    value = std::clamp(value, FMinValue, FMaxValue);
    if (value == FValue)
        return;
    FValue = value;
    update();
    Q_EMIT OnChange();
}

void TSlider::SetThumbPicture(const QPixmap &picture)
{
    FThumb = picture.isNull() ? DefaultThumb() : picture;
    updateGeometry();
    update();
}

void TSlider::SetRulerPicture(const QPixmap &picture)
{
    FRuler = picture;
    update();
}

QRect TSlider::ThumbRect() const
{
    const int span = std::max(1, width() - FThumb.width());
    const int range = FMaxValue - FMinValue;
    const int left = range > 0 ? int((long long)(FValue - FMinValue) * span / range) : 0;
    return {left, (height() - FThumb.height()) / 2, FThumb.width(), FThumb.height()};
}

int TSlider::ValueAt(int x) const
{
    const int span = std::max(1, width() - FThumb.width());
    const int clamped = std::clamp(x, 0, span);
    return FMinValue + int((long long)clamped * (FMaxValue - FMinValue) / span);
}

void TSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = FThumb.width() / 2;
    if (!FRuler.isNull()) {
        painter.drawPixmap(QRect(half, (height() - FRuler.height()) / 2, width() - 2 * half, FRuler.height()), FRuler);
    } else {
        const int y = height() / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? QColor(150, 150, 150) : QColor(200, 200, 200));
        painter.drawRoundedRect(QRect(half, y - 2, width() - 2 * half, 4), 2, 2);
    }
    painter.drawPixmap(ThumbRect().topLeft(), FThumb);
}

void TSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QRect thumb = ThumbRect();
    if (thumb.contains(event->position().toPoint())) {
        FTracking = true;
        FGrabOffset = event->position().toPoint().x() - thumb.left();
    }
}

void TSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (FTracking)
        SetValue(ValueAt(event->position().toPoint().x() - FGrabOffset));
}

void TSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasTracking = FTracking;
    FTracking = false;
    if (wasTracking)
        Q_EMIT OnStopTracking();
    Q_EMIT MouseUp(event->position().toPoint().x(), event->position().toPoint().y());
}

void TSlider::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: SetValue(FValue - FIncrement); break;
    case Qt::Key_Right:
    case Qt::Key_Up: SetValue(FValue + FIncrement); break;
    case Qt::Key_Home: SetValue(FMinValue); break;
    case Qt::Key_End: SetValue(FMaxValue); break;
    default: QWidget::keyPressEvent(event); return;
    }
    Q_EMIT OnStopTracking();
}

void SetScroolDown(int X, int, TSlider *AScrool, int AMinValue)
{
    const int h = AScrool->ThumbWidth() / 2;
    const int W = AScrool->width();
    if (W <= 0)
        return;
    int x = X < W - h ? X : W;
    if (X > W / 2 + 2 * h)
        x += h;
    else if (X < W / 2 - 2 * h)
        x -= h / 2;
    const int v = int((long long)x * (AMinValue + AScrool->MaxValue()) / W) - AMinValue;
    if (v != AScrool->Value()) {
        AScrool->update();
        AScrool->SetValue(v);
    }
}
