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
        QStringList Messages;
    };
    const TCase cases[] = {
        {{"--record", "크기변경 (2,2)", "--record", "크기변경 (2,x)"}, {"record 2:"}},
        {{"--record", "Resize (2,2)"}, {"unknown record kind"}},
        {{"--log", Path("edits.log")}, {"record 2:"}},
        {{"--log", Path("marked.log")}, {"ARotate_Index is not an integer"}},
        {{"--log", Path("missing.log")}, {"cannot read the log"}},
        {{"--viewport", "0x5"}, {"--viewport"}},
        {{"--frobnicate"}, {"unknown option"}},
        // A well-formed record of a kind this program cannot replay yet.
        {{"--record", "회전 (1)", "--record",
          "말풍선 (-4)|(A#1310*B#1310*)|(0,0)-(3,2)|(0)|(255)|(0)|(Nanum Gothic)|(20)|(1)|(0)|(0)|(1)|(0)|(0,0,0)"},
         {"record 2:", "UndoRedo_Balloon"}},
    };
    for (const TCase &c : cases) {
        const TCliRun run = RunReplay(QStringList{Path("in.png"), Path("out.png")} + c.Args);
        const std::string label = c.Messages.join(u' ').toStdString();
        EXPECT_NE(run.exitCode, 0) << label;
        for (const QString &message : c.Messages)
            EXPECT_TRUE(run.errors.contains(message)) << label << ": " << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png"))) << label;
    }

    const TCliRun missing = RunReplay({Path("nothing.png"), Path("out.png")});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_FALSE(QFile::exists(Path("out.png")));
}

// The picture is written at image resolution whatever the viewport: it only
// sizes the view the appliers run in, and none of the registered ones reads
// the view's scale.
TEST_F(ReplayCliTest, ViewportLeavesThePictureUnchanged)
{
    const QStringList records = {"--record", "회전 (0)", "--record", "필터 (0)|(28)|(Brightness)|(40)|(0)|(0)"};
    const TCliRun plain = RunReplay(QStringList{Path("in.png"), Path("plain.png")} + records);
    ASSERT_EQ(plain.exitCode, 0) << plain.errors.toStdString();
    TBitmap32 expected;
    LoadPhotoFile(Path("plain.png"), expected);
    ASSERT_EQ(expected.Width(), 4);
    ASSERT_EQ(expected.Height(), 5);

    for (const char *viewport : {"2x3", "1920x1080"}) {
        const QString out = Path("viewport.png");
        QFile::remove(out);
        const TCliRun run = RunReplay(QStringList{Path("in.png"), out, "--viewport", viewport} + records);
        ASSERT_EQ(run.exitCode, 0) << viewport << ": " << run.errors.toStdString();
        TBitmap32 picture;
        LoadPhotoFile(out, picture);
        ASSERT_EQ(picture.Width(), expected.Width()) << viewport;
        ASSERT_EQ(picture.Height(), expected.Height()) << viewport;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                EXPECT_EQ(picture.Pixel(x, y), expected.Pixel(x, y)) << viewport << " at " << x << "," << y;
    }
}

} // namespace
