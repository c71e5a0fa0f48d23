// vellumi-cli effect, driven from outside like a user's script.

#include "documents/ImageCodecs.h"
#include "effects/ApplyEffect.h"

#include "EffectsTestSupport.h"
#include "support/CliTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

TCliRun RunEffect(const QStringList &args) { return RunCli(QStringLiteral(VELLUMI_CLI), QStringLiteral("effect"), args); }

class EffectCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        input = dir.filePath(QStringLiteral("in.bmp"));
        SavePhotoFile(input, photo);
    }
    QString Out(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    const TBitmap32 photo = RandomBitmap(31, 17, 61);
    QString input;
};

} // namespace

TEST_F(EffectCommand, WritesWhatTheDispatcherGivesEveryByteKept)
{
    const struct {
        QStringList args;
        int effect, v1, v2, v3;
    } cases[] = {{{"28", "-50"}, 28, -50, 0, 0},
                 {{"33", "-150", "10", "5"}, 33, -150, 10, 5}, // alpha 0 survives the BMP
                 {{"27", "40", "0", "1"}, 27, 40, 0, 1},
                 {{"0"}, 0, 0, 0, 0}};
    for (const auto &c : cases) {
        const QString output = Out("out.bmp");
        const TCliRun run = RunEffect(QStringList{input, output} + c.args);
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        TBitmap32 expected = Copy(photo);
        ApplyEffect(expected, c.effect, c.v1, c.v2, c.v3, 1);
        // The file itself, so that an alpha of 0 everywhere is seen as written.
        QFile written(output);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll() == expected.SaveToStream()) << c.effect;
    }
}

TEST_F(EffectCommand, RefusesBadArgumentsAndWritesNothing)
{
    const QString output = Out("never.bmp");
    const QStringList bad[] = {{input, output, "abc"},
                               {input, output, "35"},
                               {input, output, "-1"},
                               {input, output, "28", "1.5"},
                               {input, output},
                               {input, output, "28", "1", "2", "3", "4"},
                               {Out("missing.bmp"), output, "28", "10"},
                               {input, Out("no/such/folder/out.bmp"), "28", "10"},
                               {input, Out("out.xyz"), "28", "10"}};
    for (const QStringList &args : bad) {
        const TCliRun run = RunEffect(args);
        EXPECT_NE(run.exitCode, 0) << args.join(u' ').toStdString();
        EXPECT_FALSE(run.errors.trimmed().isEmpty()) << args.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(output));
        EXPECT_FALSE(QFile::exists(Out("out.xyz")));
    }
    // A file that is not a picture.
    QFile junk(Out("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_NE(RunEffect({Out("junk.bmp"), output, "28", "10"}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(EffectCommand, ReplayOfAFilterRecordEqualsTheEffect)
{
    const TCliRun effect = RunEffect({input, Out("effect.bmp"), "28", "12"});
    ASSERT_EQ(effect.exitCode, 0) << effect.errors.toStdString();
    const TCliRun replay = RunCli(QStringLiteral(VELLUMI_CLI), QStringLiteral("replay"),
                                  {input, Out("replay.bmp"), "--record", "필터 (0)|(28)|(Brightness)|(12)|(0)|(0)"});
    ASSERT_EQ(replay.exitCode, 0) << replay.errors.toStdString();
    QFile a(Out("effect.bmp")), b(Out("replay.bmp"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_TRUE(a.readAll() == b.readAll());
}
