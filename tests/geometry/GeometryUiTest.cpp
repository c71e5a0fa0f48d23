#include "app/DataModule.h"
#include "app/MainForm.h"
#include "documents/DocumentCommands.h"
#include "documents/ImageCodecs.h"
#include "documents/PhotoStrip.h"
#include "geometry/ui/PresetDialog.h"
#include "geometry/ui/ResizePanel.h"
#include "platform/Slider.h"
#include "support/ScenePhoto.h"
#include "support/UiTestSupport.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Types the name into the preset dialog once it is shown and confirms it.
void AnswerPresetDialog(const QString &name)
{
    QTimer::singleShot(0, [name] {
        auto *dialog = qobject_cast<TVL_CreateOften_Form *>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerPresetDialog(name);
            return;
        }
        dialog->OftenName_Edit->setText(name);
        dialog->Button1->click();
    });
}

void WritePhoto(const QString &path, int w, int h)
{
    TBitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            *b.PixelPtr(x, y) = Color32((x * 13) & 255, (y * 7) & 255, 90);
    SavePhotoFile(path, b);
}

QString LastRecord(const TUndoRedoImgListItem &photo)
{
    const TUndoRedoList &log = *photo.UndoRedoList;
    return log.Count() ? log.GetItem(log.Count() - 1).Apply_Str : QString();
}

} // namespace

class GeometryUiTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString FWide, FTall, FSmall;
    std::unique_ptr<TVL_DM> FDataModule;
    std::unique_ptr<TVL_Main_Form> FForm;

    TResizePanel &Panel() { return *FForm->findChild<TResizePanel *>("ResizePanel"); }
    TDocumentCommands &Docs() { return *FForm->Documents(); }
    TUndoRedoImgList &Photos() { return FDataModule->FUndoRedoImgList; }
    QToolButton *Button(const char *name) { return FForm->findChild<QToolButton *>(name); }
    const TBitmap32 &Canvas() { return FForm->Canvas().Bitmap(); }

    void OpenWindow()
    {
        FDataModule = std::make_unique<TVL_DM>();
        FForm = std::make_unique<TVL_Main_Form>(FDataModule.get());
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        qputenv("VELLUMI_REGISTRY", FDir.filePath("registry.json").toUtf8());
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toUtf8());
        FWide = FDir.filePath("wide.png");
        FTall = FDir.filePath("tall.png");
        FSmall = FDir.filePath("small.bmp");
        WritePhoto(FWide, 2000, 1000);
        WritePhoto(FTall, 25, 75);
        WritePhoto(FSmall, 640, 480);
    }

    void init()
    {
        QFile::remove(FDir.filePath("registry.json"));
        OpenWindow();
    }

    void cleanup()
    {
        FForm.reset();
        FDataModule.reset();
    }

    void pageEntryShowsTheSizesAndSelectsTheFirstPreset()
    {
        Docs().ImageOpen(false, true, {FSmall});
        FForm->SetEditMode(iectFilter);
        FForm->SetEditMode(iectResolution);
        QCOMPARE(Panel().Ori_Width_Label->text(), QString("640"));
        QCOMPARE(Panel().Ori_Height_Label->text(), QString("480"));
        QVERIFY(Panel().Res_RadioButton->isChecked());
        QCOMPARE(Panel().Often_Res_ComboBox->currentIndex(), 0);
        QCOMPARE(Panel().ResW_SpinEdit->value(), 1024);
        QCOMPARE(Panel().ResH_SpinEdit->value(), 768);
        QVERIFY(Panel().ResW_SpinEdit->isEnabled());
        QVERIFY(!Panel().ResBiyul_Slider->isEnabled());
        QVERIFY(!Panel().Often_D_Button->isEnabled());
    }

    void sizeFieldsFollowTheRules()
    {
        TResizePanel &p = Panel();
        // No photo: the fields do not react.
        p.ResBiyul_CheckBox->setChecked(true);
        p.ResW_SpinEdit->setValue(300);
        QCOMPARE(p.ResH_SpinEdit->value(), 768);

        Docs().ImageOpen(false, true, {FWide});
        p.ResW_SpinEdit->setValue(1000);
        QCOMPARE(p.ResH_SpinEdit->value(), 500);
        p.ResH_SpinEdit->setValue(250);
        QCOMPARE(p.ResW_SpinEdit->value(), 500);
        p.ResH_SpinEdit->setValue(0);
        QCOMPARE(p.ResW_SpinEdit->value(), 1);

        // Typed text: the minus is swallowed.
        p.ResW_SpinEdit->setValue(37);
        p.ResW_SpinEdit->selectAll();
        QTest::keyClicks(p.ResW_SpinEdit, "-12");
        QCOMPARE(p.ResW_SpinEdit->value(), 12);
        QCOMPARE(p.ResH_SpinEdit->value(), 6);
    }

    void percentagesAndTheFixedPresets_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("slider");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("150 % of 25 x 75") << FTall << -1 << 150 << 38 << 112;
        QTest::newRow("두배크기") << FSmall << 2 << 200 << 1280 << 960;
        QTest::newRow("절반크기") << FSmall << 3 << 50 << 320 << 240;
        QTest::newRow("800X600") << FSmall << 1 << 150 << 800 << 600;
    }

    void percentagesAndTheFixedPresets()
    {
        QFETCH(QString, photo);
        QFETCH(int, preset);
        QFETCH(int, slider);
        QFETCH(int, width);
        QFETCH(int, height);
        TResizePanel &p = Panel();
        Docs().ImageOpen(false, true, {photo});
        if (preset < 0) {
            p.Biyul_RadioButton->click();
            p.ResBiyul_Slider->SetValue(100);
            p.ResBiyul_Slider->SetValue(slider);
            QVERIFY(p.ResBiyul_Slider->isEnabled());
            QVERIFY(!p.ResW_SpinEdit->isEnabled());
        } else {
            p.Often_Res_ComboBox->setCurrentIndex(preset);
            p.Often_Res_ComboBoxChange();
        }
        QCOMPARE(p.ResBiyul_Slider->Value(), slider);
        QCOMPARE(p.ResBiyul_Edit->text(), QString::number(slider) + "%");
        QCOMPARE(p.ResW_SpinEdit->value(), width);
        QCOMPARE(p.ResH_SpinEdit->value(), height);
        p.Button11->click();
        QCOMPARE(Canvas().Width(), width);
        QCOMPARE(Canvas().Height(), height);
        QCOMPARE(LastRecord(Photos().GetItem(0)), QString("크기변경 (%1,%2)").arg(width).arg(height));
    }

    void doubleSizeFollowsEachPhoto()
    {
        TResizePanel &p = Panel();
        Docs().ImageOpen(false, true, {FSmall});
        p.Often_Res_ComboBox->setCurrentIndex(2);
        p.Often_Res_ComboBoxChange();
        QCOMPARE(p.ResW_SpinEdit->value(), 1280);
        Docs().ImageOpen(false, true, {FTall});
        QCOMPARE(p.ResW_SpinEdit->value(), 1024);
        p.Often_Res_ComboBox->setCurrentIndex(2);
        p.Often_Res_ComboBoxChange();
        QCOMPARE(p.ResW_SpinEdit->value(), 50);
        QCOMPARE(p.ResH_SpinEdit->value(), 150);
    }

    void presetsRoundTripThroughTheSettings()
    {
        TResizePanel &p = Panel();
        Docs().ImageOpen(false, true, {FSmall});
        p.ResW_SpinEdit->setValue(640);
        p.ResH_SpinEdit->setValue(200);
        AnswerPresetDialog("웹용");
        p.Often_A_Button->click();
        const QString key = "Software\\Vellumi\\Presets\\Resize\\웹용";
        QVERIFY(TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, key));
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, "ResW"), 640);
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, "ResMode"), 0);
        AnswerPresetDialog("반쪽");
        p.Biyul_RadioButton->click();
        p.ResBiyul_Slider->SetValue(50);
        p.Often_A_Button->click();

        // Applying writes the last-used record, which the list never offers.
        p.Button11->click();
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, "Software\\Vellumi\\Presets\\Resize\\PreValue", "ResW"), 320);
        QCOMPARE(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, "Software\\Vellumi\\Presets\\Resize\\PreValue",
                                    "ResControlMode"), 1);

        // A fresh window reads the names from the store on entering the list.
        cleanup();
        OpenWindow();
        TResizePanel &q = Panel();
        Docs().ImageOpen(false, true, {FSmall});
        QCOMPARE(q.Often_Res_ComboBox->count(), 6);
        QFocusEvent entered(QEvent::FocusIn);
        QApplication::sendEvent(q.Often_Res_ComboBox, &entered);
        QCOMPARE(q.Often_Res_ComboBox->count(), 8);
        QCOMPARE(q.Often_Res_ComboBox->itemText(5), QString(42, '-'));
        QStringList names = {q.Often_Res_ComboBox->itemText(6), q.Often_Res_ComboBox->itemText(7)};
        names.sort();
        QCOMPARE(names, QStringList({"반쪽", "웹용"}));

        const int web = q.Often_Res_ComboBox->findText("웹용");
        q.Often_Res_ComboBox->setCurrentIndex(web);
        q.Often_Res_ComboBoxChange();
        QVERIFY(q.Often_D_Button->isEnabled());
        QVERIFY(q.Res_RadioButton->isChecked());
        QCOMPARE(q.ResW_SpinEdit->value(), 640);
        QCOMPARE(q.ResH_SpinEdit->value(), 200);

        // "이전 설정값": the percentage mode of the last resize, at 50 %.
        q.Often_Res_ComboBox->setCurrentIndex(4);
        q.Often_Res_ComboBoxChange();
        QVERIFY(!q.Often_D_Button->isEnabled());
        QVERIFY(q.Biyul_RadioButton->isChecked());
        QCOMPARE(q.ResBiyul_Slider->Value(), 50);
        QCOMPARE(q.ResW_SpinEdit->value(), 320);

        q.Often_Res_ComboBox->setCurrentIndex(web);
        q.Often_Res_ComboBoxChange();
        q.Often_D_Button->click();
        QVERIFY(!TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, key));
        QCOMPARE(q.Often_Res_ComboBox->findText("웹용"), -1);
        QCOMPARE(q.Often_Res_ComboBox->count(), 7);
    }

    void aPresetOfTheWrongTypeIsReported()
    {
        TResizePanel &p = Panel();
        Docs().ImageOpen(false, true, {FSmall});
        TVL_DM::Reg_S_Write(HKEY_CURRENT_USER, "Software\\Vellumi\\Presets\\Resize\\깨짐", "ResW", "wide");
        QFocusEvent entered(QEvent::FocusIn);
        QApplication::sendEvent(p.Often_Res_ComboBox, &entered);
        const int broken = p.Often_Res_ComboBox->findText("깨짐");
        QVERIFY(broken >= 6);
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        p.Often_Res_ComboBox->setCurrentIndex(broken);
        Q_EMIT p.Often_Res_ComboBox->activated(broken);
        QVERIFY(!message.isEmpty());
        QCOMPARE(p.ResW_SpinEdit->value(), 1024);
    }

    void presetNamesTheStoreCannotHoldAreRefused()
    {
        QVERIFY(TVL_CreateOften_Form::UsableName("가족 사진"));
        for (const char *bad : {"", "  ", "a\\b", "prevalue"})
            QVERIFY2(!TVL_CreateOften_Form::UsableName(QString::fromUtf8(bad)), bad);
    }

    void allFilesLogsEveryPhotoAndResizesOnlyTheCurrent()
    {
        Docs().ImageOpen(false, true, {FWide, FTall, FSmall});
        TPhotoStrip *strip = FForm->PhotoStrip();
        strip->setCurrentRow(1);
        Docs().SwitchToSelectedPhoto();
        QCOMPARE(Canvas().Width(), 25);
        // A photo with an undone record loses it.
        Photos().GetItem(0).LogRecord("회전 (3)");
        Photos().GetItem(0).Index = -1;
        TResizePanel &p = Panel();
        p.ResW_SpinEdit->setValue(40);
        p.ResH_SpinEdit->setValue(30);
        p.Button9->click();
        QCOMPARE(Canvas().Width(), 40);
        QCOMPARE(Canvas().Height(), 30);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Photos().GetItem(i).UndoRedoList->Count(), 1);
            QCOMPARE(Photos().GetItem(i).Index, 0);
            QCOMPARE(LastRecord(Photos().GetItem(i)), QString("크기변경 (40,30)"));
        }
        // The other photos show it when they are made current.
        strip->setCurrentRow(0);
        Docs().SwitchToSelectedPhoto();
        QCOMPARE(Canvas().Width(), 40);
    }

    void turnButtonsActOnlyAfterARealPress()
    {
        Docs().ImageOpen(false, true, {FTall});
        QToolButton *right = Button("ToolButton49");
        QVERIFY(right->isEnabled());
        right->click();
        QCOMPARE(Canvas().Width(), 25);
        QCOMPARE(Photos().GetItem(0).UndoRedoList->Count(), 0);

        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(Canvas().Width(), 75);
        QCOMPARE(LastRecord(Photos().GetItem(0)), QString("회전 (0)"));

        // While undo or redo runs the press is kept for the next click.
        FForm->SetBlockApply(true);
        QTest::mouseClick(Button("ToolButton51"), Qt::LeftButton);
        FForm->SetBlockApply(false);
        QCOMPARE(Photos().GetItem(0).UndoRedoList->Count(), 1);
        Button("ToolButton51")->click();
        QCOMPARE(LastRecord(Photos().GetItem(0)), QString("회전 (3)"));

        FForm->MenuAction("N902")->trigger();
        QCOMPARE(Canvas().Width(), 25);
        QCOMPARE(LastRecord(Photos().GetItem(0)), QString("회전 (2)"));
        QCOMPARE(Photos().GetItem(0).Index, 2);
    }

    void turnButtonsFitTheTurnedPhotoInFitMode()
    {
        Docs().ImageOpen(false, true, {FWide});
        FForm->findChild<QAbstractButton *>("SetImg_PNGButton")->click();
        const double upright = FForm->Canvas().Scale();
        QTest::mouseClick(Button("ToolButton52"), Qt::LeftButton);
        QCOMPARE(FForm->Canvas().Scale(), upright);
        QTest::mouseClick(Button("ToolButton49"), Qt::LeftButton);
        QVERIFY2(FForm->Canvas().Scale() != upright, "a 1000 x 2000 photo fits at another scale than 2000 x 1000");
    }

    void undoAndRedoOfATurn()
    {
        Docs().ImageOpen(false, true, {FTall});
        TBitmap32 expected;
        expected.Assign(Canvas());
        expected.Rotate270();
        QTest::mouseClick(Button("ToolButton50"), Qt::LeftButton);
        auto *undo = FForm->findChild<QAbstractButton *>("Undo_Button");
        auto *redo = FForm->findChild<QAbstractButton *>("Redo_Button");
        QTRY_VERIFY(undo->isEnabled());
        undo->click();
        QCOMPARE(Canvas().Width(), 25);
        QTRY_VERIFY(redo->isEnabled());
        redo->click();
        QCOMPARE(Canvas().Width(), 75);
        QVERIFY(std::equal(expected.Bits(), expected.Bits() + expected.PixelCount(), Canvas().Bits()));
    }

    void gifAndJoinModes()
    {
        Docs().ImageOpen(false, true, {FTall});
        QMenu *turnMenu = FForm->Menu("N45");
        FForm->SetEditMode(iectGif);
        QTest::mouseClick(Button("ToolButton49"), Qt::LeftButton);
        FForm->MenuAction("N9")->trigger();
        QCOMPARE(Canvas().Width(), 25);
        QCOMPARE(Photos().GetItem(0).UndoRedoList->Count(), 0);
        Q_EMIT turnMenu->aboutToShow();
        QVERIFY(!FForm->MenuAction("N901")->isEnabled());

        FForm->SetEditMode(iectImgPaste);
        QTest::mouseClick(Button("ToolButton49"), Qt::LeftButton);
        QCOMPARE(Canvas().Width(), 75);
        QCOMPARE(Photos().GetItem(0).UndoRedoList->Count(), 0);
        Q_EMIT turnMenu->aboutToShow();
        QVERIFY(!FForm->MenuAction("N59")->isEnabled());

        FForm->SetEditMode(iectCut);
        Q_EMIT turnMenu->aboutToShow();
        QVERIFY(FForm->MenuAction("N59")->isEnabled());
    }

    void screenshot()
    {
        const QString folder = qEnvironmentVariable("VELLUMI_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set VELLUMI_SCREENSHOT_DIR to write the documentation screenshot");
        const QString path = FDir.filePath("hills.jpg");
        WriteScenePhoto(path, 1200, 800,
                        {QColor(120, 180, 235), QColor(250, 200, 140), QPointF(850, 300), 110, 600, QColor(60, 110, 70)});
        FForm->resize(1100, 760);
        Docs().ImageOpen(false, true, {path});
        TResizePanel &p = Panel();
        p.ResBiyul_CheckBox->setChecked(true);
        FForm->findChild<QAbstractButton *>("SetImg_PNGButton")->click();
        p.Often_Res_ComboBox->setCurrentIndex(3);
        p.Often_Res_ComboBoxChange();
        QTest::qWait(200);
        QVERIFY(FForm->grab().save(folder + "/screenshot-resize-page.png"));
    }
};

QTEST_MAIN(GeometryUiTest)
#include "GeometryUiTest.moc"
