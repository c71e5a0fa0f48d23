#include "platform/ImageViewModel.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor32 Red = Color32(255, 0, 0), Blue = Color32(0, 0, 255), Green = Color32(0, 255, 0);

std::unique_ptr<TBitmap32> Filled(int w, int h, TColor32 color, TDrawMode mode = dmOpaque)
{
    auto bitmap = std::make_unique<TBitmap32>(w, h);
    bitmap->Clear(color);
    bitmap->SetDrawMode(mode);
    return bitmap;
}

TImageLayer &BitmapLayer(TImgView32 &view, QRectF location, std::unique_ptr<TBitmap32> bitmap)
{
    TImageLayer &layer = view.AddLayer(lkBitmap);
    layer.Location = location;
    layer.Bitmap = std::move(bitmap);
    return layer;
}

class TFillPainter : public TLayerPainter {
public:
    void Paint(TBitmap32 &target, const QRectF &location) const override
    {
        target.FillRect(int(location.left()), int(location.top()), int(location.right()), int(location.bottom()),
                        Green);
    }
};

TEST(ImageViewModel, HidingMovesTheLayerFiftyThousandPixelsRight)
{
    TImgView32 view;
    TImageLayer &layer = view.AddLayer(lkBitmap);
    layer.Location = QRectF(10, 20, 30, 40);
    layer.ToggleHidden();
    EXPECT_TRUE(layer.Hidden());
    EXPECT_EQ(layer.Location, QRectF(50010, 20, 30, 40));
    layer.Hide();
    EXPECT_EQ(layer.Location.left(), 50010);
    layer.ToggleHidden();
    EXPECT_EQ(layer.Location, QRectF(10, 20, 30, 40));
    layer.Show();
    EXPECT_EQ(layer.Location.left(), 10);

    // A left edge of 5000 or more already counts as out of sight.
    layer.Location.moveLeft(5000);
    EXPECT_TRUE(layer.Hidden());
    layer.ToggleHidden();
    EXPECT_EQ(layer.Location.left(), -45000);
}

TEST(ImageViewModel, LayersAreFoundByIdentityAndKeepTheirOrder)
{
    TImgView32 view;
    TImageLayer &a = view.AddLayer(lkBitmap);
    TImageLayer &b = view.AddLayer(lkPositioned);
    TImageLayer &c = view.AddLayer(lkRubberBand);
    EXPECT_NE(a.Identity(), b.Identity());
    EXPECT_NE(b.Identity(), c.Identity());
    EXPECT_EQ(view.FindLayer(b.Identity()), &b);

    view.BringToFront(a);
    EXPECT_EQ(view.IndexOf(a), 2);
    view.SendToBack(c);
    EXPECT_EQ(view.IndexOf(c), 0);
    EXPECT_EQ(view.IndexOf(b), 1);

    const auto idB = b.Identity(), idA = a.Identity();
    view.DeleteTopLayers(2);
    EXPECT_EQ(view.LayerCount(), 1);
    EXPECT_EQ(view.FindLayer(idB), nullptr);
    EXPECT_EQ(view.FindLayer(idA), nullptr);

    // Identities are never reused while the program runs.
    view.ClearLayers();
    EXPECT_NE(view.AddLayer(lkBitmap).Identity(), idA);
    EXPECT_THROW(view.Layer(5), std::out_of_range);
}

TEST(ImageViewModel, HitTestingFindsTheTopmostLayerThatTakesPresses)
{
    TImgView32 view;
    TImageLayer &low = view.AddLayer(lkBitmap);
    low.Location = QRectF(0, 0, 10, 10);
    TImageLayer &high = view.AddLayer(lkPositioned);
    high.Location = QRectF(5, 5, 10, 10);
    TImageLayer &placeholder = view.AddLayer(lkBitmap);
    placeholder.Location = QRectF(0, 0, 20, 20);
    placeholder.HitTest = false;

    EXPECT_EQ(view.LayerAt(QPointF(6, 6)), &high);
    EXPECT_EQ(view.LayerAt(QPointF(4.5, 9.9)), &low);
    EXPECT_EQ(view.LayerAt(QPointF(15, 15)), nullptr);
    high.ToggleHidden();
    EXPECT_EQ(view.LayerAt(QPointF(6, 6)), &low);
    low.Visible = false;
    EXPECT_EQ(view.LayerAt(QPointF(6, 6)), nullptr);
}

TEST(ImageViewModel, RenderShowsOnlyVisibleLayersAtImageResolution)
{
    TImgView32 view;
    view.Bitmap().SetSize(6, 4);
    view.Bitmap().Clear(Red);
    view.SetScale(0.25);
    view.SetViewportSize(QSize(100, 100));

    BitmapLayer(view, QRectF(1, 1, 2, 2), Filled(2, 2, Blue));
    BitmapLayer(view, QRectF(0, 0, 6, 4), Filled(6, 4, Green)).ToggleHidden();
    BitmapLayer(view, QRectF(0, 0, 6, 4), Filled(6, 4, Green)).Visible = false;
    TImageLayer &frame = view.AddLayer(lkRubberBand);
    frame.Location = QRectF(0, 0, 6, 4);
    frame.Bitmap = Filled(6, 4, Green);
    // A 1 by 1 picture stretched over 2 by 2 pixels.
    BitmapLayer(view, QRectF(4, 2, 2, 2), Filled(1, 1, Blue));
    TImageLayer &caption = view.AddLayer(lkPositioned);
    caption.Location = QRectF(0, 3, 1, 1);
    caption.Painter = std::make_shared<TFillPainter>();

    TBitmap32 out;
    view.RenderViewToBitmap(out);
    ASSERT_EQ(out.Width(), 6);
    ASSERT_EQ(out.Height(), 4);
    const char *expected[] = {"RRRRRR", "RBBRRR", "RBBRBB", "GRRRBB"};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const TColor32 want = expected[y][x] == 'R' ? Red : expected[y][x] == 'B' ? Blue : Green;
            EXPECT_EQ(out.Pixel(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(view.Bitmap().Pixel(1, 1), Red);
}

TEST(ImageViewModel, RenderBlendsAndLeavesOutTheTransparentColour)
{
    TImgView32 view;
    view.Bitmap().SetSize(2, 1);
    view.Bitmap().Clear(Color32(0, 0, 0));

    auto stage = Filled(2, 1, Color32(0x99, 0xFF, 0xCC), dmTransparent);
    *stage->PixelPtr(1, 0) = Blue;
    TImageLayer &drawStage = BitmapLayer(view, QRectF(0, 0, 2, 1), std::move(stage));
    drawStage.TransparentColor = Color32(0x99, 0xFF, 0xCC);
    auto half = Filled(1, 1, Color32(255, 255, 255), dmBlend);
    half->SetMasterAlpha(128);
    BitmapLayer(view, QRectF(0, 0, 1, 1), std::move(half));

    TBitmap32 out;
    view.RenderViewToBitmap(out);
    EXPECT_EQ(out.Pixel(0, 0), Color32(128, 128, 128));
    EXPECT_EQ(out.Pixel(1, 0), Blue);
}

TEST(ImageViewModel, RepaintsWaitForTheOutermostEndUpdate)
{
    TImgView32 view;
    int repaints = 0;
    view.AddChangeListener([&] { ++repaints; });
    view.BeginUpdate();
    view.BeginUpdate();
    view.Changed();
    view.Changed();
    view.EndUpdate();
    EXPECT_EQ(repaints, 0);
    view.EndUpdate();
    EXPECT_EQ(repaints, 1);
    view.Changed();
    EXPECT_EQ(repaints, 2);
    EXPECT_THROW(view.SetScale(0), std::invalid_argument);
}

} // namespace
