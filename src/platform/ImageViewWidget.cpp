#include "platform/ImageViewWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

TImgViewWidget::TImgViewWidget(TImgView32 &model, QWidget *parent) : QAbstractScrollArea(parent), FModel(model)
{
    QPalette black = viewport()->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::Base, Qt::black);
    viewport()->setPalette(black);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    FModelListener = FModel.AddChangeListener([this] { ModelChanged(); });
    FBitmapListener = FModel.Bitmap().AddChangeListener([this] { ModelChanged(); });
}

TImgViewWidget::~TImgViewWidget()
{
    FModel.RemoveChangeListener(FModelListener);
    FModel.Bitmap().RemoveChangeListener(FBitmapListener);
}

void TImgViewWidget::SetScaleMode(TScaleMode mode)
{
    FScaleMode = mode;
    ModelChanged();
}

void TImgViewWidget::SetCentered(bool centered)
{
    FCentered = centered;
    viewport()->update();
}

double TImgViewWidget::DisplayScale() const
{
    const TBitmap32 &bitmap = FModel.Bitmap();
    if (FScaleMode == smScale || bitmap.Empty())
        return FModel.Scale();
    const QSize area = viewport()->size();
    return std::min(double(area.width()) / bitmap.Width(), double(area.height()) / bitmap.Height());
}

QSizeF TImgViewWidget::ScaledSize() const
{
    const double scale = DisplayScale();
    return {FModel.Bitmap().Width() * scale, FModel.Bitmap().Height() * scale};
}

QPointF TImgViewWidget::PictureOrigin() const
{
    const QSizeF size = ScaledSize();
    const QSize area = viewport()->size();
    double x = -horizontalScrollBar()->value(), y = -verticalScrollBar()->value();
    if (FCentered && size.width() < area.width())
        x = std::floor((area.width() - size.width()) / 2);
    if (FCentered && size.height() < area.height())
        y = std::floor((area.height() - size.height()) / 2);
    return {x, y};
}

QPointF TImgViewWidget::ViewToImage(const QPointF &point) const
{
    const double scale = DisplayScale();
    if (scale <= 0)
        return {};
    return (point - PictureOrigin()) / scale;
}

void TImgViewWidget::ModelChanged()
{
    if (FModel.Updating())
        return;
    UpdateScrollBars();
    viewport()->update();
}

void TImgViewWidget::UpdateScrollBars()
{
    const QSizeF size = FScaleMode == smScale ? ScaledSize() : QSizeF();
    const QSize area = viewport()->size();
    // A zoom such as 0.55 gives 440.00000000000006 pixels: that is 440.
    auto pixels = [](double length) { return int(std::ceil(length - 1e-6)); };
    horizontalScrollBar()->setRange(0, std::max(0, pixels(size.width()) - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, pixels(size.height()) - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setPageStep(area.height());
    FModel.SetViewportSize(area);
}

void TImgViewWidget::paintEvent(QPaintEvent *event)
{
    TBitmap32 &bitmap = FModel.Bitmap();
    if (bitmap.Empty() || FModel.Updating())
        return;
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    const double scale = DisplayScale();
    const QPointF origin = PictureOrigin();
    // Nearest-neighbour display: the draft resampler keeps zooming fast on
    // large photos; the saved picture is composed at image resolution.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRectF target(origin, ScaledSize());
    const QImage photo = bitmap.OpaqueImageView();
    const QRectF visible = target.intersected(QRectF(event->rect()));
    if (!visible.isEmpty()) {
        // Photos show opaque whatever their alpha (the colour tone leaves 0).
        // Seen as RGB32 the colours come unchanged, but a plain draw would copy
        // the alpha bytes into an ARGB backing store; added to the black
        // background they land with alpha 255.
        const QRectF source((visible.topLeft() - origin) / scale, visible.size() / scale);
        painter.setCompositionMode(QPainter::CompositionMode_Plus);
        painter.drawImage(visible, photo, source);
    }
    for (int i = 0; i < FModel.LayerCount(); ++i) {
        TImageLayer &layer = FModel.Layer(i);
        if (!layer.Visible || layer.Hidden() || layer.Kind() != lkBitmap || !layer.Bitmap || layer.Bitmap->Empty())
            continue;
        const QRectF where(origin + layer.Location.topLeft() * scale, layer.Location.size() * scale);
        painter.setOpacity(layer.Bitmap->DrawMode() == dmBlend ? layer.Bitmap->MasterAlpha() / 255.0 : 1.0);
        painter.setCompositionMode(layer.Bitmap->DrawMode() == dmOpaque ? QPainter::CompositionMode_Source
                                                                       : QPainter::CompositionMode_SourceOver);
        painter.drawImage(where, layer.Bitmap->ImageView());
    }
}

void TImgViewWidget::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    Q_EMIT Resized();
}

void TImgViewWidget::scrollContentsBy(int, int)
{
    FModel.SetOffset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

void TImgViewWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT ImageMouseDown(event->button(), ViewToImage(at), at);
}

void TImgViewWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT ImageMouseMove(event->buttons(), ViewToImage(at), at);
}

void TImgViewWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT ImageMouseUp(event->button(), ViewToImage(at), at);
}

void TImgViewWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_EMIT ImageDoubleClick(ViewToImage(event->position()));
}
