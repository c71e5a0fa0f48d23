// The colour and filter page on the real main window.

#include "app/DataModule.h"
#include "app/IconStates.h"
#include "app/MainForm.h"
#include "app/OpeningForm.h"
#include "documents/DocumentCommands.h"
#include "documents/ImageCodecs.h"
#include "documents/PhotoStrip.h"
#include "documents/ViewZoom.h"
#include "effects/ApplyEffect.h"
#include "effects/FilterRecords.h"
#include "effects/ui/FilterPanel.h"
#include "geometry/Transform.h"
#include "history/ui/HistoryCommands.h"
#include "platform/Slider.h"
#include "support/ScenePhoto.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A photo whose pixels differ everywhere, so that every effect shows.
TBitmap32 Scene(int w, int h)
{
    TBitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            *b.PixelPtr(x, y) = Color32((x * 37 + y * 11) & 255, (x * x + 3 * y) & 255, (200 - 5 * y + x) & 255);
    return b;
}

TBitmap32 Effect(const TBitmap32 &photo, int effect, int value)
{
    TBitmap32 b;
    b.Assign(photo);
    ApplyEffect(b, effect, value, 0, 0, 1);
    return b;
}

bool Same(const TBitmap32 &a, const TBitmap32 &b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Bits(), a.Bits() + a.PixelCount(), b.Bits());
}

} // namespace

class FilterPanelUiTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString FPath;
    TBitmap32 FPhoto;
    std::unique_ptr<TVL_DM> FDataModule;
    std::unique_ptr<TVL_Main_Form> FForm;
    TFilterPanel *FPanel = nullptr;

    TUndoRedoImgListItem &Item() { return FDataModule->FUndoRedoImgList.GetItem(0); }
    TBitmap32 &Shown() { return FForm->Canvas().Bitmap(); }
    TSlider *Slider(const char *name) { return FPanel->findChild<TSlider *>(QLatin1String(name)); }
    void Click(const char *button) { FPanel->findChild<QPushButton *>(QLatin1String(button))->click(); }
    QStringList Log()
    {
        QStringList texts;
        for (int i = 0; i < Item().UndoRedoList->Count(); ++i)
            texts << Item().UndoRedoList->GetItem(i).Apply_Str;
        return texts;
    }
    // A click at the far right puts the slider to its maximum.
    void ReleaseAtRight(TSlider *slider) { QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 1, 2)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        qputenv("VELLUMI_REGISTRY", FDir.filePath("registry.json").toUtf8());
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toUtf8());
        FPath = FDir.filePath("scene.png");
        FPhoto = Scene(40, 30);
        SavePhotoFile(FPath, FPhoto);
    }

    void init()
    {
        FDataModule = std::make_unique<TVL_DM>();
        FForm = std::make_unique<TVL_Main_Form>(FDataModule.get());
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
        FPanel = FForm->findChild<TFilterPanel *>();
        QVERIFY(FPanel);
        FForm->Documents()->ImageOpen(false, true, {FPath});
        FForm->SetEditMode(iectFilter);
        QVERIFY(Same(Shown(), FPhoto));
        QVERIFY(Same(FPanel->FilterTempBmp(), FPhoto));
    }

    void cleanup()
    {
        FForm.reset();
        FDataModule.reset();
    }

    void pageHoldsTheRowsAndTheAdvancedButtons()
    {
        QCOMPARE(FForm->EditPage("EC_Filter")->findChild<QLabel *>("EC_Filter_Title")->text(),
                 QString("이미지 보정/필터"));
        const auto &rows = FilterRows();
        for (const TFilterRow &row : rows) {
            TSlider *slider = Slider(row.SliderName);
            QVERIFY2(slider, row.SliderName);
            QCOMPARE(slider->MinValue(), row.Min);
            QCOMPARE(slider->MaxValue(), row.Max);
            QCOMPARE(slider->Value(), row.Neutral);
            QCOMPARE(FPanel->findChild<QPushButton *>(row.ButtonName)->text(), QString("저장"));
        }
        QStringList groups;
        for (QGroupBox *group : FPanel->findChildren<QGroupBox *>())
            groups << group->title();
        QCOMPARE(groups, QStringList({"보정", "필터", "고급필터"}));
        for (const char *name : {"WaterColor_Button", "Gradian_Button", "OutFucus_Button", "Mosaic_Button",
                                 "OldPic_Button", "Paper_Button", "Reflect_Button"})
            QVERIFY2(!FPanel->findChild<QPushButton *>(name)->isEnabled(), name);
        QVERIFY(FPanel->findChild<QPushButton *>("DryBurush_Button")->isEnabled());
        QCOMPARE(FPanel->findChild<QPushButton *>("Reflect_Button")->text(), QString("반        사"));
    }

    void advancedDialogsOpenBesideTheFirstGroup()
    {
        auto *group = FPanel->findChild<QGroupBox *>("GroupBox21");
        QVERIFY(group);
        QCOMPARE(group->title(), QString("보정"));
        QCOMPARE(SetFilterFormPosition(FForm.get()), group->mapToGlobal(QPoint(group->width(), 0)));
    }

    void leavingThePageDropsAnUnsavedPreview()
    {
        TSlider *brightness = Slider("brightness_Slider");
        brightness->SetValue(20);
        FPanel->PreviewFilter(0);
        QVERIFY(Same(Shown(), Effect(FPhoto, 28, 20)));
        FForm->SetEditMode(iectResolution);
        QVERIFY(Same(Shown(), FPhoto));
        QCOMPARE(brightness->Value(), 0);
        FForm->SetEditMode(iectFilter);
        QVERIFY(Same(FPanel->FilterTempBmp(), FPhoto));
        QVERIFY(Log().isEmpty());
    }

    void aTurnOnThePageIsWhatTheNextPreviewStartsFrom()
    {
        TSlider *brightness = Slider("brightness_Slider");
        brightness->SetValue(20);
        FPanel->PreviewFilter(0);
        FForm->MenuAction("N901")->trigger();
        TBitmap32 turned;
        turned.Assign(FPhoto);
        TransformBitmap(turned, 0);
        QVERIFY(Same(Shown(), turned));
        QVERIFY(Same(FPanel->FilterTempBmp(), turned));
        brightness->SetValue(12);
        FPanel->PreviewFilter(0);
        QVERIFY(Same(Shown(), Effect(turned, 28, 12)));
        Click("Button16");
        QCOMPARE(Log(), QStringList({"회전 (0)", "필터 (0)|(28)|(Brightness)|(12)|(0)|(0)"}));
        QVERIFY(Same(Shown(), Effect(turned, 28, 12)));
    }

    void blurAtZeroPassesMinusOne()
    {
        TSlider *blur = Slider("blur_Slider");
        QTest::mouseClick(blur, Qt::LeftButton, {}, QPoint(0, 2));
        QCOMPARE(blur->Value(), 0);
        QVERIFY(Same(Shown(), FPhoto));
        Click("Button26");
        QCOMPARE(Log(), QStringList({"필터 (0)|(3)|(Blur)|(-1)|(0)|(0)"}));
        QVERIFY(Same(Shown(), FPhoto));
    }

    void embossAtZeroShowsTheBaseline()
    {
        TSlider *emboss = Slider("Emboss_Slider");
        ReleaseAtRight(emboss);
        QCOMPARE(emboss->Value(), 50);
        QVERIFY(Same(Shown(), Effect(FPhoto, 11, 60)));
        QTest::mouseClick(emboss, Qt::LeftButton, {}, QPoint(0, 2));
        QCOMPARE(emboss->Value(), 0);
        QVERIFY(Same(Shown(), FPhoto));
    }

    void releaseAtTheLeftEndOfBrightnessSetsItsMinimum()
    {
        TSlider *brightness = Slider("brightness_Slider");
        QTest::mouseClick(brightness, Qt::LeftButton, {}, QPoint(0, 2));
        QCOMPARE(brightness->Value(), -50);
        QVERIFY(Same(Shown(), Effect(FPhoto, 28, -50)));
    }

    void noPreviewDuringAReplayNorSaveWithoutASelectedPhoto()
    {
        Slider("contrast_Slider")->SetValue(30);
        FDataModule->FReplay.Flags.FUndoRedoMode = true;
        FPanel->PreviewFilter(1);
        FDataModule->FReplay.Flags.FUndoRedoMode = false;
        QVERIFY(Same(Shown(), FPhoto));
        FForm->PhotoStrip()->clearSelection();
        FPanel->PreviewFilter(1);
        Click("Button20");
        QVERIFY(Same(Shown(), FPhoto));
        QVERIFY(Log().isEmpty());
        QCOMPARE(Slider("contrast_Slider")->Value(), 30);
    }

    void sharpenAtTheTopPreviewsLessThanItRecordsAndReplays()
    {
        TSlider *sharp = Slider("sharp_Slider");
        ReleaseAtRight(sharp);
        QCOMPARE(sharp->Value(), 100);
        QVERIFY(Same(Shown(), Effect(FPhoto, 27, 110)));
        Click("Button24");
        QCOMPARE(Log(), QStringList({"필터 (0)|(27)|(Sharp)|(120)|(0)|(0)"}));
        QCOMPARE(sharp->Value(), 0);
        QVERIFY(Same(FPanel->FilterTempBmp(), Effect(FPhoto, 27, 110)));
        FForm->History()->Undo_ButtonClick();
        QVERIFY(Same(Shown(), FPhoto));
        FForm->History()->Redo_ButtonClick();
        QVERIFY(Same(Shown(), Effect(FPhoto, 27, 120)));
        QVERIFY(Same(FPanel->FilterTempBmp(), Shown()));
    }

    void brightnessPreviewSavedAndUndone()
    {
        TSlider *brightness = Slider("brightness_Slider");
        brightness->SetValue(12);
        Q_EMIT brightness->OnStopTracking();
        const TBitmap32 expected = Effect(FPhoto, 28, 12);
        QVERIFY(Same(Shown(), expected));
        QCOMPARE(Item().Index, -1);
        Click("Button16");
        QCOMPARE(Log(), QStringList({"필터 (0)|(28)|(Brightness)|(12)|(0)|(0)"}));
        QCOMPARE(Item().Index, 0);
        QVERIFY(Same(Shown(), expected));
        QCOMPARE(FDataModule->FReplay.FFilterList.Count(), 1);
        QCOMPARE(FDataModule->FReplay.FFilterList.GetFilterItem(0).FilterName, QString("Brightness"));
        // The next preview starts from the kept one.
        Slider("contrast_Slider")->SetValue(20);
        FPanel->PreviewFilter(1);
        QVERIFY(Same(Shown(), Effect(expected, 29, 20)));
        FForm->History()->Undo_ButtonClick();
        QCOMPARE(Item().Index, -1);
        QVERIFY(Same(Shown(), FPhoto));
        QVERIFY(Same(FPanel->FilterTempBmp(), FPhoto));
        QCOMPARE(Slider("contrast_Slider")->Value(), 0);
    }

    void saveWithoutMovingRecordsTheNeutralValue()
    {
        Click("Button16");
        QVERIFY(Same(Shown(), FPhoto));
        Click("Button22");
        QCOMPARE(Log(), QStringList({"필터 (0)|(28)|(Brightness)|(0)|(0)|(0)",
                                     "필터 (0)|(26)|(Chroma)|(245)|(0)|(0)"}));
        // The photo shows what the record replays.
        QVERIFY(Same(Shown(), Effect(FPhoto, 26, 245)));
        FPanel->Button5Click();
        QVERIFY(Same(Shown(), Effect(FPhoto, 26, 245)));
    }

    void valueSetWithoutPreviewIsPreviewedBeforeSaving()
    {
        Slider("Poster_Slider")->SetValue(4); // the keys move it without a preview
        QVERIFY(Same(Shown(), FPhoto));
        Click("Button25");
        QCOMPARE(Log(), QStringList({"필터 (0)|(5)|(Poster)|(4)|(0)|(0)"}));
        QVERIFY(Same(Shown(), Effect(FPhoto, 5, 4)));
        QCOMPARE(Slider("Poster_Slider")->Value(), 1);
    }

    void resetDropsAnUnsavedPreview()
    {
        Slider("Tile_Slider")->SetValue(5);
        FPanel->PreviewFilter(10);
        QVERIFY(!Same(Shown(), FPhoto));
        Click("Button5");
        QVERIFY(Same(Shown(), FPhoto));
        QVERIFY(Same(FPanel->FilterTempBmp(), FPhoto));
        QCOMPARE(Slider("Tile_Slider")->Value(), 1);
        QVERIFY(Log().isEmpty());
    }

    void noisePreviewSaveAndReplayDrawTheSameNoise()
    {
        Slider("brightness_Slider")->SetValue(-20);
        Click("Button16");
        Slider("Noise_Slider")->SetValue(400);
        FPanel->PreviewFilter(7);
        TBitmap32 previewed;
        previewed.Assign(Shown());
        Click("Button23");
        QVERIFY(Same(Shown(), previewed));
        FForm->History()->Undo_ButtonClick();
        QVERIFY(!Same(Shown(), previewed));
        FForm->History()->Redo_ButtonClick();
        QVERIFY(Same(Shown(), previewed));
        FPanel->Button5Click();
        QVERIFY(Same(Shown(), previewed));
    }

    void changeRule_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("firstValue");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<int>("movedValue");
        QTest::addColumn<bool>("firstKept");
        QTest::newRow("contrast resets brightness") << "brightness_Slider" << 10 << "contrast_Slider" << 5 << false;
        QTest::newRow("tone resets contrast, which does not bounce back")
            << "contrast_Slider" << 5 << "Colortone_Slider" << 20 << false;
        QTest::newRow("chroma resets sharpen") << "sharp_Slider" << 30 << "chroma_Slider" << 400 << false;
        QTest::newRow("noise resets emboss") << "Emboss_Slider" << 7 << "Noise_Slider" << 9 << false;
        QTest::newRow("poster resets tile") << "Tile_Slider" << 3 << "Poster_Slider" << 9 << false;
        QTest::newRow("tile resets blur") << "blur_Slider" << 3 << "Tile_Slider" << 4 << false;
        QTest::newRow("sharpen leaves contrast") << "contrast_Slider" << 5 << "sharp_Slider" << 30 << true;
        QTest::newRow("brightness leaves poster") << "Poster_Slider" << 9 << "brightness_Slider" << -7 << true;
        QTest::newRow("soft glow leaves chroma") << "chroma_Slider" << 10 << "BBoshasi_Slider" << 30 << true;
    }

    void changeRule()
    {
        QFETCH(QString, first);
        QFETCH(int, firstValue);
        QFETCH(QString, moved);
        QFETCH(int, movedValue);
        QFETCH(bool, firstKept);
        TSlider *a = Slider(first.toLatin1().constData());
        TSlider *b = Slider(moved.toLatin1().constData());
        a->SetValue(firstValue);
        b->SetValue(movedValue);
        QCOMPARE(b->Value(), movedValue);
        QCOMPARE(a->Value() == firstValue, firstKept);
        if (!firstKept)
            for (const TFilterRow &row : FilterRows())
                if (Slider(row.SliderName) != b)
                    QCOMPARE(Slider(row.SliderName)->Value(), row.Neutral);
    }

    void setFilterValuePutsTheSliderOfTheEffectBack()
    {
        const struct {
            int effect;
            const char *slider;
            int set, after;
        } cases[] = {{27, "sharp_Slider", 40, 0},   {5, "Poster_Slider", 40, 1}, {25, "Tile_Slider", 5, 1},
                     {26, "chroma_Slider", 300, 300}, {33, "Colortone_Slider", -9, 0}, {32, "BBoshasi_Slider", 9, 0}};
        for (const auto &c : cases) {
            Slider(c.slider)->SetValue(c.set);
            FPanel->SetFilterValue(c.effect, 77);
            QCOMPARE(Slider(c.slider)->Value(), c.after);
        }
    }

    void dryBrushIgnoresASecondClickWhileItRuns()
    {
        QPushButton *button = FPanel->findChild<QPushButton *>("DryBurush_Button");
        Slider("brightness_Slider")->SetValue(30);
        FPanel->PreviewFilter(0); // unsaved: the brush starts from the baseline
        bool sawBlock = false;
        const auto once = connect(FForm->OpeningForm(), &TVL_Opening_Form::Shown, FPanel, [&] {
            sawBlock = FForm->BlockApply() && !button->isEnabled();
            FPanel->DryBurush_ButtonClick();
        });
        button->click();
        disconnect(once);
        QVERIFY(sawBlock);
        QCOMPARE(Log(), QStringList({"필터 (0)|(23)|(DryBrush)|(0)|(0)|(0)"}));
        const TBitmap32 expected = Effect(FPhoto, 23, 0);
        QVERIFY(Same(Shown(), expected));
        QVERIFY(Same(FPanel->FilterTempBmp(), expected));
        QVERIFY(button->isEnabled());
        QVERIFY(!FForm->BlockApply());
        FPanel->Button5Click();
        QVERIFY(Same(Shown(), expected));
    }

    void screenshot()
    {
        const QString folder = qEnvironmentVariable("VELLUMI_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set VELLUMI_SCREENSHOT_DIR to write the documentation screenshots");
        const QString path = FDir.filePath("valley.jpg");
        WriteScenePhoto(path, 1200, 800,
                        {QColor(90, 160, 230), QColor(250, 190, 120), QPointF(820, 260), 110, 560, QColor(40, 90, 60)});
        FForm->resize(1100, 760);
        FForm->Documents()->ImageOpen(false, true, {path});
        FForm->SetEditMode(iectFilter);
        FForm->Zoom()->SetImg_PNGButtonClick();
        Slider("chroma_Slider")->SetValue(380);
        Click("Button22");
        Slider("BBoshasi_Slider")->SetValue(40);
        FPanel->PreviewFilter(9);
        QTest::qWait(100);
        QVERIFY(FForm->grab().save(folder + "/screenshot-filter-page.png"));
    }
};

QTEST_MAIN(FilterPanelUiTest)
#include "FilterPanelUiTest.moc"
