// vellumi-cli replay with resize and turn records, run as the built program.

#include "documents/ImageCodecs.h"
#include "geometry/Resize.h"
#include "geometry/Transform.h"

#include "support/CliTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GeometryCli, ReplaysResizeAndTurn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TBitmap32 photo(9, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            *photo.PixelPtr(x, y) = Color32(x * 28, y * 50, (x * y * 9) & 255);
    const QString in = dir.filePath("in.png"), out = dir.filePath("out.png");
    SavePhotoFile(in, photo);

    const TCliRun run = RunCli(QStringLiteral(VELLUMI_CLI), "replay",
                               {"--record", QStringLiteral("크기변경 (4,7)"), "--record", QStringLiteral("회전 (0)"), in, out});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    TBitmap32 expected;
    ResizeBitmap(photo, expected, 4, 7, rmPixels);
    TransformBitmap(expected, tkTurnRight);
    TBitmap32 result;
    LoadPhotoFile(out, result);
    ASSERT_EQ(result.Width(), 7);
    ASSERT_EQ(result.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(result.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}
