// Icon states of the picture buttons and the placement of the small windows.

#include "app/IconStates.h"

#include "app/DataModule.h"
#include "app/MainForm.h"

#include "ArtworkNames.h"
#include "ResourcePictures.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QString Art(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// Both sides go through a device pixmap, so premultiplication rounds alike.
QImage Shown(const QLabel *label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Expected(const QString &name)
{
    return QPixmap::fromImage(LoadResourcePicture(name)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QLabel *AddLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// A window for the labels and the icon sets over it.
struct TIconWindow {
    QWidget window;
    bool lastBtnBool = false;
    TIconSets icons{&window, lastBtnBool};
    QLabel *Label(const QString &name) { return AddLabel(&window, name); }
};

} // namespace

class IconStatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachStateShowsPrefixPlusSuffix_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("extMode");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("suffix");
        const struct {
            TMouseModeType state;
            const char *suffix;
        } states[] = {{mmtUp, "U"}, {mmtNor, "N"}, {mmtDown, "D"}, {mmtSelect, "S"}, {mmtNone, "None"}};
        for (const auto &s : states) {
            QTest::addRow("tool %s", s.suffix) << "T_Pen_" << 0 << int(s.state) << s.suffix;
            QTest::addRow("option %s", s.suffix) << "BOLD_" << 1 << int(s.state) << s.suffix;
            QTest::addRow("mode %s", s.suffix) << "size_" << 0 << int(s.state) << s.suffix;
        }
    }
    void eachStateShowsPrefixPlusSuffix()
    {
        QFETCH(QString, prefix);
        QFETCH(int, extMode);
        QFETCH(int, state);
        QFETCH(QString, suffix);
        // The states must look different, or the comparison below proves nothing.
        for (const QString other : {"U", "N", "D", "S", "None"})
            if (other != suffix)
                QVERIFY(LoadResourcePicture(prefix + other) != LoadResourcePicture(prefix + suffix));
        TIconWindow w;
        TIconSets &icons = w.icons;
        QLabel *label = w.Label("Button");
        icons.Set_Icon_UpAndDown(prefix, label, TMouseModeType(state), extMode);
        QCOMPARE(Shown(label), Expected(prefix + suffix));
    }

    void pressPutsTheLastSelectedToolBackToNormal()
    {
        TIconWindow w;
        TIconSets &icons = w.icons;
        QLabel *pen = w.Label("TB_Image3");
        QLabel *brush = w.Label("TB_Image4");

        icons.Set_Icon_UpAndDown("T_PEN_", pen, mmtSelect, 0);
        QCOMPARE(icons.LastBtn().Btn_Name, QString("T_PEN_"));
        QCOMPARE(icons.LastBtn().Btn_Img.data(), pen);

        // Without a tool-bar press in between, the selection stays.
        icons.Set_Icon_UpAndDown("T_BRUSH_", brush, mmtDown, 0);
        QCOMPARE(Shown(pen), Expected("T_PEN_S"));

        w.lastBtnBool = true;
        icons.Set_Icon_UpAndDown("T_BRUSH_", brush, mmtDown, 0);
        QCOMPARE(Shown(pen), Expected("T_PEN_N"));
        QCOMPARE(Shown(brush), Expected("T_BRUSH_D"));
        QVERIFY(!w.lastBtnBool);
        QVERIFY(!icons.LastBtn_Bool());
    }

    void textOptionsNeitherRememberNorRestore()
    {
        TIconWindow w;
        TIconSets &icons = w.icons;
        QLabel *pen = w.Label("TB_Image3");
        QLabel *bold = w.Label("Bold");
        icons.Set_Icon_UpAndDown("T_PEN_", pen, mmtSelect, 0);
        icons.Set_Icon_UpAndDown("BOLD_", bold, mmtSelect, 1);
        QCOMPARE(icons.LastBtn().Btn_Img.data(), pen);
        w.lastBtnBool = true;
        icons.Set_Icon_UpAndDown("BOLD_", bold, mmtDown, 1);
        QCOMPARE(Shown(pen), Expected("T_PEN_S"));
        QVERIFY(w.lastBtnBool);
    }

    void aDestroyedLastButtonIsForgotten()
    {
        TIconWindow w;
        TIconSets &icons = w.icons;
        auto *pen = w.Label("TB_Image3");
        QLabel *brush = w.Label("TB_Image4");
        icons.Set_Icon_UpAndDown("T_PEN_", pen, mmtSelect, 0);
        delete pen;
        w.lastBtnBool = true;
        icons.Set_Icon_UpAndDown("T_BRUSH_", brush, mmtDown, 0);
        QCOMPARE(Shown(brush), Expected("T_BRUSH_D"));
        QVERIFY(icons.LastBtn().Btn_Img.isNull());
    }

    void aMissingPictureThrowsAndChangesNothing()
    {
        TIconWindow w;
        TIconSets &icons = w.icons;
        QLabel *pen = w.Label("TB_Image3");
        QLabel *other = w.Label("Other");
        icons.Set_Icon_UpAndDown("T_PEN_", pen, mmtNor, 0);
        QVERIFY_THROWS_EXCEPTION(EResourceMissing, icons.Set_Icon_UpAndDown("NO_SUCH_", pen, mmtSelect, 0));
        QCOMPARE(Shown(pen), Expected("T_PEN_N"));
        QVERIFY(icons.LastBtn().Btn_Img.isNull());
        QVERIFY_THROWS_EXCEPTION(EResourceMissing, icons.Set_Icon(other, "../SIZE_", "N", false, imMenu));
        QVERIFY(other->pixmap().isNull());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 icons.Set_Icon_UpAndDown("T_PEN_", pen, TMouseModeType(7), 0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, icons.Set_Icon_Init(TInitMode(3)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, icons.Set_Icon(TTextOptionType(3)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, icons.Text_Option_ImageList(TTextOptionType(3)));
        // No control to show it: nothing happens.
        icons.Set_Icon_UpAndDown("T_PEN_", nullptr, mmtSelect, 0);
        QVERIFY(icons.LastBtn().Btn_Img.isNull());
    }

    void setIconInitShowsEveryNormalPictureByPosition()
    {
        TIconWindow w;
        TIconSets &icons = w.icons;
        auto *page = new QWidget(&w.window); // the text page, one level down
        QList<QLabel *> tools;
        for (int i = 1; i <= 14; ++i)
            tools.append(AddLabel(page, QString("TB_Image%1").arg(i)));
        QLabel *left = AddLabel(page, "FontLeft_Image");
        QLabel *center = AddLabel(page, "FontCenter_Image");
        QLabel *right = AddLabel(page, "FontRight_image");
        for (int i = 0; i < 14; ++i)
            icons.Set_Icon_UpAndDown(Art(VellumiArt::TextIconPrefixes[i]), tools[i], mmtDown, 0);
        icons.Set_Icon(left, "LEFT_", "D", false, imTextOp);

        icons.Set_Icon_Init(imText);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(Shown(tools[i]), Expected(Art(VellumiArt::TextIconPrefixes[i]) + "N"));
        QCOMPARE(Shown(left), Expected("LEFT_D"));
        QVERIFY(center->pixmap().isNull());

        icons.Set_Icon(nullptr, QString(), QString(), true, imTextOp);
        QCOMPARE(Shown(left), Expected("LEFT_N"));
        QCOMPARE(Shown(center), Expected("MIDDLE_N"));
        QCOMPARE(Shown(right), Expected("RIGHT_N"));

        // The menu set has no control here; a page without some labels is fine.
        icons.Set_Icon_Init(imMenu);
        delete tools.takeLast();
        icons.Set_Icon_UpAndDown("T_PEN_", tools[2], mmtSelect, 0);
        icons.Set_Icon_Init(imText);
        QCOMPARE(Shown(tools[2]), Expected("T_PEN_N"));
    }

    void textOptionListsHoldSixPicturesInTheState_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("normal") << int(totNor) << "N";
        QTest::newRow("pressed") << int(totDown) << "D";
        QTest::newRow("pointer over") << int(totUp) << "U";
    }
    void textOptionListsHoldSixPicturesInTheState()
    {
        QFETCH(int, mode);
        QFETCH(QString, suffix);
        TIconWindow w;
        TIconSets &icons = w.icons;
        icons.Set_Icon(TTextOptionType(mode));
        icons.Set_Icon(TTextOptionType(mode));
        const QList<QImage> &list = icons.Text_Option_ImageList(TTextOptionType(mode));
        QCOMPARE(list.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(list[i].format(), QImage::Format_ARGB32);
            QCOMPARE(list[i], LoadResourcePicture(Art(VellumiArt::TextOptionIconPrefixes[i]) + suffix));
        }
        for (int other : {int(totNor), int(totDown), int(totUp)})
            if (other != mode)
                QVERIFY(icons.Text_Option_ImageList(TTextOptionType(other)).isEmpty());
    }

    void playerButtons()
    {
        TIconWindow w;
        TIconSets &icons = w.icons;
        QLabel *play = w.Label("Play");
        icons.Set_GifBtn("Play_N", play);
        QCOMPARE(Shown(play), Expected("PLAY_N"));
        icons.Set_GifBtn("Stop_D", play);
        QCOMPARE(Shown(play), Expected("STOP_D"));
    }

    void aToolBarPressLetsTheNextToolPressRestoreTheSelection()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        qputenv("VELLUMI_REGISTRY", dir.filePath("registry.json").toUtf8());
        TVL_DM dataModule;
        TVL_Main_Form form(&dataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QLabel *pen = AddLabel(&form, "TB_Image3");
        QLabel *brush = AddLabel(&form, "TB_Image4");
        TIconSets &icons = form.IconSets();
        icons.Set_Icon_UpAndDown("T_PEN_", pen, mmtSelect, 0);
        icons.Set_Icon_UpAndDown("T_BRUSH_", brush, mmtDown, 0);
        QCOMPARE(Shown(pen), Expected("T_PEN_S"));

        auto *cut = form.findChild<QToolButton *>("ToolButton38");
        QVERIFY(cut);
        QTest::mouseClick(cut, Qt::LeftButton);
        QVERIFY(icons.LastBtn_Bool());
        icons.Set_Icon_UpAndDown("T_BRUSH_", brush, mmtDown, 0);
        QCOMPARE(Shown(pen), Expected("T_PEN_N"));
        QVERIFY(!icons.LastBtn_Bool());

        icons.Set_Icon_Init(imText);
        QCOMPARE(Shown(brush), Expected("T_BRUSH_N"));
    }

    // Two monitors: (0, 0) 800 x 600 and (800, 100) 1024 x 768.
    void subFormOpensOnTheNearestMonitor_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("inside the first") << QPoint(10, 10) << QPoint(0, 0);
        QTest::newRow("inside the second") << QPoint(900, 200) << QPoint(800, 100);
        QTest::newRow("first's last pixel") << QPoint(799, 599) << QPoint(0, 0);
        QTest::newRow("second's first pixel") << QPoint(800, 100) << QPoint(800, 100);
        QTest::newRow("above and left") << QPoint(-500, -300) << QPoint(0, 0);
        QTest::newRow("far right") << QPoint(5000, 50) << QPoint(800, 100);
        QTest::newRow("below the first, beside the second") << QPoint(799, 700) << QPoint(800, 100);
        QTest::newRow("above the second, beside the first") << QPoint(810, 60) << QPoint(0, 0);
        QTest::newRow("extreme") << QPoint(INT_MIN, INT_MAX) << QPoint(0, 0);
    }
    void subFormOpensOnTheNearestMonitor()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QFETCH(QPoint, at);
        QFETCH(QPoint, corner);
        QCOMPARE(SetShowSubForm(at.x(), at.y()), corner);
    }

    void filterDialogsOpenBesideTheGroupBox()
    {
        QWidget window;
        window.setGeometry(120, 80, 600, 400);
        auto *panel = new QWidget(&window);
        panel->setGeometry(10, 20, 300, 300);
        auto *box = new QGroupBox(panel);
        box->setObjectName("GroupBox21");
        box->setGeometry(5, 7, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint origin = window.mapToGlobal(QPoint(0, 0));
        QCOMPARE(SetFilterFormPosition(&window), origin + QPoint(10 + 5 + 200, 20 + 7));
        delete box;
        QCOMPARE(SetFilterFormPosition(&window), origin + QPoint(600, 0));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SetFilterFormPosition(nullptr));
    }
};

// The offscreen platform with two monitors, for the nearest-monitor cases.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QString config = dir.filePath("screens.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "First", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "Second", "x": 800, "y": 100, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    IconStatesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "IconStatesTest.moc"
