#include "history/HistorySteps.h"
#include "history/ResizeApplier.h"

#include <gtest/gtest.h>

namespace {

TColor32 Original(int x, int y) { return Color32(x * 10, y * 10, 77); }

QString Resize(int w, int h) { return TOpRecord(rkSizeChange).Set("AW", w).Set("AH", h).ToString(); }
QString Crop(TRecordRect r) { return TOpRecord(rkCut).Set("ARect", r).ToString(); }
// Kind 3 mirrors left to right.
QString Flip() { return TOpRecord(rkRotate).Set("ARotate_Index", 3).ToString(); }
QString Stamp(TRecordRect r) { return TOpRecord(rkStamp).Set("ARect", r).ToString(); }
QString Delete(int tag) { return TOpRecord(rkDelLayer).Set("ATag", tag).ToString(); }
QString Line(int x, int y) { return TOpRecord(rkPaint, 3).Set("AStartX", x).Set("AStartY", y).ToString(); }
QString FailingFilter() { return TOpRecord(rkFilter, 0).Set("AFilterName", "Fail").ToString(); }

// Appliers standing in for the geometry, overlay and drawing subsystems.
void RegisterTestAppliers(TApplierTable &table)
{
    table.Register(rkSizeChange, -1, ResizeNearest);
    table.Register(rkCut, -1, [](const TOpRecord &r, TReplayContext &c) -> TImageLayer * {
        const TRecordRect k = r.Rect("ARect");
        TBitmap32 copy;
        copy.Assign(c.View.Bitmap());
        c.View.Bitmap().SetSize(k.Right - k.Left, k.Bottom - k.Top);
        c.View.Bitmap().Draw(-k.Left, -k.Top, copy);
        return nullptr;
    });
    table.Register(rkRotate, -1, [](const TOpRecord &r, TReplayContext &c) -> TImageLayer * {
        if (r.Int("ARotate_Index") == 3)
            c.View.Bitmap().FlipHorz();
        return nullptr;
    });
    table.Register(rkStamp, -1, [](const TOpRecord &r, TReplayContext &c) {
        const TRecordRect k = r.Rect("ARect");
        TImageLayer &layer = c.View.AddLayer(lkBitmap);
        layer.Location = QRectF(k.Left, k.Top, k.Right - k.Left, k.Bottom - k.Top);
        layer.Bitmap = std::make_unique<TBitmap32>(1, 1);
        layer.Bitmap->Clear(Color32(0, 0, 255));
        return &layer;
    });
    table.Register(rkPaint, 3, [](const TOpRecord &r, TReplayContext &c) {
        *c.View.Bitmap().PixelPtr(r.Int("AStartX"), r.Int("AStartY")) = Color32(255, 255, 255);
        return &c.View.AddLayer(lkBitmap);
    });
    table.Register(rkFilter, 0, [](const TOpRecord &r, TReplayContext &) -> TImageLayer * {
        if (r.Text("AFilterName") == QLatin1String("Fail"))
            throw std::runtime_error("the effect failed");
        return nullptr;
    });
}

class HistoryTest : public testing::Test {
protected:
    HistoryTest()
    {
        RegisterTestAppliers(engine.Appliers);
        photos.AddItem(-1, QStringLiteral("a.png"), nullptr);
    }

    TUndoRedoImgListItem &Photo(int i = 0) { return photos.GetItem(i); }
    const TImageLayer *OnlyLayer() { return view.LayerCount() == 1 ? &view.Layer(0) : nullptr; }
    void ExpectFlagsClear() const
    {
        EXPECT_FALSE(engine.Flags.FUndoRedoMode);
        EXPECT_FALSE(engine.Flags.FUndoRedoMode2);
        EXPECT_FALSE(engine.Flags.FUndoRedoMode3);
        EXPECT_FALSE(engine.Flags.FBlockApply);
        EXPECT_FALSE(view.Updating());
    }

    TReplayEngine engine;
    TUndoRedoImgList photos;
    TImgView32 view;
    int decodes = 0;
    THistorySession session{engine, photos, view, [this](const QString &path, TBitmap32 &target) {
                                ++decodes;
                                if (path == QLatin1String("gone.png"))
                                    throw std::runtime_error("cannot decode gone.png");
                                target.SetSize(8, 6);
                                for (int y = 0; y < 6; ++y)
                                    for (int x = 0; x < 8; ++x)
                                        *target.PixelPtr(x, y) = Original(x, y);
                            }};
};

TEST_F(HistoryTest, ResizeCropUndoRedo)
{
    Photo().LogRecord(Resize(4, 3));
    Photo().LogRecord(Crop({1, 1, 3, 3}));
    ReloadPhoto(session, 0);
    ASSERT_EQ(view.Bitmap().Width(), 2);
    EXPECT_EQ(view.Bitmap().Pixel(0, 0), Original(2, 2));

    decodes = 0;
    engine.FFilterList.AddItem(QStringLiteral("Blur"), 3, 0, 0, 4);
    ASSERT_TRUE(UndoStep(session, 0));
    EXPECT_EQ(decodes, 1);
    EXPECT_EQ(engine.FFilterList.Count(), 0);
    EXPECT_EQ(Photo().Index, 0);
    ASSERT_EQ(view.Bitmap().Width(), 4);
    EXPECT_EQ(view.Bitmap().Height(), 3);
    EXPECT_EQ(view.Bitmap().Pixel(3, 2), Original(6, 4));

    ASSERT_TRUE(RedoStep(session, 0));
    EXPECT_EQ(decodes, 2);
    EXPECT_EQ(Photo().Index, 1);
    EXPECT_EQ(view.Bitmap().Width(), 2);
    EXPECT_EQ(view.Bitmap().Pixel(0, 0), Original(2, 2));
    EXPECT_FALSE(RedoStep(session, 0));
    EXPECT_EQ(decodes, 2);
    ExpectFlagsClear();
}

TEST_F(HistoryTest, NewEditAfterTwoUndosDropsTheTail)
{
    Photo().LogRecord(Resize(4, 3));
    Photo().LogRecord(Flip());
    Photo().LogRecord(Crop({0, 0, 2, 2}));
    ASSERT_TRUE(UndoStep(session, 0));
    ASSERT_TRUE(UndoStep(session, 0));
    EXPECT_EQ(Photo().UndoRedoList->Count(), 3);
    EXPECT_EQ(Photo().LogRecord(Resize(2, 2)), 1);
    EXPECT_EQ(Photo().UndoRedoList->Count(), 2);
    EXPECT_EQ(Photo().UndoRedoList->GetItem(1).Apply_Str, Resize(2, 2));
}

TEST_F(HistoryTest, BackToOriginalDiscardsFiveRecords)
{
    for (int i = 0; i < 4; ++i)
        Photo().LogRecord(Flip());
    Photo().LogRecord(Stamp({0, 0, 2, 2}));
    ReloadPhoto(session, 0);
    engine.FFilterList.AddItem(QStringLiteral("Blur"), 3, 0, 0, 4);
    ASSERT_EQ(view.LayerCount(), 1);

    BackToOriginal(session, 0);
    EXPECT_EQ(Photo().Index, -1);
    EXPECT_EQ(Photo().UndoRedoList->Count(), 0);
    EXPECT_EQ(view.LayerCount(), 0);
    EXPECT_EQ(engine.FFilterList.Count(), 0);
    EXPECT_EQ(view.Bitmap().Pixel(0, 0), Original(0, 0));
    EXPECT_FALSE(UndoStep(session, 0));
    EXPECT_FALSE(RedoStep(session, 0));
    ExpectFlagsClear();
}

TEST_F(HistoryTest, AllPhotosLoggingAdvancesEveryPhoto)
{
    photos.AddItem(-1, QStringLiteral("b.png"), nullptr);
    photos.AddItem(-1, QStringLiteral("c.png"), nullptr);
    Photo(0).LogRecord(Flip());
    Photo(0).LogRecord(Flip());
    Photo(0).LogRecord(Flip());
    Photo(1).LogRecord(Flip());
    Photo(1).LogRecord(Flip());
    Photo(1).Index = 0; // one record undone
    ASSERT_EQ(Photo(2).Index, -1);

    LogRecordForAllPhotos(photos, TOpRecord::Parse(Resize(640, 480)));
    const int expected[] = {3, 1, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Photo(i).Index, expected[i]);
        EXPECT_EQ(Photo(i).UndoRedoList->Count(), expected[i] + 1);
        EXPECT_EQ(Photo(i).UndoRedoList->GetItem(expected[i]).Apply_Str, QStringLiteral("크기변경 (640,480)"));
    }

    // A sticker for all photos carries each photo's own list position.
    LogRecordForAllPhotos(photos, TOpRecord::Parse(Stamp({1, 1, 2, 2})).Set("AAllApply", 1));
    for (int i = 0; i < 3; ++i) {
        const TOpRecord copy = TOpRecord::Parse(Photo(i).UndoRedoList->GetItem(Photo(i).Index).Apply_Str);
        EXPECT_EQ(copy.Int("AListTag"), expected[i] + 1);
        EXPECT_EQ(copy.Int("AAllApply"), 1);
    }

    // Undo on one photo removes only its own copy.
    ASSERT_TRUE(UndoStep(session, 1));
    EXPECT_EQ(Photo(1).Index, 1);
    EXPECT_EQ(Photo(0).Index, 4);
}

TEST_F(HistoryTest, UndoWithoutPhotosChangesNothing)
{
    photos.Clear();
    EXPECT_FALSE(UndoStep(session, 0));
    EXPECT_FALSE(RedoStep(session, 0));
    BackToOriginal(session, 0);
    EXPECT_EQ(decodes, 0);
    ExpectFlagsClear();
}

TEST_F(HistoryTest, UnreadableRecordStopsBeforeAnythingChanges)
{
    Photo().LogRecord(Flip());
    Photo().LogRecord(QStringLiteral("크기변경 (4,x)"));
    Photo().LogRecord(Flip());
    view.Bitmap().SetSize(3, 3);
    view.Bitmap().Clear(Color32(1, 2, 3));
    try {
        UndoStep(session, 0);
        ADD_FAILURE() << "the bad record was accepted";
    } catch (const EReplay &e) {
        EXPECT_EQ(e.RecordIndex(), 1);
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("크기변경 (4,x)"))) << e.what();
    }
    EXPECT_EQ(Photo().Index, 2);
    EXPECT_EQ(Photo().UndoRedoList->Count(), 3);
    EXPECT_EQ(decodes, 0);
    EXPECT_EQ(view.Bitmap().Pixel(2, 2), Color32(1, 2, 3));
    ExpectFlagsClear();
}

TEST_F(HistoryTest, FailingApplierKeepsThePositionAndRestoresTheFlags)
{
    Photo().LogRecord(Flip());
    Photo().LogRecord(FailingFilter());
    Photo().LogRecord(Flip());
    EXPECT_THROW(UndoStep(session, 0), EReplay);
    EXPECT_EQ(Photo().Index, 2);
    ExpectFlagsClear();
    EXPECT_THROW(SwitchToPhoto(session, 0), EReplay);
    ExpectFlagsClear();

    photos.AddItem(-1, QStringLiteral("gone.png"), nullptr).LogRecord(Flip());
    EXPECT_THROW(UndoStep(session, 1), std::runtime_error);
    EXPECT_EQ(Photo(1).Index, 0);
    ExpectFlagsClear();
}

TEST_F(HistoryTest, MissingApplierIsNamed)
{
    TReplayEngine bare;
    THistorySession other{bare, photos, view, session.Decode};
    Photo().LogRecord(Resize(2, 2));
    try {
        ReloadPhoto(other, 0);
        ADD_FAILURE() << "replayed without an applier";
    } catch (const EReplay &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("UndoRedo_SizeChange"))) << e.what();
    }
}

TEST_F(HistoryTest, UndoneOverlayStaysHiddenAndRedoBringsItBack)
{
    Photo().LogRecord(Stamp({2, 1, 4, 3}));
    Photo().LogRecord(Flip());
    ReloadPhoto(session, 0);
    ASSERT_TRUE(OnlyLayer());
    const std::int32_t identity = OnlyLayer()->Identity();
    EXPECT_EQ(TOpRecord::Parse(Photo().UndoRedoList->GetItem(0).Apply_Str).Identity(), identity);
    EXPECT_EQ(OnlyLayer()->Tag, 0);

    ASSERT_TRUE(UndoStep(session, 0));
    ASSERT_TRUE(UndoStep(session, 0));
    ASSERT_TRUE(OnlyLayer());
    EXPECT_EQ(OnlyLayer()->Identity(), identity);
    EXPECT_EQ(OnlyLayer()->Location, QRectF(50002, 1, 2, 2));
    TBitmap32 picture;
    view.RenderViewToBitmap(picture);
    EXPECT_EQ(picture.Pixel(2, 1), Original(2, 1));

    ASSERT_TRUE(RedoStep(session, 0));
    ASSERT_TRUE(OnlyLayer());
    EXPECT_EQ(OnlyLayer()->Location, QRectF(2, 1, 2, 2));
    view.RenderViewToBitmap(picture);
    EXPECT_EQ(picture.Pixel(2, 1), Color32(0, 0, 255));
}

TEST_F(HistoryTest, UndoingADeletionShowsTheOverlayAgain)
{
    Photo().LogRecord(Stamp({0, 0, 1, 1}));
    Photo().LogRecord(Delete(0));
    ReloadPhoto(session, 0);
    ASSERT_TRUE(OnlyLayer());
    EXPECT_TRUE(OnlyLayer()->Hidden());
    ASSERT_TRUE(UndoStep(session, 0));
    EXPECT_FALSE(OnlyLayer()->Hidden());
    ASSERT_TRUE(RedoStep(session, 0));
    EXPECT_TRUE(OnlyLayer()->Hidden());
}

TEST_F(HistoryTest, SwitchAndReloadShowExactlyTheRecordsUpToThePosition)
{
    Photo().LogRecord(Stamp({0, 0, 1, 1}));
    Photo().LogRecord(Flip());
    Photo().LogRecord(Stamp({5, 5, 6, 6}));
    Photo().Index = 0;
    photos.AddItem(-1, QStringLiteral("b.png"), nullptr);

    SwitchToPhoto(session, 1);
    EXPECT_EQ(view.LayerCount(), 0);
    SwitchToPhoto(session, 0);
    EXPECT_EQ(Photo().Index, 0);
    EXPECT_EQ(decodes, 2);
    EXPECT_EQ(view.Bitmap().Pixel(0, 0), Original(0, 0));
    ASSERT_EQ(view.LayerCount(), 2);
    EXPECT_FALSE(view.Layer(0).Hidden());
    EXPECT_TRUE(view.Layer(1).Hidden());

    ReloadPhoto(session, 0);
    EXPECT_EQ(view.Bitmap().Pixel(0, 0), Original(0, 0));
    ASSERT_EQ(view.LayerCount(), 2);
    EXPECT_TRUE(view.Layer(1).Hidden());

    ASSERT_TRUE(RedoStep(session, 0));
    ASSERT_TRUE(RedoStep(session, 0));
    EXPECT_EQ(view.Bitmap().Pixel(0, 0), Original(7, 0));
    EXPECT_EQ(view.Layer(1).Location, QRectF(5, 5, 1, 1));
}

TEST_F(HistoryTest, SteppingReplaysNeitherPileUpNorKeepStaleLayers)
{
    Photo().LogRecord(Line(1, 1));
    Photo().LogRecord(Stamp({0, 0, 1, 1}));
    ReloadPhoto(session, 0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(UndoStep(session, 0));
        ASSERT_TRUE(RedoStep(session, 0));
    }
    EXPECT_EQ(view.LayerCount(), 2);
    EXPECT_EQ(view.Bitmap().Pixel(1, 1), Color32(255, 255, 255));

    // A new edit takes the undone sticker's list position; its layer goes.
    ASSERT_TRUE(UndoStep(session, 0));
    Photo().LogRecord(Flip());
    ASSERT_TRUE(UndoStep(session, 0));
    ASSERT_TRUE(OnlyLayer());
    EXPECT_EQ(OnlyLayer()->Tag, 0);
}

TEST_F(HistoryTest, ShiftRecordLayerLeavesRecordsWithoutALiveLayerAlone)
{
    Photo().LogRecord(Stamp({3, 0, 4, 1}));
    Photo().LogRecord(Delete(0));
    Photo().LogRecord(Flip());
    ReloadPhoto(session, 0);
    TUndoRedoList &log = *Photo().UndoRedoList;

    ShiftRecordLayer(smShow, 1, log, view);
    EXPECT_EQ(view.Layer(0).Location.left(), 3);
    ShiftRecordLayer(smShow, 1, log, view);
    EXPECT_EQ(view.Layer(0).Location.left(), 3);
    ShiftRecordLayer(smToggle, 0, log, view);
    EXPECT_EQ(view.Layer(0).Location.left(), 50003);
    ShiftRecordLayer(smToggle, 2, log, view);
    ShiftRecordLayer(smToggle, 7, log, view);
    EXPECT_EQ(view.Layer(0).Location.left(), 50003);

    view.ClearLayers();
    EXPECT_NO_THROW(ShiftRecordLayer(smToggle, 0, log, view));
}

} // namespace

namespace {

TEST(HistoryButtons, FollowThePhotosPosition)
{
    TUndoRedoImgList photos;
    TUndoRedoImgListItem &photo = photos.AddItem(-1, QStringLiteral("a.png"), nullptr);
    struct TCase {
        int Records, Position, Selected;
        bool Gif, Join;
        bool Undo, Redo, Original;
        std::optional<bool> Save;
    };
    const TCase cases[] = {
        {0, -1, 0, false, false, false, false, false, true},
        {3, -1, 0, false, false, false, true, true, true},
        {3, 1, 0, false, false, true, true, true, true},
        {3, 2, 0, false, false, true, false, true, true},
        {1, 0, 0, false, false, true, false, true, true},
        {3, 1, -1, false, false, false, false, false, false},
        {3, 1, 0, true, false, false, false, false, false},
        {3, 1, 0, false, true, false, false, false, std::nullopt},
    };
    for (const TCase &c : cases) {
        photo.UndoRedoList->Clear();
        for (int i = 0; i < c.Records; ++i)
            photo.UndoRedoList->AddItem(Flip());
        photo.Index = c.Position;
        const THistoryButtons b = HistoryButtonStates(photos, c.Selected, c.Gif, c.Join);
        EXPECT_EQ(b.Undo, c.Undo) << c.Records << " " << c.Position;
        EXPECT_EQ(b.Redo, c.Redo) << c.Records << " " << c.Position;
        EXPECT_EQ(b.Original, c.Original) << c.Records << " " << c.Position;
        EXPECT_EQ(b.Save, c.Save) << c.Records << " " << c.Position;
    }
}

} // namespace

namespace {

TEST(UndoRedoLists, RewritingKeepsPositionAndCount)
{
    TUndoRedoImgList photos;
    TUndoRedoImgListItem &photo = photos.AddItem(-1, QStringLiteral("C:/Photos/A.JPG"), nullptr);
    EXPECT_EQ(photo.LogRecord(Flip()), 0);
    EXPECT_EQ(photo.LogRecord(Stamp({0, 0, 1, 1})), 1);
    photo.Index = 0;
    photo.RewriteRecord(1, Stamp({4, 4, 5, 5}));
    EXPECT_EQ(photo.Index, 0);
    EXPECT_EQ(photo.UndoRedoList->Count(), 2);
    EXPECT_EQ(photo.UndoRedoList->GetItem(1).Apply_Str, Stamp({4, 4, 5, 5}));
    EXPECT_THROW(photo.RewriteRecord(2, Flip()), std::out_of_range);

    photo.UndoRedoList->InsertItem(0, Resize(1, 1));
    EXPECT_EQ(photo.UndoRedoList->GetItem(0).Apply_Str, Resize(1, 1));
    photo.UndoRedoList->DelItem(0);
    EXPECT_THROW(photo.UndoRedoList->DelItem(2), std::out_of_range);
    EXPECT_EQ(photos.IndexOfPath(QStringLiteral("c:/photos/a.jpg")), 0);
    EXPECT_EQ(photos.IndexOfPath(QStringLiteral("c:/photos/b.jpg")), -1);
    EXPECT_THROW(photos.AddItem(3, QStringLiteral("b.png"), nullptr), std::out_of_range);
    EXPECT_EQ(photos.Count(), 1);
}

TEST(FilterLists, KeepTheirArgumentOrder)
{
    TFilterList filters;
    filters.AddItem(QStringLiteral("Blur"), 3, 30, 20, 10);
    filters.InsertItem(0, QStringLiteral("Noise"), 3, 2, 1, 1);
    ASSERT_EQ(filters.Count(), 2);
    const TFilterItem &blur = filters.GetFilterItem(1);
    EXPECT_EQ(blur.FilterIndex, 3);
    EXPECT_EQ(blur.FilterValue1, 10);
    EXPECT_EQ(blur.FilterValue3, 30);
    EXPECT_EQ(filters.GetFilterItem(0).FilterIndex, 1);
    EXPECT_EQ(filters.GetFilterItem(0).FilterValue1, 1);
    filters.DeleteItem(0);
    EXPECT_EQ(filters.GetFilterItem(0).FilterName, QStringLiteral("Blur"));
    EXPECT_THROW(filters.GetFilterItem(1), std::out_of_range);
}

} // namespace
