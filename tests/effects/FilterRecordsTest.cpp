// The filter page's rows, records and their replay, without the window.

#include "effects/ApplyEffect.h"
#include "effects/FilterRecords.h"
#include "history/ApplierRegistry.h"
#include "history/HistorySteps.h"

#include "EffectsTestSupport.h"

namespace {

// Replays the records onto a copy of photo as the window would after a reload.
TBitmap32 Replay(const TBitmap32 &photo, const QStringList &records)
{
    TReplayEngine engine;
    RegisterAllAppliers(engine.Appliers);
    TUndoRedoImgList photos;
    TUndoRedoImgListItem &item = photos.AddItem(-1, QStringLiteral("photo.png"), nullptr);
    for (const QString &record : records)
        item.LogRecord(record);
    TImgView32 view;
    THistorySession session{engine, photos, view, [&](const QString &, TBitmap32 &target) { target.Assign(photo); }};
    ReloadPhoto(session, 0);
    return Copy(view.Bitmap());
}

} // namespace

TEST(FilterRecords, TextHasTheSixGroups)
{
    EXPECT_EQ(FilterRecordText(28, QStringLiteral("Brightness"), 12).toStdString(),
              "필터 (0)|(28)|(Brightness)|(12)|(0)|(0)");
    EXPECT_EQ(FilterRecordText(3, QStringLiteral("Blur"), -1).toStdString(), "필터 (0)|(3)|(Blur)|(-1)|(0)|(0)");
}

TEST(FilterRecords, PreviewAndRecordedValuesDifferOnlyAtTheTops)
{
    const struct {
        int row, v;
        std::optional<int> preview;
        int recorded;
    } cases[] = {{0, -50, -50, -50}, {3, 498, 498, 498}, {3, 499, 549, 549}, {5, 99, 99, 99},
                 {5, 100, 110, 120}, {6, 0, -1, -1},     {6, 50, 49, 49},     {11, 0, std::nullopt, 0},
                 {11, 49, 49, 49},   {11, 50, 60, 70},   {8, 1, 1, 1},        {10, 16, 16, 16}};
    for (const auto &c : cases) {
        EXPECT_EQ(FilterPreviewValue(c.row, c.v), c.preview) << c.row << " " << c.v;
        EXPECT_EQ(FilterRecordValue(c.row, c.v), c.recorded) << c.row << " " << c.v;
    }
}

TEST(FilterRecords, ReplayedEffectPutsBackItsSliderExceptChroma)
{
    EXPECT_EQ(FilterRowReplacedBy(27), 5);
    EXPECT_EQ(FilterRowReplacedBy(5), 8);
    EXPECT_EQ(FilterRowReplacedBy(1), 7);
    EXPECT_EQ(FilterRowReplacedBy(26), -1);
    EXPECT_EQ(FilterRowReplacedBy(23), -1);
    EXPECT_EQ(FilterRowReplacedBy(-5), -1);
    int covered = 0;
    for (int effect = 0; effect <= 34; ++effect)
        covered += FilterRowReplacedBy(effect) >= 0;
    EXPECT_EQ(covered, 11);
}

TEST(FilterRecords, StartFilterReplacesTheSameNameIgnoringCase)
{
    TFilterList list;
    StartFilter(list, QStringLiteral("Sharp"), 27, 40, 0, 0);
    StartFilter(list, QStringLiteral("Blur"), 3, 5, 0, 0);
    StartFilter(list, QStringLiteral("SHARP"), 27, 120, 1, 2);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetFilterItem(0).FilterName, QStringLiteral("SHARP"));
    EXPECT_EQ(list.GetFilterItem(0).FilterIndex, 27);
    EXPECT_EQ(list.GetFilterItem(0).FilterValue1, 120);
    EXPECT_EQ(list.GetFilterItem(0).FilterValue2, 1);
    EXPECT_EQ(list.GetFilterItem(0).FilterValue3, 2);
    EXPECT_EQ(list.GetFilterItem(1).FilterName, QStringLiteral("Blur"));
}

TEST(FilterRecords, ReplayRunsTheEffectWithTheRecordedValues)
{
    const TBitmap32 photo = RandomBitmap(23, 19, 5);
    TBitmap32 expected = Copy(photo);
    ApplyEffect(expected, 27, 120, 0, 0, 1);
    ApplyEffect(expected, 28, 12, 0, 0, 1);
    EXPECT_TRUE(SamePixels(Replay(photo, {FilterRecordText(27, QStringLiteral("Sharp"), 120),
                                          FilterRecordText(28, QStringLiteral("Brightness"), 12)}),
                           expected));
}

TEST(FilterRecords, DryBrushIgnoresTheRecordedValues)
{
    const TBitmap32 photo = RandomBitmap(20, 20, 9);
    TBitmap32 expected = Copy(photo);
    ApplyEffect(expected, 23, 0, 0, 0, 1);
    EXPECT_TRUE(SamePixels(Replay(photo, {FilterRecordText(23, QStringLiteral("DryBrush"), 77, 5, 6)}), expected));
}

TEST(FilterRecords, NoiseIsTheSameOnEveryReplayAndDependsOnPhotoAndPosition)
{
    const TBitmap32 photo = BlockyBitmap(40, 30, 3);
    const QString noise = FilterRecordText(1, QStringLiteral("Noise"), 300);
    const QString blur = FilterRecordText(3, QStringLiteral("Blur"), -1); // leaves the pixels as they are
    TBitmap32 expected = Copy(photo);
    ApplyEffect(expected, 1, 300, 0, 0, 1, FilterNoiseSeed(photo, 0));
    EXPECT_TRUE(SamePixels(Replay(photo, {noise}), expected));
    EXPECT_TRUE(SamePixels(Replay(photo, {noise}), expected));

    const TBitmap32 later = Replay(photo, {blur, noise});
    EXPECT_FALSE(SamePixels(later, expected));
    TBitmap32 atOne = Copy(photo);
    ApplyEffect(atOne, 1, 300, 0, 0, 1, FilterNoiseSeed(photo, 1));
    EXPECT_TRUE(SamePixels(later, atOne));

    TBitmap32 other = Copy(photo);
    other.Bits()[7] ^= 1;
    EXPECT_NE(FilterNoiseSeed(other, 0), FilterNoiseSeed(photo, 0));
    EXPECT_NE(FilterNoiseSeed(TBitmap32(3, 4), 0), FilterNoiseSeed(TBitmap32(4, 3), 0));
}

TEST(FilterRecords, WaterColorRecordStopsTheReplayWithAMessage)
{
    const TBitmap32 photo = RandomBitmap(8, 8, 1);
    try {
        Replay(photo, {FilterRecordText(0, QStringLiteral("WaterColor"), 3)});
        FAIL() << "replayed";
    } catch (const EReplay &error) {
        EXPECT_EQ(error.RecordIndex(), 0);
        EXPECT_NE(std::string(error.what()).find("watercolour"), std::string::npos) << error.what();
    }
}
