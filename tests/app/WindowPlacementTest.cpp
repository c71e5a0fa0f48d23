#include "app/DataModule.h"
#include "app/WindowPlacement.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WindowPlacement, StartPlacementRules)
{
    const QRect monitor(0, 0, 1920, 1080);
    struct Case {
        const char *name;
        bool maximized;
        TSetFormInfo stored;
        QRect expected;
    };
    const Case cases[] = {
        {"first run is centred", false, {0, 0, 0, 0}, QRect(494, 238, 931, 604)},
        {"negative left and zero width", false, {-50, 20, 0, 700}, QRect(0, 20, 931, 700)},
        {"zero height only", false, {10, 30, 1000, 0}, QRect(10, 30, 1000, 604)},
        {"stored as is", false, {100, 50, 1200, 800}, QRect(100, 50, 1200, 800)},
        {"maximized keeps the first-run bounds", true, {5, 5, 5, 5}, QRect(494, 238, 931, 604)},
    };
    for (const Case &c : cases) {
        const TStartPlacement p = StartPlacement(c.maximized, c.stored, monitor);
        EXPECT_EQ(p.geometry, c.expected) << c.name;
        EXPECT_EQ(p.maximized, c.maximized) << c.name;
    }
    // Centring truncates toward zero, also when the monitor is smaller.
    EXPECT_EQ(StartPlacement(false, {}, QRect(0, 0, 800, 600)).geometry.topLeft(), QPoint(-65, -2));
    EXPECT_EQ(StartPlacement(false, {}, QRect(1920, 0, 1280, 1024)).geometry.topLeft(), QPoint(2094, 210));
}

TEST(WindowPlacement, StoredValuesRoundTripThroughTheSettings)
{
    QTemporaryDir dir;
    qputenv("VELLUMI_REGISTRY", dir.filePath("registry.json").toUtf8());
    bool maximized = true;
    TSetFormInfo info{1, 2, 3, 4};
    ReadStoredPlacement(maximized, info);
    EXPECT_FALSE(maximized);
    EXPECT_EQ(info.Left + info.top + info.width + info.Height, 0);

    WriteStoredPlacement({-50, 20, 0, 700}, false);
    ReadStoredPlacement(maximized, info);
    EXPECT_EQ(info.Left, -50);
    EXPECT_EQ(info.Height, 700);

    WriteStoredPlacement({10, 10, 900, 700}, true);
    EXPECT_TRUE(TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, VellumiKey, "formmaximize"));
    ReadStoredPlacement(maximized, info);
    EXPECT_TRUE(maximized);

    // A value of the wrong type gives the first-run placement, not a failure.
    TVL_DM::Reg_B_Write(HKEY_CURRENT_USER, VellumiKey, "formmaximize", false);
    TVL_DM::Reg_S_Write(HKEY_CURRENT_USER, VellumiKey, "Width", "wide");
    ReadStoredPlacement(maximized, info);
    EXPECT_FALSE(maximized);
    EXPECT_EQ(info.width, 0);
    EXPECT_EQ(info.Left, 0);
    qunsetenv("VELLUMI_REGISTRY");
}
