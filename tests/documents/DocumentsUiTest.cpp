#include "app/DataModule.h"
#include "app/MainForm.h"
#include "documents/DocumentCommands.h"
#include "documents/ImageCodecs.h"
#include "documents/PhotoStrip.h"
#include "documents/ViewZoom.h"
#include "effects/ui/FilterPanel.h"
#include "platform/ImageViewWidget.h"
#include "platform/Slider.h"
#include "support/ScenePhoto.h"
#include "support/UiTestSupport.h"

#include <QtTest>
#include <QtWidgets>
#include <QPrinter>

namespace {

void WritePhoto(const QString &path, int w, int h, TColor32 colour)
{
    TBitmap32 b(w, h);
    b.Clear(colour);
    SavePhotoFile(path, b);
}

// A photo edited once (its log holds one record, applied).
void EditOnce(TUndoRedoImgListItem &photo) { photo.LogRecord(QStringLiteral("크기변경 (10,10)")); }

bool ShowsOpaque(const QImage &shot, QPoint at, QColor colour)
{
    const QRgb pixel = shot.pixel(at);
    return qAlpha(pixel) == 255 && QColor(pixel) == colour;
}

} // namespace

class DocumentsUiTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString FSea, FSky, FRose;
    std::unique_ptr<TVL_DM> FDataModule;
    std::unique_ptr<TVL_Main_Form> FForm;

    TDocumentCommands &Docs() { return *FForm->Documents(); }
    TUndoRedoImgList &Photos() { return FDataModule->FUndoRedoImgList; }
    QStringList Panels()
    {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << FForm->StatusPanel(i)->text();
        return texts;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        qputenv("VELLUMI_REGISTRY", FDir.filePath("registry.json").toUtf8());
        qputenv("XDG_CONFIG_HOME", FDir.filePath("config").toUtf8());
        FSea = FDir.filePath("sea.jpg");
        FSky = FDir.filePath("sky.png");
        FRose = FDir.filePath("rose.bmp");
        WritePhoto(FSea, 64, 48, Color32(0, 90, 200));
        WritePhoto(FSky, 30, 60, Color32(250, 250, 0));
        WritePhoto(FRose, 20, 20, Color32(255, 0, 0));
    }

    void init()
    {
        FDataModule = std::make_unique<TVL_DM>();
        FForm = std::make_unique<TVL_Main_Form>(FDataModule.get());
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
        FForm->defaultPath = FDir.filePath("out");
        QDir().mkpath(FForm->defaultPath);
    }

    void cleanup()
    {
        FForm.reset();
        FDataModule.reset();
    }

    void emptyStatusBar()
    {
        const QStringList texts = Panels();
        QCOMPARE(texts.mid(0, 4), QStringList({"", "이미지 크기:0 x 0", "선택된 개체:(0)", "총 0 개체"}));
    }

    void samePathInAnotherCaseOpensOnce()
    {
        Docs().ImageOpen(false, true, {FSea});
        Docs().ImageOpen(false, true, {FSea.toUpper().replace(FDir.path().toUpper(), FDir.path())});
        QCOMPARE(Photos().Count(), 1);
        QCOMPARE(FForm->PhotoStrip()->count(), 1);
        QCOMPARE(FForm->Canvas().Bitmap().Width(), 64);
        const QStringList texts = Panels();
        QCOMPARE(texts[0], QString("sea.jpg"));
        QCOMPARE(texts[1], QString("이미지 크기:64 x 48"));
        QCOMPARE(texts[3], QString("총 1 개체"));
        QVERIFY(texts[2].startsWith("선택된 개체:1("));
        QVERIFY(FForm->MenuAction("N31")->isEnabled());
    }

    void sizeTextFollowsTheCanvas()
    {
        Docs().ImageOpen(false, true, {FSea});
        QCOMPARE(Panels()[1], QString("이미지 크기:64 x 48"));
        FForm->MenuAction("N901")->trigger();
        QCOMPARE(Panels()[1], QString("이미지 크기:48 x 64"));
    }

    void dropOnTheStripTakesOnlyPictureExtensions()
    {
        const QString upper = FDir.filePath("photo.JPEG");
        const QString tif = FDir.filePath("scan.tif");
        QFile::copy(FSea, upper);
        QFile::copy(FSky, tif);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(upper), QUrl::fromLocalFile(tif), QUrl::fromLocalFile(FSky)});
        TPhotoStrip *strip = FForm->PhotoStrip();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip->viewport(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip->viewport(), &drop);
        QCOMPARE(Photos().Count(), 2);
        QCOMPARE(Photos().GetItem(0).OriFilePath, upper);
        QCOMPARE(Photos().GetItem(1).OriFilePath, FSky);
        QCOMPARE(strip->currentRow(), 1);
    }

    void fileMenuStateFollowsTheEdits()
    {
        Docs().ImageOpen(false, true, {FSea});
        FForm->RefreshMenuState();
        QVERIFY(!FForm->MenuAction("N30")->isEnabled());
        QVERIFY(FForm->MenuAction("N31")->isEnabled());

        Docs().ImageOpen(false, true, {FSky});
        Photos().GetItem(1).LogRecord(QStringLiteral("크기변경 (10,10)"));
        FForm->RefreshMenuState();
        QVERIFY(FForm->MenuAction("N30")->isEnabled());
        QVERIFY(FForm->MenuAction("N37")->isEnabled());

        // Opening the menu recomputes it.
        Photos().GetItem(1).Index = -1;
        Q_EMIT FForm->Menu("N1")->aboutToShow();
        QVERIFY(!FForm->MenuAction("N30")->isEnabled());
    }

    void dropOnTheWindowTakesExistingFilesOnly()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(FDir.path()), QUrl::fromLocalFile(FSea),
                      QUrl::fromLocalFile(FDir.filePath("gone.png")), QUrl::fromLocalFile(FRose)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FForm.get(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FForm.get(), &drop);
        QCOMPARE(Photos().Count(), 2);
        QCOMPARE(Photos().GetItem(1).OriFilePath, FRose);
    }

    void undecodableDropsAreNamedAndTheRestOpens()
    {
        const QString broken = FDir.filePath("broken.png");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n garbage");
        file.close();
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        Docs().ImageOpen(false, true, {FSea, broken, FSky});
        QCOMPARE(Photos().Count(), 2);
        QVERIFY2(message.contains("broken.png"), qPrintable(message));
        QCOMPARE(FForm->Canvas().Bitmap().Width(), 30); // the last good one is current
    }

    void removalAsksOnlyForAnEditedPhoto()
    {
        Docs().ImageOpen(false, true, {FSea, FSky});
        Docs().RemoveSelectedPhoto(); // sky, unedited: no question
        QCOMPARE(Photos().Count(), 1);

        Photos().GetItem(0).LogRecord(QStringLiteral("크기변경 (10,10)"));
        FForm->PhotoStrip()->setCurrentRow(0);
        AnswerNextMessage(QMessageBox::Cancel);
        QVERIFY(!Docs().RemoveSelectedPhoto());
        QCOMPARE(Photos().Count(), 1);
        AnswerNextMessage(QMessageBox::No);
        QVERIFY(Docs().RemoveSelectedPhoto());
        QCOMPARE(Photos().Count(), 0);
        QCOMPARE(Panels()[1], QString("이미지 크기:0 x 0"));
        QVERIFY(FForm->Canvas().Bitmap().Empty());
        QVERIFY(!FForm->MenuAction("N31")->isEnabled());
    }

    void removingTheSecondOfThreeMakesTheThirdCurrent()
    {
        Docs().ImageOpen(false, true, {FSea, FSky, FRose});
        FForm->PhotoStrip()->setCurrentRow(1);
        Docs().RemoveSelectedPhoto();
        QCOMPARE(Photos().Count(), 2);
        QCOMPARE(FForm->PhotoStrip()->currentRow(), 1);
        QCOMPARE(Photos().GetItem(1).OriFilePath, FRose);
        QCOMPARE(FForm->Canvas().Bitmap().Width(), 20);
        QCOMPARE(FForm->PhotoStrip()->count(), 2);
    }

    void yesSavesFirstAndAFailedSaveKeepsThePhoto_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::addColumn<bool>("writable");
        QTest::newRow("removal, saved") << false << true;
        QTest::newRow("removal, save failed") << false << false;
        QTest::newRow("close, saved") << true << true;
        QTest::newRow("close, save failed") << true << false;
    }

    void yesSavesFirstAndAFailedSaveKeepsThePhoto()
    {
        QFETCH(bool, closing);
        QFETCH(bool, writable);
        Docs().ImageOpen(false, true, {FSea});
        EditOnce(Photos().GetItem(0));
        // A file where the default folder should be: nothing can be written.
        FForm->defaultPath = FDir.filePath(QString("yes-%1-%2").arg(closing).arg(writable));
        if (writable)
            QDir().mkpath(FForm->defaultPath);
        else
            QVERIFY(QFile(FForm->defaultPath).open(QIODevice::WriteOnly));
        QStringList texts;
        AnswerMessages({QMessageBox::Yes, QMessageBox::Ok}, &texts);
        const bool done = closing ? FForm->close() : Docs().RemoveSelectedPhoto();
        QCOMPARE(done, writable);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[1].startsWith("파일을 저장하지 못했습니다."), !writable);
        QCOMPARE(QFile::exists(FForm->defaultPath + "/Vellumi_sea.jpg"), writable);
        if (closing)
            QCOMPARE(FForm->isVisible(), !writable);
        else
            QCOMPARE(Photos().Count(), writable ? 0 : 1);
        if (!writable)
            QCOMPARE(Photos().GetItem(0).UndoRedoList->Count(), 1); // the edit is still there
    }

    void removalRefitsWhileFitIsInForce()
    {
        const QString wide = FDir.filePath("wide-fit.png"), tall = FDir.filePath("tall-fit.png");
        WritePhoto(wide, 1600, 800, Color32(0, 200, 0));
        WritePhoto(tall, 600, 1200, Color32(0, 0, 200));
        Docs().ImageOpen(false, true, {wide, tall});
        auto *fit = FForm->findChild<QAbstractButton *>("SetImg_PNGButton");
        fit->click();
        QCoreApplication::processEvents(); // the scroll bars' going refits too
        const int tallFit = FForm->ResolutionSlider()->Value();
        Docs().RemoveSelectedPhoto();
        QCOMPARE(FForm->Canvas().Bitmap().Width(), 1600);
        const int afterRemoval = FForm->ResolutionSlider()->Value();
        QVERIFY(afterRemoval != tallFit);
        fit->click();
        QCOMPARE(FForm->ResolutionSlider()->Value(), afterRemoval);
        QCOMPARE(FForm->Canvas().Scale(), afterRemoval / 400.0);
    }

    void removeAllAsksNothing()
    {
        Docs().ImageOpen(false, true, {FSea, FSky});
        Photos().GetItem(0).LogRecord(QStringLiteral("크기변경 (10,10)"));
        Docs().RemoveAllPhotos();
        QCOMPARE(Photos().Count(), 0);
        QCOMPARE(FForm->PhotoStrip()->count(), 0);
    }

    void switchingDecodesTheClickedPhoto()
    {
        Docs().ImageOpen(false, true, {FSea, FSky});
        TPhotoStrip *strip = FForm->PhotoStrip();
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->visualItemRect(strip->item(0)).center());
        QCOMPARE(Docs().FListLastIndex, 0);
        QCOMPARE(FForm->Canvas().Bitmap().Width(), 64);
        QCOMPARE(FDataModule->FOriBitmap.Width(), 64);
        QCOMPARE(Panels()[0], QString("sea.jpg"));
    }

    void aSwitchWhoseRecordFailsKeepsTheCurrentPhoto()
    {
        Docs().ImageOpen(false, true, {FSea, FSky});
        QCOMPARE(Docs().FListLastIndex, 1);
        // Decodes, then cannot have the raster its record asks for.
        Photos().GetItem(0).LogRecord(QStringLiteral("크기변경 (200000,200000)"));
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        TPhotoStrip *strip = FForm->PhotoStrip();
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->visualItemRect(strip->item(0)).center());
        QVERIFY(!message.isEmpty());
        QCOMPARE(Docs().FListLastIndex, 1);
        QCOMPARE(strip->currentRow(), 1);
        QCOMPARE(FForm->Canvas().Bitmap().Width(), 30);
        QCOMPARE(FDataModule->FOriBitmap.Width(), 30);
        QCOMPARE(Panels()[0], QString("sky.png"));
    }

    void aClickOnEmptyStripSpaceKeepsThePhotoSelected()
    {
        Docs().ImageOpen(false, true, {FSea, FSky});
        TPhotoStrip *strip = FForm->PhotoStrip();
        const QRect last = strip->visualItemRect(strip->item(1));
        const QPoint empty(last.right() + 40, last.center().y());
        QVERIFY(strip->viewport()->rect().contains(empty));
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(Docs().SelectedPhoto(), 1);
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
        QCOMPARE(Docs().SelectedPhoto(), 1);
        QCOMPARE(Docs().FListLastIndex, 1);
        QVERIFY(Docs().RemoveSelectedPhoto());
        QCOMPARE(Photos().Count(), 1);
    }

    void stripFramesTheSelectedPhotoAndMarksAppliedRecords()
    {
        // Three copies of one file: equal thumbnails, so only frame and mark differ.
        QStringList copies;
        for (const char *name : {"same-a.jpg", "same-b.jpg", "same-c.jpg"}) {
            copies << FDir.filePath(name);
            QFile::copy(FSea, copies.last());
        }
        Docs().ImageOpen(false, true, copies);
        EditOnce(Photos().GetItem(0));
        EditOnce(Photos().GetItem(1));
        Photos().GetItem(1).Index = -1; // its record is undone
        Q_EMIT Docs().PhotosChanged();
        TPhotoStrip *strip = FForm->PhotoStrip();
        const QImage shot = strip->viewport()->grab().toImage();
        auto item = [&](int row) { return strip->visualItemRect(strip->item(row)); };
        auto markArea = [&](int row) { return shot.copy(QRect(item(row).topLeft() + QPoint(7, 9), QSize(15, 22))); };
        QVERIFY(markArea(0) != markArea(1));
        QCOMPARE(markArea(1), markArea(2));
        const QColor orange(254, 122, 37);
        auto leftEdge = [&](int row) { return shot.pixelColor(item(row).left() + 5, item(row).center().y()); };
        QCOMPARE(leftEdge(2), orange);
        QVERIFY(leftEdge(0) != orange);
        QVERIFY(leftEdge(1) != orange);
    }

    void quickSaveWritesThePrefixedNameAtQuality100()
    {
        Docs().ImageOpen(false, true, {FSea});
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        FForm->findChild<QAbstractButton *>("Button1")->click();
        const QString written = FForm->defaultPath + "/Vellumi_sea.jpg";
        QVERIFY(QFile::exists(written));
        QCOMPARE(message, QDir::toNativeSeparators(written) + " 로 저장되었습니다.");
        // Quality 100: every entry of the quantisation tables is 1.
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int dqt = bytes.indexOf("\xFF\xDB");
        QVERIFY(dqt > 0);
        for (int i = 0; i < 64; ++i)
            QCOMPARE(quint8(bytes[dqt + 5 + i]), quint8(1));
    }

    void saveAsWritesByExtensionAndNeverClaimsAnUnwrittenFile()
    {
        Docs().ImageOpen(false, true, {FSky});
        const QString bmp = FDir.filePath("out/a.bmp");
        Docs().ChooseSaveFile = [&](const QString &) { return bmp; };
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        Docs().SaveAs();
        QCOMPARE(message, QString("저장이 완료되었습니다."));
        QFile file(bmp);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("BM"));

        // An extension that no writer takes is written as PNG under .png.
        Docs().ChooseSaveFile = [&](const QString &) { return FDir.filePath("out/b.tif"); };
        AnswerNextMessage(QMessageBox::Ok);
        Docs().SaveAs();
        QVERIFY(QFile::exists(FDir.filePath("out/b.png")));
        QVERIFY(!QFile::exists(FDir.filePath("out/b.tif")));

        // The desktop is made when it is missing; a chosen folder is not.
        FForm->defaultPath = FDir.filePath("desktop");
        AnswerNextMessage(QMessageBox::Ok);
        Docs().QuickSave();
        QVERIFY(QFile::exists(FDir.filePath("desktop/Vellumi_sky.png")));
        FForm->defaultPathFlag = true;
        FForm->defaultPath = FDir.filePath("no/such/folder");
        AnswerNextMessage(QMessageBox::Ok, &message);
        Docs().QuickSave();
        QVERIFY2(message.startsWith("파일을 저장하지 못했습니다."), qPrintable(message));
    }

    void saveDialogExtensionFollowsTheFilter()
    {
        Docs().ImageOpen(false, true, {FSky});
        QStringList suffixes;
        QString message;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
            suffixes << dialog->defaultSuffix();
            for (Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Home}) {
                QTest::keyClick(types, key);
                suffixes << dialog->defaultSuffix();
            }
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText("typed");
            AnswerNextMessage(QMessageBox::Ok, &message);
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, as OK does
        });
        Docs().SaveAs();
        QCOMPARE(suffixes, QStringList({"bmp", "jpg", "png", "jpg"}));
        QCOMPARE(message, QString("저장이 완료되었습니다."));
        QFile written(FForm->defaultPath + "/typed.jpg");
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(2), QByteArray("\xFF\xD8"));
    }

    void defaultFolderChoiceIsAnnounced()
    {
        const QString folder = FDir.filePath("chosen");
        QDir().mkpath(folder);
        Docs().ChooseFolder = [&] { return folder; };
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        Docs().ChooseDefaultFolder();
        QCOMPARE(FForm->defaultPath, folder);
        QVERIFY(FForm->defaultPathFlag);
        QCOMPARE(message, "기본 저장 경로가 \"" + QDir::toNativeSeparators(folder) + "\"로 변경되었습니다.");
    }

    void closeAsksOnlyAboutAnEditedSelectedPhoto()
    {
        Docs().ImageOpen(false, true, {FSea});
        QVERIFY(!Docs().AskSave());
        Photos().GetItem(0).LogRecord(QStringLiteral("크기변경 (10,10)"));
        QString message;
        AnswerNextMessage(QMessageBox::Cancel, &message);
        QVERIFY(!FForm->close());
        QVERIFY(FForm->isVisible());
        QVERIFY(message.contains(QDir::toNativeSeparators(FForm->defaultPath)));
        AnswerNextMessage(QMessageBox::No);
        QVERIFY(FForm->close());
    }

    void clipboardGetsTheCanvas()
    {
        Docs().ImageOpen(false, true, {FRose});
        Docs().CopyToClipboard();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(20, 20));
        QCOMPARE(QColor(copied.pixel(5, 5)), QColor(255, 0, 0));
    }

    void photosWithZeroAlphaShowOpaqueAndLeaveOpaque()
    {
        // Transparent files and the colour tone's output hold alpha 0.
        const QString clear = FDir.filePath("clear.png");
        QImage transparent(20, 20, QImage::Format_ARGB32);
        transparent.fill(qRgba(255, 0, 0, 0));
        QVERIFY(transparent.save(clear));
        Docs().ImageOpen(false, true, {clear});
        QCOMPARE(FForm->Canvas().Bitmap().Pixel(5, 5), Color32(255, 0, 0, 0));
        const QColor red(255, 0, 0);

        TImgViewWidget *canvas = FForm->CanvasWidget();
        const QPoint inside = (canvas->PictureOrigin() + QPointF(5, 5)).toPoint();
        QVERIFY(ShowsOpaque(canvas->viewport()->grab().toImage(), inside, red));
        FForm->findChild<QAbstractButton *>("Plus_PNGButton")->click(); // zoomed, too
        QVERIFY(ShowsOpaque(canvas->viewport()->grab().toImage(), inside, red));

        FForm->MenuAction("N49")->trigger();
        auto *before = FForm->findChild<TImgViewWidget *>("Ori_ImgView");
        QVERIFY(ShowsOpaque(before->viewport()->grab().toImage(), before->viewport()->rect().center(), red));

        Docs().CopyToClipboard();
        const QImage copied = QApplication::clipboard()->image();
        QVERIFY(!copied.hasAlphaChannel());
        QVERIFY(ShowsOpaque(copied, QPoint(5, 5), red));
    }

    void printingFitsThePageWidth()
    {
        QCOMPARE(TDocumentCommands::PrintTarget(4800, 2000, 1000), QRect(0, 0, 4800, 2400));
        const QString wide = FDir.filePath("wide.png");
        WritePhoto(wide, 2000, 1000, Color32(200, 0, 0));
        Docs().ImageOpen(false, true, {wide});
        // As the colour tone leaves it: alpha 0 everywhere; paper gets the photo all the same.
        TBitmap32 &photo = FForm->Canvas().Bitmap();
        std::for_each(photo.Bits(), photo.Bits() + photo.PixelCount(), [](TColor32 &pixel) { pixel &= 0x00FFFFFF; });
        const QString pdf = FDir.filePath("print.pdf");
        Docs().ChoosePrinter = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageMargins(QMarginsF(0, 0, 0, 0));
            return true;
        };
        Docs().Print();
        // The page, rendered back: red across the whole width, half as high
        // as wide, white below.
        QProcess render;
        render.start("pdftoppm", {"-r", "20", "-png", "-singlefile", pdf, FDir.filePath("page")});
        QVERIFY(render.waitForFinished(20000));
        QCOMPARE(render.exitCode(), 0);
        const QImage page(FDir.filePath("page.png"));
        QVERIFY(!page.isNull());
        const int w = page.width();
        auto red = [&](int x, int y) { return qRed(page.pixel(x, y)) > 150 && qGreen(page.pixel(x, y)) < 50; };
        auto white = [&](int x, int y) { return qGray(page.pixel(x, y)) > 240; };
        QVERIFY(red(1, 1));
        QVERIFY(red(w - 2, w / 2 - 2));
        QVERIFY(white(w / 2, w / 2 + 3));

        Docs().RemoveAllPhotos();
        QString message;
        AnswerNextMessage(QMessageBox::Ok, &message);
        Docs().Print();
        QCOMPARE(message, QString("출력할 이미지가 없습니다."));
    }

    void zoomCommands()
    {
        Docs().ImageOpen(false, true, {FSea});
        TSlider *slider = FForm->ResolutionSlider();
        auto *value = FForm->findChild<QLabel *>("SliderValue_Panel");
        QCOMPARE(slider->Value(), 400);
        QCOMPARE(value->text(), QString("400%"));

        auto *plus = FForm->findChild<QAbstractButton *>("Plus_PNGButton");
        QTest::mousePress(plus, Qt::LeftButton);
        QCOMPARE(slider->Value(), 410);
        QTRY_VERIFY_WITH_TIMEOUT(slider->Value() >= 430, 1000);
        QTest::mouseRelease(plus, Qt::LeftButton);
        const int held = slider->Value();
        QTest::qWait(250);
        QCOMPARE(slider->Value(), held);
        QCOMPARE(FForm->Canvas().Scale(), held / 400.0);

        FForm->findChild<QAbstractButton *>("Ori_PNGButton")->click();
        QCOMPARE(value->text(), QString("400%"));
        QCOMPARE(FForm->Canvas().Scale(), 1.0);
    }

    void fitUsesASinglePrecisionFactor()
    {
        const QString big = FDir.filePath("big.png");
        WritePhoto(big, 4000, 3000, Color32(10, 10, 10));
        Docs().ImageOpen(false, true, {big});
        TImgViewWidget *canvas = FForm->CanvasWidget();
        // The fit measures the view without its scroll bars.
        canvas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        canvas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FForm->resize(FForm->width() + 800 - canvas->viewport()->width(),
                      FForm->height() + 500 - canvas->viewport()->height());
        QTRY_COMPARE(canvas->viewport()->size(), QSize(800, 500));
        FForm->findChild<QAbstractButton *>("SetImg_PNGButton")->click();
        QCOMPARE(FForm->ResolutionSlider()->Value(), 66);
        QCOMPARE(FForm->Canvas().Scale(), 0.165);
        QCOMPARE(FForm->Zoom()->LastSetImg(), sitSetImg);
        // Fit stays in force: a bigger canvas fits again.
        FForm->resize(FForm->width() + 400, FForm->height() + 250);
        QTRY_COMPARE(canvas->viewport()->size(), QSize(1200, 750));
        QCOMPARE(FForm->ResolutionSlider()->Value(), 100);
    }

    void dualViewDisablesZoomAndShowsTheOriginal()
    {
        Docs().ImageOpen(false, true, {FSea});
        FForm->MenuAction("N49")->trigger();
        auto *minus = FForm->findChild<QAbstractButton *>("Minus_PNGButton");
        QVERIFY(!minus->isEnabled());
        QVERIFY(FForm->findChild<QWidget *>("Ori_Panel")->isVisible());
        QCOMPARE(FForm->CanvasWidget()->parentWidget()->objectName(), QString("Tran_Panel1"));
        QCOMPARE(FForm->CanvasWidget()->ScaleMode(), smResize);
        FForm->MenuAction("N48")->trigger();
        QVERIFY(minus->isEnabled());
        QCOMPARE(FForm->CanvasWidget()->parentWidget()->objectName(), QString("Tran_Panel2"));
    }

    void viewTabChangeDropsAnUnsavedFilterPreview()
    {
        Docs().ImageOpen(false, true, {FRose});
        FForm->SetEditMode(iectFilter);
        auto *panel = FForm->findChild<TFilterPanel *>();
        panel->findChild<TSlider *>("brightness_Slider")->SetValue(20);
        panel->PreviewFilter(0);
        QVERIFY(FForm->Canvas().Bitmap().Pixel(5, 5) != Color32(255, 0, 0));
        FForm->MenuAction("N49")->trigger();
        QCOMPARE(FForm->Canvas().Bitmap().Pixel(5, 5), Color32(255, 0, 0));
        QCOMPARE(Photos().GetItem(0).UndoRedoList->Count(), 0);
    }

    void colourUnderThePointer()
    {
        Docs().ImageOpen(false, true, {FRose});
        TImgViewWidget *canvas = FForm->CanvasWidget();
        const QPointF origin = canvas->PictureOrigin();
        QTest::mouseMove(canvas->viewport(), (origin + QPointF(5, 5)).toPoint());
        QTRY_COMPARE(Panels()[5], QString("R:255 G:0 B:0"));
    }

    void screenshots()
    {
        const QString folder = qEnvironmentVariable("VELLUMI_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set VELLUMI_SCREENSHOT_DIR to write the documentation screenshots");
        // Three made-up scenes: sky over sea, a sunset, a meadow.
        const QStringList names = {"harbour.jpg", "sunset.png", "meadow.bmp"};
        const QList<QList<QColor>> skies = {{QColor(90, 160, 230), QColor(20, 70, 140)},
                                            {QColor(250, 160, 60), QColor(120, 30, 90)},
                                            {QColor(170, 220, 250), QColor(60, 150, 60)}};
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            paths << FDir.filePath(names[i]);
            WriteScenePhoto(paths.last(), 1200, 800,
                            {skies[i][0], skies[i][1], QPointF(300 + 300 * i, 250), 90, 560, skies[i][1].darker(150)});
        }
        FForm->resize(1100, 720);
        Docs().ImageOpen(false, true, paths);
        Photos().GetItem(1).LogRecord(QStringLiteral("크기변경 (10,10)"));
        TPhotoStrip *strip = FForm->PhotoStrip();
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->visualItemRect(strip->item(0)).center());
        FForm->findChild<QAbstractButton *>("SetImg_PNGButton")->click();
        QTest::qWait(200);
        QVERIFY(FForm->grab().save(folder + "/screenshot-three-photos.png"));
        FForm->MenuAction("N49")->trigger();
        QTest::qWait(200);
        QVERIFY(FForm->grab().save(folder + "/screenshot-dual-view.png"));
    }
};

QTEST_MAIN(DocumentsUiTest)
#include "DocumentsUiTest.moc"
