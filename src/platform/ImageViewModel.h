#pragma once
// The data of the canvas TImgView32: the photo's raster, the ordered layer
// collection above it and the view's scale, scroll offsets and viewport.
// The widget paints this model and forwards mouse events; headless code
// (tests, vellumi-cli) sets the viewport size itself.

#include "platform/Bitmap32.h"

#include <QRectF>
#include <QSize>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

enum TLayerKind {
    lkPositioned, // a location only; drawn by its painter, if any
    lkBitmap,     // a bitmap stretched onto its location
    lkRubberBand  // a handle frame; never part of the rendered picture
};

// What a layer without a bitmap of its own (text box, balloon caption)
// implements to appear in the picture. target is at image resolution;
// location is the layer's rectangle in image pixels.
class TLayerPainter {
public:
    virtual ~TLayerPainter() = default;
    virtual void Paint(TBitmap32 &target, const QRectF &location) const = 0;
};

class TImageLayer {
public:
    TImageLayer(TLayerKind kind, std::int32_t identity) : FKind(kind), FIdentity(identity) {}

    TLayerKind Kind() const { return FKind; }
    // Unique among the layers alive in this process; records name their
    // layer by it.
    std::int32_t Identity() const { return FIdentity; }

    // The log index of the record that made the layer; -1 for layers of
    // the tools (draw stage, frames) that belong to no record.
    int Tag = -1;
    QRectF Location;
    bool Visible = true;
    // Whether presses reach the layer (placeholders take none).
    bool HitTest = true;
    // Bitmap layers: the picture, drawn with its draw mode and master alpha;
    // in dmTransparent the pixels equal to TransparentColor are left out.
    std::unique_ptr<TBitmap32> Bitmap;
    TColor32 TransparentColor = 0;
    std::shared_ptr<TLayerPainter> Painter;

    // Hidden overlays lie far to the right of the picture.
    bool Hidden() const { return Location.left() >= HiddenFrom; }
    void Hide();
    void Show();
    // Hidden layers come back, others go out of sight.
    void ToggleHidden();

    static constexpr double HideShift = 50000.0;
    static constexpr double HiddenFrom = 5000.0;

private:
    TLayerKind FKind;
    std::int32_t FIdentity;
};

class TImgView32 {
public:
    TImgView32() = default;
    TImgView32(const TImgView32 &) = delete;
    TImgView32 &operator=(const TImgView32 &) = delete;

    TBitmap32 &Bitmap() { return FBitmap; }
    const TBitmap32 &Bitmap() const { return FBitmap; }

    // Layers in z-order: index 0 lies lowest, new layers go on top.
    int LayerCount() const { return int(FLayers.size()); }
    TImageLayer &Layer(int index);
    const TImageLayer &Layer(int index) const;
    TImageLayer &AddLayer(TLayerKind kind);
    // -1 when the layer is not in this view.
    int IndexOf(const TImageLayer &layer) const;
    TImageLayer *FindLayer(std::int32_t identity);
    // The topmost visible, hit-testable layer whose location holds the
    // image point, or nullptr.
    TImageLayer *LayerAt(const QPointF &point);
    void DeleteLayer(const TImageLayer &layer);
    void DeleteLayerAt(int index);
    // Deletes the count topmost layers (the tools make theirs in pairs).
    void DeleteTopLayers(int count);
    // Every layer goes; the view starts from an empty stack (InitLayer).
    void ClearLayers();
    void BringToFront(const TImageLayer &layer);
    void SendToBack(const TImageLayer &layer);

    double Scale() const { return FScale; }
    void SetScale(double scale);
    double OffsetX() const { return FOffsetX; }
    double OffsetY() const { return FOffsetY; }
    void SetOffset(double x, double y);
    QSize ViewportSize() const { return FViewport; }
    void SetViewportSize(const QSize &size);

    // The picture as it will be saved: the photo with its visible layers in
    // z-order at image resolution, no frames. The photo itself is unchanged.
    void RenderViewToBitmap(TBitmap32 &target) const;

    // Repaint requests: listeners hear of changes, once per outermost
    // BeginUpdate/EndUpdate pair while updates are suspended.
    using ChangeListener = std::function<void()>;
    int AddChangeListener(ChangeListener listener);
    void RemoveChangeListener(int id);
    void Changed();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

private:
    std::vector<std::unique_ptr<TImageLayer>>::iterator Find(const TImageLayer &layer);

    TBitmap32 FBitmap;
    std::vector<std::unique_ptr<TImageLayer>> FLayers;
    double FScale = 1.0;
    double FOffsetX = 0.0, FOffsetY = 0.0;
    QSize FViewport;
    std::vector<std::pair<int, ChangeListener>> FListeners;
    int FNextListenerId = 1;
    int FUpdateCount = 0;
    bool FChangePending = false;
};

// Draws one bitmap layer onto target with its location rounded to whole
// pixels; a location of another size than the bitmap stretches it
// bilinearly.
void DrawBitmapLayer(TBitmap32 &target, const TImageLayer &layer);
