#include "platform/ImageViewModel.h"

#include <QRect>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <stdexcept>

namespace {

std::int32_t NextLayerIdentity()
{
    static std::atomic<std::int32_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

// A location edge in whole pixels, or false when it lies beyond any raster.
bool PixelEdge(double value, int &edge)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return false;
    edge = int(std::nearbyint(value));
    return true;
}

void DrawTransparent(TBitmap32 &target, int x, int y, const TBitmap32 &source, TColor32 key)
{
    const int sx = std::max(0, -x), sy = std::max(0, -y);
    const int dx = std::max(0, x), dy = std::max(0, y);
    const int w = std::min(source.Width() - sx, target.Width() - dx);
    const int h = std::min(source.Height() - sy, target.Height() - dy);
    for (int row = 0; row < h; ++row) {
        const TColor32 *s = source.PixelPtr(sx, sy + row);
        TColor32 *t = target.PixelPtr(dx, dy + row);
        for (int i = 0; i < w; ++i)
            if (s[i] != key)
                t[i] = s[i];
    }
}

void DrawAt(TBitmap32 &target, int x, int y, const TBitmap32 &source, const TImageLayer &layer)
{
    if (source.DrawMode() == dmTransparent)
        DrawTransparent(target, x, y, source, layer.TransparentColor);
    else
        target.Draw(x, y, source);
}

} // namespace

void TImageLayer::Hide()
{
    if (!Hidden())
        Location.translate(HideShift, 0);
}

void TImageLayer::Show()
{
    if (Hidden())
        Location.translate(-HideShift, 0);
}

void TImageLayer::ToggleHidden()
{
    Location.translate(Hidden() ? -HideShift : HideShift, 0);
}

TImageLayer &TImgView32::Layer(int index)
{
    if (index < 0 || index >= LayerCount())
        throw std::out_of_range("layer index out of range");
    return *FLayers[std::size_t(index)];
}

const TImageLayer &TImgView32::Layer(int index) const
{
    if (index < 0 || index >= LayerCount())
        throw std::out_of_range("layer index out of range");
    return *FLayers[std::size_t(index)];
}

TImageLayer &TImgView32::AddLayer(TLayerKind kind)
{
    FLayers.push_back(std::make_unique<TImageLayer>(kind, NextLayerIdentity()));
    return *FLayers.back();
}

std::vector<std::unique_ptr<TImageLayer>>::iterator TImgView32::Find(const TImageLayer &layer)
{
    auto it = std::find_if(FLayers.begin(), FLayers.end(), [&](const auto &l) { return l.get() == &layer; });
    if (it == FLayers.end())
        throw std::invalid_argument("the layer is not in this view");
    return it;
}

int TImgView32::IndexOf(const TImageLayer &layer) const
{
    for (std::size_t i = 0; i < FLayers.size(); ++i)
        if (FLayers[i].get() == &layer)
            return int(i);
    return -1;
}

TImageLayer *TImgView32::FindLayer(std::int32_t identity)
{
    for (const auto &layer : FLayers)
        if (layer->Identity() == identity)
            return layer.get();
    return nullptr;
}

TImageLayer *TImgView32::LayerAt(const QPointF &point)
{
    for (auto it = FLayers.rbegin(); it != FLayers.rend(); ++it) {
        TImageLayer &layer = **it;
        const QRectF &r = layer.Location;
        if (layer.Visible && layer.HitTest && point.x() >= r.left() && point.x() < r.right() &&
            point.y() >= r.top() && point.y() < r.bottom())
            return &layer;
    }
    return nullptr;
}

void TImgView32::DeleteLayer(const TImageLayer &layer)
{
    FLayers.erase(Find(layer));
}

void TImgView32::DeleteLayerAt(int index)
{
    Layer(index);
    FLayers.erase(FLayers.begin() + index);
}

void TImgView32::DeleteTopLayers(int count)
{
    const int n = std::clamp(count, 0, LayerCount());
    FLayers.erase(FLayers.end() - n, FLayers.end());
}

void TImgView32::ClearLayers()
{
    FLayers.clear();
}

void TImgView32::BringToFront(const TImageLayer &layer)
{
    auto it = Find(layer);
    std::rotate(it, it + 1, FLayers.end());
}

void TImgView32::SendToBack(const TImageLayer &layer)
{
    auto it = Find(layer);
    std::rotate(FLayers.begin(), it, it + 1);
}

void TImgView32::SetScale(double scale)
{
    if (!std::isfinite(scale) || scale <= 0)
        throw std::invalid_argument("the view scale must be a positive number");
    FScale = scale;
}

void TImgView32::SetOffset(double x, double y)
{
    FOffsetX = x;
    FOffsetY = y;
}

void TImgView32::SetViewportSize(const QSize &size)
{
    FViewport = size.expandedTo(QSize(0, 0));
}

void DrawBitmapLayer(TBitmap32 &target, const TImageLayer &layer)
{
    const TBitmap32 *bitmap = layer.Bitmap.get();
    if (!bitmap || bitmap->Empty())
        return;
    int left, top, right, bottom;
    if (!PixelEdge(layer.Location.left(), left) || !PixelEdge(layer.Location.top(), top) ||
        !PixelEdge(layer.Location.right(), right) || !PixelEdge(layer.Location.bottom(), bottom))
        return;
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0 || right <= 0 || bottom <= 0 || left >= target.Width() || top >= target.Height())
        return;
    if (w == bitmap->Width() && h == bitmap->Height()) {
        DrawAt(target, left, top, *bitmap, layer);
        return;
    }
    TBitmap32 stretched(w, h);
    StretchLinear(stretched, QRect(0, 0, w, h), *bitmap, QRect(0, 0, bitmap->Width(), bitmap->Height()));
    stretched.SetDrawMode(bitmap->DrawMode());
    stretched.SetMasterAlpha(bitmap->MasterAlpha());
    DrawAt(target, left, top, stretched, layer);
}

void TImgView32::RenderViewToBitmap(TBitmap32 &target) const
{
    target.SetSize(FBitmap.Width(), FBitmap.Height());
    target.SetDrawMode(dmOpaque);
    target.SetMasterAlpha(255);
    if (target.Empty())
        return;
    std::copy(FBitmap.Bits(), FBitmap.Bits() + FBitmap.PixelCount(), target.Bits());
    const QRectF picture(0, 0, FBitmap.Width(), FBitmap.Height());
    for (const auto &layer : FLayers) {
        if (!layer->Visible || layer->Kind() == lkRubberBand || !layer->Location.intersects(picture))
            continue;
        if (layer->Kind() == lkBitmap)
            DrawBitmapLayer(target, *layer);
        if (layer->Painter)
            layer->Painter->Paint(target, layer->Location);
    }
}

int TImgView32::AddChangeListener(ChangeListener listener)
{
    FListeners.emplace_back(FNextListenerId, std::move(listener));
    return FNextListenerId++;
}

void TImgView32::RemoveChangeListener(int id)
{
    std::erase_if(FListeners, [id](const auto &entry) { return entry.first == id; });
}

void TImgView32::Changed()
{
    if (FUpdateCount > 0) {
        FChangePending = true;
        return;
    }
    const auto listeners = FListeners;
    for (const auto &entry : listeners)
        entry.second();
}

void TImgView32::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0 && FChangePending) {
        FChangePending = false;
        Changed();
    }
}
