// vellumi-cli replay, run as the built program.

#include "documents/ImageCodecs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/CliTestSupport.h"

namespace {

TCliRun RunReplay(const QStringList &args) { return RunCli(QStringLiteral(VELLUMI_CLI), QStringLiteral("replay"), args); }

class ReplayCliTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        TBitmap32 photo(5, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                *photo.PixelPtr(x, y) = Color32(x * 50, y * 60, 99);
        SavePhotoFile(Path("in.png"), photo);
    }
    QString Path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};

TEST_F(ReplayCliTest, WithoutRecordsConvertsThePhoto)
{
    const TCliRun run = RunReplay({Path("in.png"), Path("out.bmp")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    TBitmap32 in, out;
    LoadPhotoFile(Path("in.png"), in);
    LoadPhotoFile(Path("out.bmp"), out);
    ASSERT_EQ(out.Width(), 5);
    ASSERT_EQ(out.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(out.Pixel(x, y), in.Pixel(x, y));
}

TEST_F(ReplayCliTest, BadInputFailsAndWritesNothing)
{
    QFile log(Path("edits.log"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("\xED\x9A\x8C\xEC\xA0\x84 (0)\r\n\n\xED\x9A\x8C\xEC\xA0\x84 (x)\n");
    log.close();
    QFile marked(Path("marked.log"));
    ASSERT_TRUE(marked.open(QIODevice::WriteOnly));
    marked.write("\xEF\xBB\xBF\xED\x9A\x8C\xEC\xA0\x84 (1.5)\n");
    marked.close();

    struct TCase {
        QStringList Args;
        const char *Message;
    };
    const TCase cases[] = {
        {{"--record", "크기변경 (2,2)", "--record", "크기변경 (2,x)"}, "record 2:"},
        {{"--record", "Resize (2,2)"}, "unknown record kind"},
        {{"--log", Path("edits.log")}, "record 2:"},
        {{"--log", Path("marked.log")}, "ARotate_Index is not an integer"},
        {{"--log", Path("missing.log")}, "cannot read the log"},
        {{"--viewport", "0x5"}, "--viewport"},
        {{"--frobnicate"}, "unknown option"},
    };
    for (const TCase &c : cases) {
        const TCliRun run = RunReplay(QStringList{Path("in.png"), Path("out.png")} + c.Args);
        EXPECT_NE(run.exitCode, 0) << c.Message;
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.Message))) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png"))) << c.Message;
    }

    const TCliRun missing = RunReplay({Path("nothing.png"), Path("out.png")});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_FALSE(QFile::exists(Path("out.png")));
}

} // namespace
