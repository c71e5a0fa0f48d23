#include "documents/ImageCodecs.h"

#include "documents/CodecFixtures.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using fixtures::ReadFile;
using fixtures::WriteFile;

namespace {

class ImageCodecs : public ::testing::Test {
protected:
    QString Path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

int MaxChannelDifference(const TBitmap32 &a, const TBitmap32 &b)
{
    int worst = 0;
    for (std::size_t i = 0; i < a.PixelCount(); ++i) {
        const TColor32 p = a.Bits()[i], q = b.Bits()[i];
        worst = std::max({worst, std::abs(RedComponent(p) - RedComponent(q)),
                          std::abs(GreenComponent(p) - GreenComponent(q)), std::abs(BlueComponent(p) - BlueComponent(q))});
    }
    return worst;
}

QByteArray SmallJpeg(const QString &path, int width = 16, int height = 8)
{
    SavePhotoFile(path, fixtures::Gradient(width, height));
    return ReadFile(path);
}

} // namespace

TEST_F(ImageCodecs, BmpRoundTripKeepsEveryPixelAndAlpha)
{
    const TBitmap32 source = fixtures::Gradient(7, 5);
    SavePhotoFile(Path("a.Bmp"), source);
    EXPECT_EQ(ReadFile(Path("a.Bmp")), source.SaveToStream());
    TBitmap32 back;
    LoadPhotoFile(Path("a.Bmp"), back);
    ASSERT_EQ(back.Width(), 7);
    ASSERT_EQ(back.Height(), 5);
    for (std::size_t i = 0; i < source.PixelCount(); ++i)
        ASSERT_EQ(back.Bits()[i], source.Bits()[i]) << i;
}

TEST_F(ImageCodecs, PngRoundTripKeepsColoursAndIsOpaque)
{
    const TBitmap32 source = fixtures::Gradient(9, 6);
    SavePhotoFile(Path("a.png"), source);
    EXPECT_FALSE(QImage(Path("a.png")).hasAlphaChannel());
    TBitmap32 back;
    LoadPhotoFile(Path("a.png"), back);
    ASSERT_EQ(back.Width(), 9);
    ASSERT_EQ(back.Height(), 6);
    for (std::size_t i = 0; i < source.PixelCount(); ++i)
        ASSERT_EQ(back.Bits()[i], source.Bits()[i] | 0xFF000000u) << i;
}

TEST_F(ImageCodecs, JpegIsQuality100Without444SubsamplingUnderEveryJpegName)
{
    const TBitmap32 source = fixtures::Gradient(40, 24);
    for (const QString name : {"a.jpg", "b.JPEG", "c.jpe"}) {
        SavePhotoFile(Path(name), source);
        const QByteArray bytes = ReadFile(Path(name));
        const fixtures::TJpegFrameInfo frame = fixtures::ReadJpegFrame(bytes);
        EXPECT_EQ(frame.components, 3) << name.toStdString();
        for (const auto &[h, v] : frame.sampling)
            EXPECT_TRUE(h == 1 && v == 1) << name.toStdString();
        TBitmap32 back;
        LoadPictureFile(back, Path(name));
        ASSERT_EQ(back.Width(), 40);
        EXPECT_LE(MaxChannelDifference(back, source), 3) << name.toStdString();
        EXPECT_EQ(back.Pixel(5, 5) >> 24, 255u);
    }
}

// Our decoder must give libjpeg-turbo's default output, the same as its own
// tool, also for subsampled files that need upsampling.
TEST_F(ImageCodecs, JpegDecodeMatchesDjpeg)
{
    const QString djpeg = QStandardPaths::findExecutable("djpeg");
    const QString cjpeg = QStandardPaths::findExecutable("cjpeg");
    if (djpeg.isEmpty() || cjpeg.isEmpty())
        GTEST_SKIP() << "djpeg and cjpeg are not installed";
    QImage gradient = fixtures::Gradient(37, 21).ToImage().convertToFormat(QImage::Format_RGB888);
    ASSERT_TRUE(gradient.save(Path("in.ppm")));
    for (const QStringList &options : {QStringList{"-quality", "75"}, QStringList{"-quality", "90", "-progressive"},
                                       QStringList{"-grayscale"}}) {
        QProcess encode;
        encode.start(cjpeg, options + QStringList{"-outfile", Path("t.jpg"), Path("in.ppm")});
        ASSERT_TRUE(encode.waitForFinished());
        QProcess decode;
        decode.start(djpeg, {"-pnm", "-outfile", Path("t.pnm"), Path("t.jpg")});
        ASSERT_TRUE(decode.waitForFinished());
        const QImage expected = QImage(Path("t.pnm")).convertToFormat(QImage::Format_RGB32);
        TBitmap32 ours;
        LoadPhotoFile(Path("t.jpg"), ours);
        ASSERT_EQ(ours.Width(), expected.width());
        ASSERT_EQ(ours.Height(), expected.height());
        for (int y = 0; y < ours.Height(); ++y)
            for (int x = 0; x < ours.Width(); ++x)
                ASSERT_EQ(ours.Pixel(x, y), TColor32(expected.pixel(x, y))) << options.join(' ').toStdString();
    }
}

// Adobe CMYK is stored inverted: 255 is no ink. Cyan ink alone, and half
// black over no colour ink.
TEST_F(ImageCodecs, AdobeCmykJpegBecomesRgb)
{
    const struct {
        std::uint8_t cmyk[4];
        TColor32 rgb;
    } cases[] = {{{0, 255, 255, 255}, Color32(0, 255, 255)}, {{255, 255, 255, 128}, Color32(128, 128, 128)}};
    for (const auto &c : cases) {
        WriteFile(Path("cmyk.jpg"), fixtures::MakeCmykJpeg(16, 16, c.cmyk));
        TBitmap32 b;
        LoadPhotoFile(Path("cmyk.jpg"), b);
        ASSERT_EQ(b.Width(), 16);
        TBitmap32 expected(16, 16);
        expected.Clear(c.rgb);
        EXPECT_LE(MaxChannelDifference(b, expected), 2);
        EXPECT_EQ(AlphaComponent(b.Pixel(8, 8)), 255);
    }
}

TEST_F(ImageCodecs, ContentDecidesOverTheName)
{
    SavePhotoFile(Path("photo.png"), fixtures::Gradient(5, 4));
    QFile::rename(Path("photo.png"), Path("png-inside.jpg"));
    SmallJpeg(Path("photo.jpg"), 6, 3);
    QFile::rename(Path("photo.jpg"), Path("jpeg-inside.bmp"));
    TBitmap32 b;
    LoadPhotoFile(Path("png-inside.jpg"), b);
    EXPECT_EQ(b.Width(), 5);
    EXPECT_EQ(b.Pixel(4, 3), fixtures::Gradient(5, 4).Pixel(4, 3) | 0xFF000000u);
    LoadPhotoFile(Path("jpeg-inside.bmp"), b);
    EXPECT_EQ(b.Width(), 6);
    JpegDecBmp(b, Path("png-inside.jpg"));
    EXPECT_EQ(b.Width(), 5);
}

TEST_F(ImageCodecs, LoadingKeepsTheTargetsDrawSettings)
{
    SavePhotoFile(Path("a.bmp"), fixtures::Gradient(3, 3));
    TBitmap32 b(1, 1);
    b.SetDrawMode(dmBlend);
    b.SetMasterAlpha(100);
    int changes = 0;
    b.AddChangeListener([&] { ++changes; });
    LoadPhotoFile(Path("a.bmp"), b);
    EXPECT_EQ(b.DrawMode(), dmBlend);
    EXPECT_EQ(b.MasterAlpha(), 100);
    EXPECT_EQ(changes, 1);
}

TEST_F(ImageCodecs, BadFilesThrowAndLeaveTheTargetAlone)
{
    const QByteArray jpeg = SmallJpeg(Path("good.jpg"), 32, 32);
    SavePhotoFile(Path("good.png"), fixtures::Gradient(32, 32));
    const QByteArray png = ReadFile(Path("good.png"));
    const QByteArray bmp = fixtures::Gradient(8, 8).SaveToStream();
    std::vector<std::uint8_t> pixels(64, 1);
    const QByteArray gif = fixtures::MakeGif({8, 8, 0, 0, 8, 8, false, {0xFF000000u, 0xFFFFFFFFu}, -1, pixels});

    QByteArray hugeJpeg = jpeg;
    const qsizetype sof = fixtures::JpegSizeFieldOffset(hugeJpeg);
    ASSERT_GT(sof, 0);
    hugeJpeg[sof] = char(0xFF); // 65500 x 65500
    hugeJpeg[sof + 1] = char(0xDC);
    hugeJpeg[sof + 2] = char(0xFF);
    hugeJpeg[sof + 3] = char(0xDC);
    QByteArray hugePng = png; // IHDR is the first chunk, at offset 8
    for (const int field : {16, 20}) {
        hugePng[field] = char(0x00);
        hugePng[field + 1] = char(0x0F);
        hugePng[field + 2] = char(0x42);
        hugePng[field + 3] = char(0x40); // 1,000,000
    }
    fixtures::FixPngCrc(hugePng, 8);
    QByteArray hugeGif = gif;
    hugeGif[6] = hugeGif[7] = hugeGif[8] = hugeGif[9] = char(0xFF);
    QByteArray hugeBmp = bmp;
    hugeBmp[18 + 1] = hugeBmp[22 + 1] = char(0x86);
    hugeBmp[18 + 2] = hugeBmp[22 + 2] = char(0x01); // 100,000 x 100,000
    QByteArray zeroWidthBmp = bmp;
    zeroWidthBmp[18] = '\0';

    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty.png", QByteArray()},
        {"text.bmp", QByteArray("just some text, no picture at all")},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"cut-header.jpg", jpeg.left(40)},
        {"cut.png", png.left(png.size() / 2)},
        {"cut-header.png", png.left(20)},
        {"cut.bmp", bmp.left(bmp.size() - 10)},
        {"cut-header.bmp", bmp.left(30)},
        {"cut.gif", gif.left(gif.size() - 6)},
        {"cut-header.gif", gif.left(10)},
        {"huge.jpg", hugeJpeg},
        {"huge.png", hugePng},
        {"huge.gif", hugeGif},
        {"huge.bmp", hugeBmp},
        {"zero-width.bmp", zeroWidthBmp},
    };
    for (const auto &c : cases) {
        const QString path = Path(c.name);
        WriteFile(path, c.bytes);
        TBitmap32 target(2, 1);
        target.Clear(Color32(1, 2, 3));
        try {
            LoadPhotoFile(path, target);
            ADD_FAILURE() << c.name << " decoded";
        } catch (const EImageDecode &e) {
            EXPECT_NE(std::string(e.what()).find(path.toStdString()), std::string::npos) << e.what();
        }
        EXPECT_EQ(target.Width(), 2) << c.name;
        EXPECT_EQ(target.Pixel(1, 0), Color32(1, 2, 3)) << c.name;
    }
    TBitmap32 target;
    EXPECT_THROW(LoadPhotoFile(Path("missing.jpg"), target), EImageDecode);
    EXPECT_THROW(LoadPhotoFile(dir.path(), target), EImageDecode);
}

// Damaged copies of valid files, bytes changed at random (mostly in the
// headers, where the sizes are): each either decodes or throws our
// exceptions; the sanitizer build catches any bad access.
TEST_F(ImageCodecs, RandomlyDamagedFilesNeverCrash)
{
    SavePhotoFile(Path("a.jpg"), fixtures::Gradient(24, 17));
    SavePhotoFile(Path("a.png"), fixtures::Gradient(24, 17));
    std::vector<std::uint8_t> pixels(24 * 17);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = std::uint8_t(i % 4);
    const std::vector<QByteArray> originals = {
        ReadFile(Path("a.jpg")), ReadFile(Path("a.png")), fixtures::Gradient(24, 17).SaveToStream(),
        fixtures::MakeGif({24, 17, 0, 0, 24, 17, true,
                           {Color32(0, 0, 0), Color32(9, 9, 9), Color32(99, 9, 9), Color32(9, 99, 9)}, 1, pixels})};
    std::mt19937 random(20261211);
    int decoded = 0, rejected = 0;
    for (const QByteArray &original : originals) {
        for (int round = 0; round < 150; ++round) {
            QByteArray damaged = original;
            const int changes = 1 + int(random() % 4);
            for (int i = 0; i < changes; ++i) {
                const qsizetype limit = random() % 4 ? std::min<qsizetype>(damaged.size(), 64) : damaged.size();
                damaged[qsizetype(random() % std::uint32_t(limit))] = char(random());
            }
            if (random() % 5 == 0)
                damaged.truncate(qsizetype(random() % std::uint32_t(damaged.size())) + 1);
            WriteFile(Path("damaged.bin"), damaged);
            TBitmap32 target;
            try {
                LoadPhotoFile(Path("damaged.bin"), target);
                ++decoded;
            } catch (const EImageDecode &) {
                ++rejected;
            } catch (const ERasterTooLarge &) {
                ++rejected;
            }
        }
    }
    EXPECT_EQ(decoded + rejected, 600);
    EXPECT_GT(rejected, 0);
}

TEST_F(ImageCodecs, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    WriteFile(Path("keep.jpg"), "old contents");
    // Wider than JPEG allows: the encoder fails after the file was opened.
    TBitmap32 tooWide(70000, 1);
    tooWide.Clear(Color32(9, 9, 9));
    EXPECT_THROW(SavePhotoFile(Path("keep.jpg"), tooWide), EImageWrite);
    EXPECT_EQ(ReadFile(Path("keep.jpg")), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.jpg"});

    EXPECT_THROW(SavePhotoFile(Path("no/such/folder/a.png"), fixtures::Gradient(2, 2)), EImageWrite);
    EXPECT_THROW(SavePhotoFile(Path("keep.jpg"), TBitmap32()), EImageWrite);
    EXPECT_EQ(ReadFile(Path("keep.jpg")), QByteArray("old contents"));
    for (const QString name : {"a.tif", "a.gif", "noextension"})
        EXPECT_THROW(SavePhotoFile(Path(name), fixtures::Gradient(2, 2)), EImageWrite) << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.jpg"});

    SavePhotoFile(Path("keep.jpg"), fixtures::Gradient(4, 4));
    EXPECT_TRUE(ReadFile(Path("keep.jpg")).startsWith("\xFF\xD8\xFF"));
}

TEST(PhotoWritePath, KnownExtensionsStayOthersBecomePng)
{
    const struct {
        const char *requested, *written;
    } cases[] = {
        {"/d/sea.jpg", "/d/sea.jpg"},     {"/d/sea.JPEG", "/d/sea.JPEG"},   {"/d/sea.Jpe", "/d/sea.Jpe"},
        {"/d/sea.BMP", "/d/sea.BMP"},     {"/d/sea.png", "/d/sea.png"},     {"/d/sea.gif", "/d/sea.png"},
        {"/d/sea.tar.tif", "/d/sea.tar.png"}, {"/d/sea", "/d/sea.png"},     {"/d.x/sea", "/d.x/sea.png"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PhotoWritePath(c.requested), QString(c.written)) << c.requested;
}
