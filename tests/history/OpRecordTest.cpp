#include "history/OpRecord.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>

namespace {

struct TFormatCase {
    TRecordKind Kind;
    int SubKind;
    const char *Text;
    // Every field the applier reads, in writing order, as "type:Name=value"
    // joined by ";". Types: i integer, r rectangle (left,top,right,bottom),
    // c colour (R,G,B), t text, l lines split at "/", s scale, f switch
    // (on/off), p points ("x,y x,y"), id the layer identity, tag the list
    // position. The values differ from field to field so that two swapped
    // fields read back wrong.
    const char *Fields;
};

// One record of every kind and sub-kind in its documented format, with
// negative coordinates where the kind has rectangles.
const TFormatCase FormatCases[] = {
    {rkSizeChange, -1, "크기변경 (-4,-1)", "i:AW=-4;i:AH=-1"},
    {rkCut, -1, "자르기 (-4,-1)-(2,5)", "r:ARect=-4,-1,2,5"},
    {rkRotate, -1, "회전 (-4)", "i:ARotate_Index=-4"},
    {rkRedEye, -1, "적목제거 (-4,-1)-(2,5)|(8)|(11)", "r:ARect=-4,-1,2,5;i:ACount=8;i:AValue=11"},
    {rkAlbum, -1, "액자 (Frame\\Album 3.png)|(-4)", "t:APath=Frame\\Album 3.png;i:ABool_Int=-4"},
    {rkFilter, 0, "필터 (0)|(-1)|(Brightness)|(2)|(5)|(8)",
     "i:AIndex=-1;t:AFilterName=Brightness;i:AValue1=2;i:AValue2=5;i:AValue3=8"},
    {rkFilter, 1, "필터 (1)|(-1)|(2)|(5)", "i:AIndex=-1;i:AFileIndex=2;i:AOp=5"},
    {rkFilter, 2, "필터 (2)|(-1)|(2)|(5)|(8,11,14)", "i:AWay=-1;i:ASize=2;i:AMargin=5;c:AColor=8,11,14"},
    {rkFilter, 3, "필터 (3)|(-1)|(2)|(5)|(8)", "i:AW=-1;i:AH=2;i:ASize1=5;i:ABackOp=8"},
    {rkFilter, 4, "필터 (4)|(-1,2)-(5,8)", "r:ARect=-1,2,5,8"},
    {rkFilter, 5, "필터 (5)|(-1)|(2)|(5,8,11)", "i:ASize=-1;i:ALevel=2;c:AColor=5,8,11"},
    // Rectangle selection: deleted flag, cut rectangle, current rectangle, fill colour.
    {rkPaint, 0, "그림판 (0)|(-1)|(2,5)-(8,11)|(14,17)-(20,23)|(26,29,32)",
     "i:ADeleted=-1;r:ACutRect=2,5,8,11;r:ANowRect=14,17,20,23;c:AColor=26,29,32"},
    // Freehand: identity, tool, point count, width, colour, start and end,
    // dirty rectangle, moved rectangle, index, scale, points.
    {rkPaint, 1,
     "그림판 (1)|(-1)|(2)|(5)|(8)|(11,14,17)|(20,23)-(26,29)|(32,35)-(38,41)|(44,47)-(50,53)|(56)|(0.75)|(10,20*11,21*-1,5*)",
     "id:ATag=-1;i:ATool=2;i:ACount=5;i:AWidth=8;c:AColor=11,14,17;r:ADrawRect=20,23,26,29;"
     "r:ADirtyRect=32,35,38,41;r:AMoveRect=44,47,50,53;tag:AListTag=56;s:AScale=0.75;p:APoints=10,20 11,21 -1,5"},
    {rkPaint, 2, "그림판 (2)|(-1,2)|(5,8,11)", "i:AX=-1;i:AY=2;c:AColor=5,8,11"},
    // Line and arrow: the end point comes before the start point.
    {rkPaint, 3,
     "그림판 (3)|(-1)|(2)|(5,8)|(11,14)|(17)|(20,23)-(26,29)|(32,35)-(38,41)|(44,47)-(50,53)|(56)|(1.5)|(59,62,65)",
     "id:ATag=-1;i:ATool=2;i:AEndX=5;i:AEndY=8;i:AStartX=11;i:AStartY=14;i:AWidth=17;r:ADrawRect=20,23,26,29;"
     "r:ADirtyRect=32,35,38,41;r:AMoveRect=44,47,50,53;tag:AListTag=56;s:AScale=1.5;c:AColor=59,62,65"},
    // Shapes: the fill colour follows the first flag, the outline colour the
    // second, and the outline width comes last.
    {rkPaint, 4,
     "그림판 (4)|(-1)|(2)|(5,8)-(11,14)|(17,20)|(23)|(26,29,32)|(35)|(38,41,44)|(47,50)-(53,56)|(59,62)-(65,68)|(71,74)-(77,80)|(83)|(0.5)|(86)",
     "id:ATag=-1;i:AShape=2;r:AShapeRect=5,8,11,14;i:ARoundW=17;i:ARoundH=20;i:AFlag1=23;c:AFillColor=26,29,32;"
     "i:AFlag2=35;c:ALineColor=38,41,44;r:ADrawRect=47,50,53,56;r:ADirtyRect=59,62,65,68;r:AMoveRect=71,74,77,80;"
     "tag:AListTag=83;s:AScale=0.5;i:AWidth=86"},
    {rkBalloon, -1,
     "말풍선 (-4)|(A#1310*B#1310*)|(-1,2)-(5,8)|(11)|(14)|(17)|(Nanum Gothic)|(20)|(1)|(0)|(1)|(23)|(26)|(255,128,0)",
     "id:ATag=-4;l:AMemo=A/B;r:ARect=-1,2,5,8;i:ABall_Index=11;i:AAlpha=14;i:AOP=17;t:AFontName=Nanum Gothic;"
     "i:AFontSize=20;f:AFont_Op1=on;f:AFont_Op2=off;f:AFont_Op3=on;tag:AListTag=23;i:AAllApply=26;"
     "c:ARgb=255,128,0"},
    // The text box's switches are written inverted: 0 is on.
    {rkTextBox, -1,
     "텍스트상자 (-4)|(첫 줄#1310*)|(-1,2)-(5,8)|(NanumMyeongjo)|(11)|(14,17,20)|(0)|(1)|(0)|(2)|(1)|(0)|(41,44,47)|(50)|(1)|(56,59,62)|(65)|(68)|(71)|(74)|(77)",
     "id:ATag=-4;l:AMemo=첫 줄;r:ARect=-1,2,5,8;t:AFontName=NanumMyeongjo;i:AFontSize=11;c:AColor1=14,17,20;"
     "f:ABigSize=on;f:ALean=off;f:AUnderLine=on;i:AFontSort=2;f:AFont_H=off;f:AOutLine=on;"
     "c:AOutLine_Color=41,44,47;i:AOutLine_Size=50;f:AShadow=off;c:AShadow_Color=56,59,62;i:AShadow_Alpha=65;"
     "tag:AListTag=68;i:AAllApply=71;i:AShadow_X=74;i:AShadow_Y=77"},
    {rkStamp, -1, "스티커 (-4)|(-1,2)-(5,8)|(11)|(14)|(17)|(Heart_01)",
     "id:ATag=-4;r:ARect=-1,2,5,8;i:AImg_Index=11;tag:AListTag=14;i:AAllApply=17;t:AFIleName=Heart_01"},
    // The deleted overlay's list position, not an identity of its own.
    {rkDelLayer, -1, "회레이어지우기 (-4)", "i:ATag=-4"},
};

struct TFieldCheck {
    std::string Type;
    QByteArray Name;
    QString Value;
};

std::vector<TFieldCheck> ReadFieldChecks(const char *fields)
{
    std::vector<TFieldCheck> checks;
    for (const QString &item : QString::fromUtf8(fields).split(u';')) {
        const qsizetype colon = item.indexOf(u':');
        const qsizetype equals = item.indexOf(u'=');
        checks.push_back({item.left(colon).toStdString(), item.mid(colon + 1, equals - colon - 1).toUtf8(), item.mid(equals + 1)});
    }
    return checks;
}

QList<int> Ints(const QString &text)
{
    QList<int> values;
    for (const QString &value : text.split(u','))
        values << value.toInt();
    return values;
}

// Compares one field of the parsed record with its expectation and sets it
// on the record built from scratch.
void CheckField(const TOpRecord &parsed, TOpRecord &built, const TFieldCheck &check)
{
    const char *name = check.Name.constData();
    const std::string &type = check.Type;
    if (type == "i" || type == "id" || type == "tag") {
        const int value = check.Value.toInt();
        EXPECT_EQ(parsed.Int(name), value);
        if (type == "id") {
            EXPECT_EQ(parsed.Identity(), value);
            built.SetIdentity(value);
        } else if (type == "tag") {
            built.SetListTag(value);
        } else {
            built.Set(name, value);
        }
    } else if (type == "r") {
        const QList<int> v = Ints(check.Value);
        const TRecordRect rect{v[0], v[1], v[2], v[3]};
        EXPECT_EQ(parsed.Rect(name), rect);
        built.Set(name, rect);
    } else if (type == "c") {
        const QList<int> v = Ints(check.Value);
        EXPECT_EQ(parsed.Color(name), v[0] + 256 * v[1] + 65536 * v[2]);
        built.SetColor(name, v[0], v[1], v[2]);
    } else if (type == "t") {
        EXPECT_EQ(parsed.Text(name), check.Value);
        built.Set(name, check.Value);
    } else if (type == "l") {
        const QStringList lines = check.Value.split(u'/');
        EXPECT_EQ(parsed.Lines(name), lines);
        built.Set(name, lines);
    } else if (type == "s") {
        EXPECT_DOUBLE_EQ(parsed.Scale(name), check.Value.toDouble());
        built.Set(name, check.Value.toDouble());
    } else if (type == "f") {
        const bool on = check.Value == QLatin1String("on");
        EXPECT_EQ(parsed.Flag(name), on);
        built.Set(name, on);
    } else if (type == "p") {
        QVector<QPoint> points;
        for (const QString &point : check.Value.split(u' ')) {
            const QList<int> v = Ints(point);
            points << QPoint(v[0], v[1]);
        }
        EXPECT_EQ(parsed.Points(name), points);
        built.Set(name, points);
    } else {
        ADD_FAILURE() << "unknown field type " << type;
    }
}

TEST(OpRecord, EveryKindReadsBackFieldByField)
{
    ASSERT_EQ(std::size(FormatCases), RecordLayouts().size());
    for (const TFormatCase &c : FormatCases) {
        SCOPED_TRACE(c.Text);
        const QString text = QString::fromUtf8(c.Text);
        const TOpRecord record = TOpRecord::Parse(text);
        EXPECT_EQ(record.Kind(), c.Kind);
        EXPECT_EQ(record.SubKind(), c.SubKind);
        EXPECT_EQ(record.ToString().toStdString(), c.Text);

        const std::vector<TFieldCheck> checks = ReadFieldChecks(c.Fields);
        std::size_t fieldCount = 0;
        for (const TGroupLayout &group : record.Layout().Groups)
            fieldCount += group.size();
        EXPECT_EQ(checks.size(), fieldCount) << "a field the applier reads is not checked";
        bool identity = false, listTag = false;
        TOpRecord built(c.Kind, c.SubKind);
        for (const TFieldCheck &check : checks) {
            SCOPED_TRACE(check.Name.toStdString());
            identity |= check.Type == "id";
            listTag |= check.Type == "tag";
            try {
                CheckField(record, built, check);
            } catch (const std::exception &e) {
                ADD_FAILURE() << e.what();
            }
        }
        EXPECT_EQ(record.HasIdentity(), identity);
        EXPECT_EQ(record.HasListTag(), listTag);
        // Built from the same values field by field, the writer gives the same text.
        EXPECT_EQ(built.ToString().toStdString(), c.Text);
    }
}

TEST(OpRecord, FieldsReachTheAppliersArguments)
{
    const TOpRecord resize = TOpRecord::Parse(QStringLiteral("크기변경 (1024,768)"));
    EXPECT_EQ(resize.Int("AW"), 1024);
    EXPECT_EQ(resize.Int("AH"), 768);
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
