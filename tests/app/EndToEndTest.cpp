// A user's session on the real window, checked against vellumi-cli replaying
// the same records.

#include "app/DataModule.h"
#include "app/MainForm.h"
#include "documents/DocumentCommands.h"
#include "documents/ImageCodecs.h"
#include "documents/PhotoStrip.h"
#include "platform/Slider.h"
#include "support/ScenePhoto.h"
#include "support/UiTestSupport.h"

#include <QtTest>
#include <QtWidgets>

namespace {

bool SamePixels(const TBitmap32 &a, const TBitmap32 &b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Bits(), a.Bits() + a.PixelCount(), b.Bits());
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editUndoSwitchAndSaveMatchTheReplay()
    {
        QTemporaryDir dir;
        qputenv("VELLUMI_REGISTRY", dir.filePath("registry.json").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        const QString other = dir.filePath("park.jpg"), photo = dir.filePath("sea.jpg");
        WriteScenePhoto(other, 240, 180, {QColor(200, 120, 60), QColor(70, 40, 20), QPointF(70, 60), 30, 120, QColor(30, 120, 40)});
        WriteScenePhoto(photo, 320, 200, {QColor(80, 150, 230), QColor(25, 50, 80), QPointF(96, 70), 40, 133, QColor(30, 120, 40)});

        TVL_DM dataModule;
        TVL_Main_Form form(&dataModule);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.defaultPath = dir.filePath("out");
        QDir().mkpath(form.defaultPath);
        TDocumentCommands &docs = *form.Documents();
        docs.ImageOpen(false, true, {other, photo});
        QCOMPARE(docs.SelectedPhoto(), 1);

        // Brightness 12: preview on release, then "저장".
        form.MenuAction("Mode_Color_")->trigger();
        auto *brightness = form.findChild<TSlider *>("brightness_Slider");
        QVERIFY(brightness);
        brightness->SetValue(12);
        Q_EMIT brightness->OnStopTracking();
        form.findChild<QPushButton *>("Button16")->click();

        // Resize to 50 %.
        form.MenuAction("Mode_Size_")->trigger();
        form.findChild<QRadioButton *>("Biyul_RadioButton")->click();
        form.findChild<TSlider *>("ResBiyul_Slider")->SetValue(50);
        form.findChild<QPushButton *>("Button11")->click();
        QCOMPARE(form.Canvas().Bitmap().Width(), 160);

        // A quarter turn clockwise from the tool bar.
        QTest::mouseClick(form.findChild<QToolButton *>("ToolButton49"), Qt::LeftButton);
        QCOMPARE(form.Canvas().Bitmap().Width(), 100);
        const TUndoRedoImgListItem &item = dataModule.FUndoRedoImgList.GetItem(1);
        QCOMPARE(item.UndoRedoList->Count(), 3);

        auto *undo = form.findChild<QPushButton *>("Undo_Button");
        auto *redo = form.findChild<QPushButton *>("Redo_Button");
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY_WITH_TIMEOUT(undo->isEnabled(), 1000);
            undo->click();
        }
        QCOMPARE(item.Index, 0);
        QCOMPARE(form.Canvas().Bitmap().Width(), 320);
        QTRY_VERIFY_WITH_TIMEOUT(redo->isEnabled(), 1000);
        redo->click();
        QCOMPARE(item.Index, 1);
        QCOMPARE(form.Canvas().Bitmap().Width(), 160);

        // To the other photo and back.
        TPhotoStrip *strip = form.PhotoStrip();
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->visualItemRect(strip->item(0)).center());
        QCOMPARE(form.Canvas().Bitmap().Width(), 240);
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->visualItemRect(strip->item(1)).center());
        QCOMPARE(form.Canvas().Bitmap().Width(), 160);
        QCOMPARE(item.Index, 1);
        TBitmap32 shown;
        form.Canvas().RenderViewToBitmap(shown);

        AnswerNextMessage(QMessageBox::Ok);
        form.findChild<QPushButton *>("Button1")->click();
        const QString saved = form.defaultPath + "/Vellumi_sea.jpg";
        QVERIFY(QFile::exists(saved));

        // The same records, replayed by the command-line tool.
        QFile log(dir.filePath("edits.log"));
        QVERIFY(log.open(QIODevice::WriteOnly));
        for (int i = 0; i <= item.Index; ++i)
            log.write(item.UndoRedoList->GetItem(i).Apply_Str.toUtf8() + '\n');
        log.close();
        for (const QString &output : {dir.filePath("cli.bmp"), dir.filePath("cli.jpg")}) {
            QProcess cli;
            cli.start(VELLUMI_CLI, {"replay", photo, output, "--log", log.fileName()});
            QVERIFY(cli.waitForFinished(30000));
            QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        }
        TBitmap32 replayed, savedPixels, replayedJpeg;
        LoadPhotoFile(dir.filePath("cli.bmp"), replayed);
        QVERIFY(SamePixels(shown, replayed));
        LoadPhotoFile(saved, savedPixels);
        LoadPhotoFile(dir.filePath("cli.jpg"), replayedJpeg);
        QVERIFY(SamePixels(savedPixels, replayedJpeg));
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
