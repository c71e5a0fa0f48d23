#pragma once
// The widget that shows a TImgView32 model: the photo scaled by the model's
// zoom (smScale, with scroll bars) or fitted to the widget (smResize), the
// visible layers above it, on black. Mouse events are forwarded in image
// pixels.

#include "platform/ImageViewModel.h"

#include <QAbstractScrollArea>

enum TScaleMode { smScale, smResize };

class TImgViewWidget : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TImgViewWidget(TImgView32 &model, QWidget *parent = nullptr);
    ~TImgViewWidget() override;

    TImgView32 &Model() { return FModel; }
    TScaleMode ScaleMode() const { return FScaleMode; }
    void SetScaleMode(TScaleMode mode);
    // The bitmap is centred when it is smaller than the view.
    void SetCentered(bool centered);

    // The scale the picture is shown at now (the fitted one in smResize).
    double DisplayScale() const;
    // Where the picture's top-left corner lies in the viewport.
    QPointF PictureOrigin() const;
    QPointF ViewToImage(const QPointF &point) const;

Q_SIGNALS:
    void ImageMouseDown(Qt::MouseButton button, const QPointF &imagePoint, const QPoint &viewPoint);
    void ImageMouseMove(Qt::MouseButtons buttons, const QPointF &imagePoint, const QPoint &viewPoint);
    void ImageMouseUp(Qt::MouseButton button, const QPointF &imagePoint, const QPoint &viewPoint);
    void ImageDoubleClick(const QPointF &imagePoint);
    // The view's size changed (the canvas refits in the fit mode).
    void Resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ModelChanged();
    void UpdateScrollBars();
    QSizeF ScaledSize() const;

    TImgView32 &FModel;
    int FModelListener = 0;
    int FBitmapListener = 0;
    TScaleMode FScaleMode = smScale;
    bool FCentered = true;
};
