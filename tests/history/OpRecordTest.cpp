#include "history/OpRecord.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct TFormatCase {
    TRecordKind Kind;
    int SubKind;
    const char *Text;
};

// One record of every kind and sub-kind in its documented format, with
// negative coordinates where the kind has rectangles.
const TFormatCase FormatCases[] = {
    {rkSizeChange, -1, "크기변경 (-4,-1)"},
    {rkCut, -1, "자르기 (-4,-1)-(2,5)"},
    {rkRotate, -1, "회전 (-4)"},
    {rkRedEye, -1, "적목제거 (-4,-1)-(2,5)|(8)|(11)"},
    {rkAlbum, -1, "액자 (Frame\\Album 3.png)|(-4)"},
    {rkFilter, 0, "필터 (0)|(-1)|(Brightness)|(2)|(5)|(8)"},
    {rkFilter, 1, "필터 (1)|(-1)|(2)|(5)"},
    {rkFilter, 2, "필터 (2)|(-1)|(2)|(5)|(8,11,14)"},
    {rkFilter, 3, "필터 (3)|(-1)|(2)|(5)|(8)"},
    {rkFilter, 4, "필터 (4)|(-1,2)-(5,8)"},
    {rkFilter, 5, "필터 (5)|(-1)|(2)|(5,8,11)"},
    {rkPaint, 0, "그림판 (0)|(-1)|(2,5)-(8,11)|(14,17)-(20,23)|(26,29,32)"},
    {rkPaint, 1,
     "그림판 (1)|(-1)|(2)|(5)|(8)|(11,14,17)|(20,23)-(26,29)|(32,35)-(38,41)|(44,47)-(50,53)|(56)|(0.75)|(10,20*11,21*-1,5*)"},
    {rkPaint, 2, "그림판 (2)|(-1,2)|(5,8,11)"},
    {rkPaint, 3,
     "그림판 (3)|(-1)|(2)|(5,8)|(11,14)|(17)|(20,23)-(26,29)|(32,35)-(38,41)|(44,47)-(50,53)|(56)|(1.5)|(59,62,65)"},
    {rkPaint, 4,
     "그림판 (4)|(-1)|(2)|(5,8)-(11,14)|(17,20)|(23)|(26,29,32)|(35)|(38,41,44)|(47,50)-(53,56)|(59,62)-(65,68)|(71,74)-(77,80)|(83)|(0.5)|(86)"},
    {rkBalloon, -1,
     "말풍선 (-4)|(A#1310*B#1310*)|(-1,2)-(5,8)|(11)|(14)|(17)|(Nanum Gothic)|(20)|(1)|(0)|(1)|(23)|(26)|(255,128,0)"},
    {rkTextBox, -1,
     "텍스트상자 (-4)|(첫 줄#1310*)|(-1,2)-(5,8)|(NanumMyeongjo)|(11)|(14,17,20)|(0)|(1)|(0)|(2)|(1)|(0)|(41,44,47)|(50)|(1)|(56,59,62)|(65)|(68)|(71)|(74)|(77)"},
    {rkStamp, -1, "스티커 (-4)|(-1,2)-(5,8)|(11)|(14)|(17)|(Heart_01)"},
    {rkDelLayer, -1, "회레이어지우기 (-4)"},
};

TEST(OpRecord, EveryKindReadsBackByteForByte)
{
    ASSERT_EQ(std::size(FormatCases), RecordLayouts().size());
    for (const TFormatCase &c : FormatCases) {
        const QString text = QString::fromUtf8(c.Text);
        const TOpRecord record = TOpRecord::Parse(text);
        EXPECT_EQ(record.Kind(), c.Kind) << c.Text;
        EXPECT_EQ(record.SubKind(), c.SubKind) << c.Text;
        EXPECT_EQ(record.ToString(), text);
    }
}

TEST(OpRecord, FieldsReachTheAppliersArguments)
{
    const TOpRecord resize = TOpRecord::Parse(QStringLiteral("크기변경 (1024,768)"));
    EXPECT_EQ(resize.Int("AW"), 1024);
    EXPECT_EQ(resize.Int("AH"), 768);

    const TOpRecord crop = TOpRecord::Parse(QString::fromUtf8(FormatCases[1].Text));
    EXPECT_EQ(crop.Rect("ARect"), (TRecordRect{-4, -1, 2, 5}));

    const TOpRecord freehand = TOpRecord::Parse(QString::fromUtf8(FormatCases[12].Text));
    EXPECT_EQ(freehand.Identity(), -1);
    EXPECT_EQ(freehand.Int("AListTag"), 56);
    EXPECT_DOUBLE_EQ(freehand.Scale("AScale"), 0.75);
    EXPECT_EQ(freehand.Points("APoints"), (QVector<QPoint>{{10, 20}, {11, 21}, {-1, 5}}));
    EXPECT_EQ(freehand.Color("AColor"), 11 + 256 * 14 + 65536 * 17);

    const TOpRecord balloon = TOpRecord::Parse(QString::fromUtf8(FormatCases[16].Text));
    EXPECT_EQ(balloon.Lines("AMemo"), (QStringList{"A", "B"}));
    EXPECT_EQ(balloon.Text("AFontName"), QStringLiteral("Nanum Gothic"));
    EXPECT_TRUE(balloon.Flag("AFont_Op1"));
    EXPECT_FALSE(balloon.Flag("AFont_Op2"));
    EXPECT_EQ(balloon.Color("ARgb"), 255 + 256 * 128);

    const TOpRecord textBox = TOpRecord::Parse(QString::fromUtf8(FormatCases[17].Text));
    EXPECT_TRUE(textBox.Flag("ABigSize"));
    EXPECT_FALSE(textBox.Flag("ALean"));
    EXPECT_EQ(textBox.Int("AFontSort"), 2);
    EXPECT_EQ(textBox.Int("AShadow_Y"), 77);

    const TOpRecord deletion = TOpRecord::Parse(QString::fromUtf8(FormatCases[19].Text));
    EXPECT_EQ(deletion.Int("ATag"), -4);
    EXPECT_FALSE(deletion.HasIdentity());
}

TEST(OpRecord, WritersProduceTheDocumentedExamples)
{
    EXPECT_EQ(TOpRecord(rkSizeChange).Set("AW", 1024).Set("AH", 768).ToString(), QStringLiteral("크기변경 (1024,768)"));
    EXPECT_EQ(TOpRecord(rkRotate).Set("ARotate_Index", 3).ToString(), QStringLiteral("회전 (3)"));

    TOpRecord balloon(rkBalloon);
    balloon.Set("AMemo", QStringList{"A", "B"});
    EXPECT_TRUE(balloon.ToString().contains(QStringLiteral("|(A#1310*B#1310*)|")));

    TOpRecord gradient(rkFilter, 2);
    gradient.SetColor("AColor", 255, 0, 0);
    EXPECT_TRUE(gradient.ToString().endsWith(QStringLiteral("|(255,0,0)")));
    EXPECT_EQ(TOpRecord::Parse(gradient.ToString()).Color("AColor"), 255);

    // Bold on and outline off: 0 in field 13, 1 in field 18.
    TOpRecord textBox(rkTextBox);
    textBox.Set("ABigSize", true).Set("AOutLine", false).Set("ALean", true).Set("AUnderLine", true);
    textBox.Set("AFont_H", true).Set("AShadow", true);
    QStringList values = textBox.ToString().mid(6).remove(u'(').remove(u')').replace(u'-', u',').split(QRegularExpression("[,|]"));
    values.prepend(QStringLiteral("텍스트상자"));
    ASSERT_EQ(values.size(), 31);
    EXPECT_EQ(values[12], QStringLiteral("0"));
    EXPECT_EQ(values[17], QStringLiteral("1"));
}

TEST(OpRecord, TextsSurviveWhateverTheyHold)
{
    const QStringList memo = {"(a|b), c)", "50% #1310* done", "", "x#1310"};
    const QString font = QStringLiteral("Odd)Font|Name,(%)\n");
    TOpRecord balloon(rkBalloon);
    balloon.Set("AMemo", memo).Set("AFontName", font);
    const QString text = balloon.ToString();
    EXPECT_EQ(text.count(u'|'), 13);
    EXPECT_FALSE(text.contains(u'\n'));
    const TOpRecord back = TOpRecord::Parse(text);
    EXPECT_EQ(back.Lines("AMemo"), memo);
    EXPECT_EQ(back.Text("AFontName"), font);

    // Texts without structure characters are written as they are, and a
    // stray "%" of a hand-written record stays literal.
    TOpRecord stamp(rkStamp);
    stamp.Set("AFIleName", QStringLiteral("Heart 01.v2"));
    EXPECT_TRUE(stamp.ToString().endsWith(QStringLiteral("|(Heart 01.v2)")));
    EXPECT_EQ(TOpRecord::Parse(QStringLiteral("액자 (100%)|(1)")).Text("APath"), QStringLiteral("100%"));
}

TEST(OpRecord, ScaleIsWrittenWithAPointAndReadWithEither)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    TOpRecord line(rkPaint, 3);
    line.Set("AScale", 1.5);
    EXPECT_TRUE(line.ToString().contains(QStringLiteral("|(1.5)|")));
    QLocale::setDefault(saved);

    QString comma = line.ToString();
    comma.replace(QStringLiteral("(1.5)"), QStringLiteral("(1,5)"));
    EXPECT_DOUBLE_EQ(TOpRecord::Parse(comma).Scale("AScale"), 1.5);
}

TEST(OpRecord, StrictReadingNamesTheRecord)
{
    const char *bad[] = {
        "크기변경",                         // no groups
        "Resize (1,2)",                     // unknown kind
        "크기변경 (1024,x)",                // not an integer
        "크기변경 (1024, 768)",             // blanks are not digits
        "크기변경 (1024)",                  // too few values
        "크기변경 (1,2)|(3)",               // one group too many
        "크기변경 (1,2",                    // unclosed group
        "자르기 (1,2)",                     // not a rectangle
        "회전 (1)-(2)",                     // a rectangle where a value belongs
        "필터 (9)|(1)",                     // unknown sub-kind
        "필터 (2)|(1)|(2)|(3)|(256,0,0)",   // colour byte out of range
        "회전 (99999999999)",               // beyond 32 bits
        "그림판 (3)|(1)|(0)|(1,1)|(2,2)|(1)|(0,0)-(0,0)|(0,0)-(0,0)|(0,0)-(0,0)|(1)|(0)|(0,0,0)", // zero scale
        "그림판 (1)|(1)|(0)|(1)|(1)|(0,0,0)|(0,0)-(0,0)|(0,0)-(0,0)|(0,0)-(0,0)|(1)|(1)|(1,2)", // point without "*"
        "회전 (1)x",                        // text after the last group
    };
    for (const char *text : bad) {
        try {
            TOpRecord::Parse(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ERecordParse &e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(text))) << e.what();
        }
    }
}

TEST(OpRecord, FieldAccessChecksNamesAndTypes)
{
    TOpRecord resize(rkSizeChange);
    EXPECT_THROW(resize.Int("ARect"), std::invalid_argument);
    EXPECT_THROW(resize.Text("AW"), std::invalid_argument);
    EXPECT_THROW(resize.SetIdentity(3), std::invalid_argument);
    EXPECT_THROW(TOpRecord(rkFilter, 7), std::invalid_argument);
    TOpRecord stamp(rkStamp);
    EXPECT_THROW(stamp.SetColor("AFIleName", 1), std::invalid_argument);
    stamp.SetIdentity(-77);
    stamp.SetListTag(4);
    const TOpRecord back = TOpRecord::Parse(stamp.ToString());
    EXPECT_EQ(back.Identity(), -77);
    EXPECT_EQ(back.Int("AListTag"), 4);
}

} // namespace
