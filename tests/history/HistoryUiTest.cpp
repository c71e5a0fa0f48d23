#include "app/DataModule.h"
#include "app/MainForm.h"
#include "documents/DocumentCommands.h"
#include "documents/ImageCodecs.h"
#include "documents/PhotoStrip.h"
#include "history/ResizeApplier.h"
#include "history/ui/HistoryCommands.h"
#include "platform/ImageViewWidget.h"
#include "support/UiTestSupport.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString Resize(int w, int h) { return TOpRecord(rkSizeChange).Set("AW", w).Set("AH", h).ToString(); }
QString Filter() { return TOpRecord(rkFilter, 0).Set("AFilterName", "Gate").ToString(); }

bool SamePixels(const TBitmap32 &a, const TBitmap32 &b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

} // namespace

class HistoryUiTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString FPhoto;
    TBitmap32 FFile; // the photo as its file decodes
    std::unique_ptr<TVL_DM> FDataModule;
    std::unique_ptr<TVL_Main_Form> FForm;
    bool FFilterFails = false;
    bool FBlockedDuringReplay = false; // the window's FBlockApply as the filter ran

    THistoryCommands &History() { return *FForm->History(); }
    TUndoRedoImgListItem &Photo() { return FDataModule->FUndoRedoImgList.GetItem(0); }
    const TBitmap32 &Canvas() { return FForm->Canvas().Bitmap(); }
    QAbstractButton *Button(const char *name) { return FForm->findChild<QAbstractButton *>(QLatin1String(name)); }
    QString SizePanel()
    {
        return FForm->StatusPanel(1)->text();
    }

    // Opens the photo, logs the records and rebuilds the canvas to the last.
    void OpenWith(const QStringList &records)
    {
        FForm->Documents()->ImageOpen(false, true, {FPhoto});
        QCOMPARE(FDataModule->FUndoRedoImgList.Count(), 1);
        for (const QString &record : records)
            Photo().LogRecord(record);
        FForm->Documents()->ReloadPhoto(0);
    }

    void QuietFlags()
    {
        const THistoryFlags &flags = FDataModule->FReplay.Flags;
        QVERIFY(!flags.FUndoRedoMode && !flags.FUndoRedoMode2 && !flags.FUndoRedoMode3 && !flags.FBlockApply);
        QVERIFY(!FForm->BlockApply());
        QVERIFY(!FForm->Canvas().Updating());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        qputenv("VELLUMI_REGISTRY", FDir.filePath("registry.json").toUtf8());
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toUtf8());
        FPhoto = FDir.filePath("grid.png");
        TBitmap32 picture(40, 30);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                *picture.PixelPtr(x, y) = Color32(x * 6, y * 8, 90);
        SavePhotoFile(FPhoto, picture);
        LoadPhotoFile(FPhoto, FFile);
    }

    void init()
    {
        FFilterFails = false;
        FBlockedDuringReplay = false;
        FDataModule = std::make_unique<TVL_DM>();
        // A resize that really resizes (nearest pixel), so every step shows,
        // and a filter that fails on demand.
        TApplierTable &table = FDataModule->FReplay.Appliers;
        table.Register(rkSizeChange, -1, ResizeNearest);
        table.Register(rkFilter, 0, [this](const TOpRecord &, TReplayContext &c) -> TImageLayer * {
            FBlockedDuringReplay = FForm && FForm->BlockApply();
            if (FFilterFails)
                throw std::runtime_error("the effect failed");
            c.View.Bitmap().FlipVert();
            return nullptr;
        });
        FForm = std::make_unique<TVL_Main_Form>(FDataModule.get());
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
    }

    void cleanup()
    {
        FForm.reset();
        FDataModule.reset();
        QFile::remove(FPhoto);
        SavePhotoFile(FPhoto, FFile);
    }

    void undoAndRedo_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::newRow("buttons") << false;
        QTest::newRow("Ctrl+Z and Ctrl+Y") << true;
    }

    void undoAndRedo()
    {
        QFETCH(bool, keys);
        OpenWith({Resize(20, 15), Resize(10, 8)});
        QCOMPARE(Canvas().Width(), 10);
        TBitmap32 resized;
        resized.Assign(Canvas());

        auto undo = [&] {
            if (keys) {
                QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier);
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(Button("Undo_Button")->isEnabled(), 500);
                QTest::mouseClick(Button("Undo_Button"), Qt::LeftButton);
            }
        };
        auto redo = [&] {
            if (keys) {
                QTest::keyClick(FForm.get(), Qt::Key_Y, Qt::ControlModifier);
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(Button("Redo_Button")->isEnabled(), 500);
                QTest::mouseClick(Button("Redo_Button"), Qt::LeftButton);
            }
        };

        undo();
        QCOMPARE(Photo().Index, 0);
        QCOMPARE(Canvas().Width(), 20);
        QCOMPARE(Canvas().Height(), 15);
        QCOMPARE(SizePanel(), QString("이미지 크기:20 x 15"));
        undo();
        QCOMPARE(Photo().Index, -1);
        QVERIFY(SamePixels(Canvas(), FFile));
        QVERIFY(!Button("Undo_Button")->isEnabled());
        // At position -1 a further undo changes nothing.
        QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Photo().Index, -1);

        redo();
        redo();
        QCOMPARE(Photo().Index, 1);
        QVERIFY(SamePixels(Canvas(), resized));
        QVERIFY(!Button("Redo_Button")->isEnabled());
        QCOMPARE(Photo().UndoRedoList->Count(), 2);
        QuietFlags();
    }

    void shortcutsDoNothingInGifAndJoinModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("saveEnabled");
        QTest::newRow("GIF") << int(iectGif) << false;
        QTest::newRow("join") << int(iectImgPaste) << true;
    }

    void shortcutsDoNothingInGifAndJoinModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, saveEnabled);
        OpenWith({Resize(20, 15), Resize(10, 8)});
        Photo().Index = 0;
        QTRY_VERIFY_WITH_TIMEOUT(Button("Undo_Button")->isEnabled() && Button("Redo_Button")->isEnabled(), 500);
        FForm->SetEditMode(TIMGEDITCONTROLTYPE(mode));
        QCOMPARE(int(FForm->NowWorkType()), mode);
        QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(FForm.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Photo().Index, 0);
        QCOMPARE(Canvas().Width(), 10);
        for (const char *name : {"Undo_Button", "Redo_Button", "OriImg_Button"})
            QTRY_VERIFY_WITH_TIMEOUT(!Button(name)->isEnabled(), 500);
        QCOMPARE(Button("Button1")->isEnabled(), saveEnabled);
    }

    void backToOriginal()
    {
        OpenWith({Resize(20, 15), Resize(10, 8), Resize(30, 30), Resize(5, 5), Resize(12, 9)});
        QVERIFY(FForm->PhotoStrip()->EditedAt(0));

        QTRY_VERIFY_WITH_TIMEOUT(Button("OriImg_Button")->isEnabled(), 500);
        QString question;
        AnswerNextMessage(QMessageBox::Cancel, &question);
        QTest::mouseClick(Button("OriImg_Button"), Qt::LeftButton);
        QCOMPARE(question, QString("현재 사진을 원본상태로 되돌립니다.\r\n저장하지 않은 모든 내용은 지워집니다.\r\n계속 "
                                   "하시겠습니까?"));
        QCOMPARE(Photo().UndoRedoList->Count(), 5);
        QCOMPARE(Photo().Index, 4);
        QCOMPARE(Canvas().Width(), 12);

        // The edit menu enables the item as it opens.
        FForm->RefreshMenuState();
        QVERIFY(FForm->MenuAction("N37")->isEnabled());
        AnswerNextMessage(QMessageBox::Ok);
        FForm->MenuAction("N37")->trigger();
        QCOMPARE(Photo().UndoRedoList->Count(), 0);
        QCOMPARE(Photo().Index, -1);
        QVERIFY(SamePixels(Canvas(), FFile));
        QVERIFY(!FForm->PhotoStrip()->EditedAt(0));
        QCOMPARE(SizePanel(), QString("이미지 크기:40 x 30"));
        for (const char *name : {"Undo_Button", "Redo_Button", "OriImg_Button"})
            QTRY_VERIFY_WITH_TIMEOUT(!Button(name)->isEnabled(), 50);
        QuietFlags();
    }

    // The buttons follow a log that changes outside the commands.
    void pollFollowsTheLog()
    {
        auto states = [this] {
            return QList<bool>{Button("Undo_Button")->isEnabled(), Button("Redo_Button")->isEnabled(),
                               Button("OriImg_Button")->isEnabled(), Button("Button1")->isEnabled()};
        };
        QTRY_COMPARE_WITH_TIMEOUT(states(), QList<bool>({false, false, false, false}), 200);
        OpenWith({});
        QTRY_COMPARE_WITH_TIMEOUT(states(), QList<bool>({false, false, false, true}), 200);
        Photo().LogRecord(Resize(20, 15));
        QTRY_COMPARE_WITH_TIMEOUT(states(), QList<bool>({true, false, true, true}), 200);
        Photo().LogRecord(Resize(10, 8));
        Photo().Index = 0;
        QTRY_COMPARE_WITH_TIMEOUT(states(), QList<bool>({true, true, true, true}), 200);
        Photo().Index = -1;
        QTRY_COMPARE_WITH_TIMEOUT(states(), QList<bool>({false, true, true, true}), 200);
        FForm->PhotoStrip()->currentItem()->setSelected(false);
        QTRY_COMPARE_WITH_TIMEOUT(states(), QList<bool>({false, false, false, false}), 200);

        FForm->CanvasWidget()->hide();
        QTRY_VERIFY_WITH_TIMEOUT(!FForm->CanvasWidget()->isHidden(), 200);
    }

    void failedStepChangesNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("fileGone");
        QTest::addColumn<QString>("heading");
        QTest::newRow("undo, record fails") << "undo" << false << "작업을 취소하지 못했습니다.";
        QTest::newRow("redo, record fails") << "redo" << false << "작업을 다시 실행하지 못했습니다.";
        QTest::newRow("undo, file no longer decodes") << "undo" << true << "작업을 취소하지 못했습니다.";
        QTest::newRow("back to the original, file no longer decodes")
            << "original" << true << "원본사진으로 되돌리지 못했습니다.";
    }

    void failedStepChangesNothing()
    {
        QFETCH(QString, command);
        QFETCH(bool, fileGone);
        QFETCH(QString, heading);
        OpenWith({Resize(20, 15), Filter(), Resize(10, 8), Resize(7, 7)});
        // Redo starts one record back, undo at the last one; both replay the
        // filter after the first resize has already redrawn the canvas.
        if (command == "redo") {
            Photo().Index = 2;
            FForm->Documents()->ReloadPhoto(0);
        }
        const int position = Photo().Index;
        TBitmap32 before;
        before.Assign(Canvas());
        auto records = [this] {
            QStringList texts;
            for (int i = 0; i < Photo().UndoRedoList->Count(); ++i)
                texts << Photo().UndoRedoList->GetItem(i).Apply_Str;
            return texts;
        };
        const QStringList log = records();
        FBlockedDuringReplay = false;

        FFilterFails = !fileGone;
        if (fileGone) {
            QFile file(FPhoto);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("not a picture");
        }
        QStringList messages;
        if (command == "undo") {
            AnswerMessagesWithOk(1, &messages);
            History().Undo_ButtonClick();
        } else if (command == "redo") {
            AnswerMessagesWithOk(1, &messages);
            History().Redo_ButtonClick();
        } else {
            AnswerMessagesWithOk(2, &messages); // the question, then the failure
            History().N37Click();
        }

        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), command == "original" ? 2 : 1, 500);
        QVERIFY2(messages.last().startsWith(heading + "\n\n"), qPrintable(messages.last()));
        QVERIFY2(fileGone || messages.last().contains("the effect failed"), qPrintable(messages.last()));
        QCOMPARE(Photo().Index, position);
        QVERIFY(SamePixels(Canvas(), before));
        QCOMPARE(records(), log);
        QCOMPARE(FBlockedDuringReplay, !fileGone);
        QuietFlags();
    }

    void emptyListDoesNothing()
    {
        History().Undo_ButtonClick();
        History().Redo_ButtonClick();
        History().N37Click(); // no photo: no question either
        QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(FDataModule->FUndoRedoImgList.Count(), 0);
        QuietFlags();
        // The edit-mode switch still reacts.
        FForm->SetEditMode(iectGif);
        QCOMPARE(FForm->NowWorkType(), iectGif);
    }

    // A failed step puts back the raster, the layers' places and the log.
    void backupRestoresCanvasLayersAndLog()
    {
        TImgView32 view;
        view.Bitmap().SetSize(4, 3);
        view.Bitmap().Clear(Color32(1, 2, 3));
        TImageLayer &kept = view.AddLayer(lkBitmap);
        kept.Location = QRectF(1, 1, 2, 2);
        TUndoRedoList log;
        log.AddItem(Resize(2, 2));
        log.AddItem(Filter());

        TStepBackup backup;
        backup.Take(view, log);
        view.Bitmap().SetSize(9, 9);
        view.Bitmap().Clear(Color32(9, 9, 9));
        kept.Hide();
        kept.Visible = false;
        view.AddLayer(lkBitmap);
        log.GetItem(1).Apply_Str = Resize(3, 3);
        backup.Restore(view, log);

        QCOMPARE(view.Bitmap().Width(), 4);
        QCOMPARE(view.Bitmap().Pixel(3, 2), Color32(1, 2, 3));
        QCOMPARE(view.LayerCount(), 1);
        QCOMPARE(view.Layer(0).Location, QRectF(1, 1, 2, 2));
        QVERIFY(view.Layer(0).Visible);
        QCOMPARE(log.GetItem(1).Apply_Str, Filter());
    }
};

QTEST_MAIN(HistoryUiTest)
#include "HistoryUiTest.moc"
