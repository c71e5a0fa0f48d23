#include "documents/DocumentCommands.h"

#include "app/DataModule.h"
#include "app/OpeningForm.h"
#include "documents/ImageCodecs.h"
#include "documents/PhotoStrip.h"
#include "documents/Thumbnail.h"
#include "documents/ViewZoom.h"
#include "history/HistorySteps.h"
#include "platform/ImageViewWidget.h"
#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString T(const QString &korean) { return TVL_DM::_T(korean); }

// The open dialog's filter list, its fifth entry (all pictures) first chosen.
const QStringList OpenFilters = {
    QStringLiteral("JPEG Image File (*.jpg *.jpeg)"), QStringLiteral("PNG Image File (*.png)"),
    QStringLiteral("Bitmaps (*.bmp)"),                QStringLiteral("GIF Image (*.gif)"),
    QStringLiteral("All pictures (*.jpg *.jpeg *.png *.bmp *.gif)"), QStringLiteral("All files (*)")};

const QStringList SaveFilters = {QStringLiteral("JPEG Image File (*.jpg)"), QStringLiteral("PNG Image File (*.Png)"),
                                 QStringLiteral("Bitmaps (*.bmp)")};

} // namespace

TDocumentCommands::TDocumentCommands(TVL_DM &dataModule, TDocumentHost host, QString &defaultPath_,
                                     bool &defaultPathFlag_, QObject *parent)
    : QObject(parent), FDataModule(dataModule), FHost(std::move(host)), defaultPath(defaultPath_),
      defaultPathFlag(defaultPathFlag_)
{
    FHost.Strip->EditedAt = [this](int row) {
        return row >= 0 && row < FDataModule.FUndoRedoImgList.Count() &&
               FDataModule.FUndoRedoImgList.GetItem(row).Index >= 0;
    };
    connect(FHost.Strip, &TPhotoStrip::PhotoPressed, this, &TDocumentCommands::ImgOpen_ListViewMouseDown);
    connect(FHost.Strip, &TPhotoStrip::FilesDropped, this,
            [this](const QStringList &paths) { ImageOpen(false, true, paths); });
    connect(this, &TDocumentCommands::PhotosChanged, FHost.Strip->viewport(), qOverload<>(&QWidget::update));

    // The before-view and the raster as opened follow every decode of a replay.
    FDataModule.FReplay.Hooks.AfterDecode = [this](const TBitmap32 &decoded) {
        FHost.Before.Bitmap().Assign(decoded);
        FHost.Before.Changed();
        FDataModule.FOriBitmap.Assign(decoded);
    };
}

TDocumentCommands::~TDocumentCommands() { FDataModule.FReplay.Hooks.AfterDecode = nullptr; }

THistorySession TDocumentCommands::Session()
{
    return THistorySession{FDataModule.FReplay, FDataModule.FUndoRedoImgList, FHost.Canvas, LoadPhotoFile};
}

int TDocumentCommands::SelectedPhoto() const
{
    const int row = FHost.Strip->currentRow();
    return row >= 0 && row < FDataModule.FUndoRedoImgList.Count() && FHost.Strip->currentItem() &&
                   FHost.Strip->currentItem()->isSelected()
               ? row
               : -1;
}

void TDocumentCommands::ReportDecodeFailures(const QStringList &failures)
{
    if (failures.isEmpty())
        return;
    ShowError(FHost.Window, T(QStringLiteral("다음 사진을 열 수 없습니다.")) + QStringLiteral("\n\n") +
                                failures.join(u'\n'));
}

bool TDocumentCommands::AddPhoto(const QString &path, QString *failure)
{
    try {
        FDataModule.FOriBitmap.SetDrawMode(dmOpaque);
        LoadPhotoFile(path, FDataModule.FOriBitmap);
    } catch (const std::exception &error) {
        *failure = QFileInfo(path).fileName() + QStringLiteral(": ") + QString::fromUtf8(error.what());
        return false;
    }
    const TBitmap32 &photo = FDataModule.FOriBitmap;
    FHost.Canvas.Bitmap().Assign(photo);
    FHost.Before.Bitmap().Assign(photo);
    FHost.Join.Bitmap().Assign(photo);
    if (FHost.Set_ImgEditControl_OP)
        FHost.Set_ImgEditControl_OP();
    FDataModule.FOriImgPath = path;
    FDataModule.FOriW = photo.Width();
    FDataModule.FOriH = photo.Height();

    TUndoRedoImgListItem &item =
        FDataModule.FUndoRedoImgList.AddItem(-1, path, std::make_unique<TUndoRedoList>());
    item.Index = -1;
    FThumbnails.append(MakeThumbnail(photo).ToImage());
    FHost.Strip->AddThumbnail(FThumbnails.last());
    const bool joinMode = FHost.Mode && FHost.Mode() == iectImgPaste;
    FListLastIndex = FDataModule.FUndoRedoImgList.Count() - 1;
    FHost.Strip->setCurrentRow(FListLastIndex);
    if (FHost.SetMainMenu)
        FHost.SetMainMenu(mmtImg);
    FHost.Canvas.ClearLayers();
    // Outside the join mode: the view-tab change, which resets the edit layers first.
    if (!joinMode)
        FHost.Zoom->PageControl1Change();
    FHost.Zoom->Ori_PNGButtonClick();
    FHost.Canvas.Changed();
    FHost.Before.Changed();
    FHost.Join.Changed();
    Q_EMIT PhotosChanged();
    return true;
}

void TDocumentCommands::ImageOpen(bool ABtnClick, bool AAddDragAndDrop, const QStringList &ADropList)
{
    FHost.Strip->setGridSize(QSize(70, 70));
    if (AAddDragAndDrop) {
        // Every file gets its chance; those that fail are named together.
        QStringList failures;
        for (const QString &path : ADropList) {
            if (FDataModule.FUndoRedoImgList.IndexOfPath(path) >= 0)
                continue;
            QString failure;
            if (!AddPhoto(path, &failure))
                failures << failure;
        }
        FHost.Zoom->SetStatusBar(sbtNorInfo);
        ReportDecodeFailures(failures);
        return;
    }
    QString path;
    if (ChooseOpenFile) {
        path = ChooseOpenFile();
    } else {
        QFileDialog dialog(FHost.Window);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(OpenFilters);
        dialog.selectNameFilter(OpenFilters[4]);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (!path.isEmpty()) {
        if (FDataModule.FUndoRedoImgList.IndexOfPath(path) >= 0)
            return;
        if (ABtnClick)
            QCursor::setPos(FBtn_Pt);
        QString failure;
        if (!AddPhoto(path, &failure))
            ReportDecodeFailures({failure});
        QApplication::processEvents();
    }
    FHost.Zoom->SetStatusBar(sbtNorInfo);
}

void TDocumentCommands::ImgOpen_ListViewMouseDown(int row, bool insideItem)
{
    if (row < 0 || (FHost.Mode && FHost.Mode() == iectImgPaste)) {
        if (FListLastIndex < FHost.Strip->count())
            FHost.Strip->setCurrentRow(FListLastIndex);
        return;
    }
    if (FListMode || !insideItem || row == FListLastIndex)
        return;
    FHost.WaitBox->ShowWaiting();
    QList<bool> wasEnabled;
    for (QAbstractButton *button : FHost.HistoryButtons) {
        wasEnabled << button->isEnabled();
        button->setEnabled(false);
    }
    FHost.Strip->setEnabled(false);
    QApplication::processEvents();
    SwitchToSelectedPhoto();
    FHost.WaitBox->FormUserClose();
    FHost.Strip->setEnabled(true);
    for (int i = 0; i < FHost.HistoryButtons.size(); ++i)
        FHost.HistoryButtons[i]->setEnabled(wasEnabled[i]);
    FHost.Zoom->Refit();
}

void TDocumentCommands::SwitchToSelectedPhoto()
{
    const int selected = FHost.Strip->currentRow();
    if (selected < 0 || selected >= FDataModule.FUndoRedoImgList.Count())
        return;
    FListMode = true;
    if (FHost.ResetEditLayers)
        FHost.ResetEditLayers();
    FDataModule.FReplay.FFilterList.Clear();
    THistorySession session = Session();
    try {
        SwitchToPhoto(session, selected);
        FListLastIndex = selected;
        const TUndoRedoImgListItem &photo = FDataModule.FUndoRedoImgList.GetItem(selected);
        FDataModule.FOriImgPath = photo.OriFilePath;
        FDataModule.FOriW = FDataModule.FOriBitmap.Width();
        FDataModule.FOriH = FDataModule.FOriBitmap.Height();
    } catch (const std::exception &error) {
        // The photo that was current stays on the canvas and selected. A record
        // that failed after the decode left the other photo half rebuilt, so the
        // current one is rebuilt again.
        FHost.Strip->setCurrentRow(FListLastIndex);
        if (FListLastIndex >= 0 && FListLastIndex < FDataModule.FUndoRedoImgList.Count()) {
            try {
                SwitchToPhoto(session, FListLastIndex);
            } catch (const std::exception &) {
                // It rebuilt before; if even that fails now, the message below stands for both.
            }
        }
        ShowError(FHost.Window, T(QStringLiteral("다음 사진을 열 수 없습니다.")) + QStringLiteral("\n\n") +
                                    QString::fromUtf8(error.what()));
    }
    FListMode = false;
    FHost.Zoom->SetStatusBar(sbtNorInfo);
    FHost.Canvas.Changed();
    Q_EMIT PhotosChanged();
}

void TDocumentCommands::ReloadPhoto(int AIndex)
{
    if (AIndex < 0 || AIndex >= FDataModule.FUndoRedoImgList.Count())
        return;
    if (FHost.ResetEditLayers)
        FHost.ResetEditLayers();
    FDataModule.FReplay.FFilterList.Clear();
    THistorySession session = Session();
    try {
        ::ReloadPhoto(session, AIndex);
    } catch (const std::exception &error) {
        ShowError(FHost.Window, QString::fromUtf8(error.what()));
    }
    FListLastIndex = AIndex;
    FHost.Canvas.Changed();
}

void TDocumentCommands::ClearViews()
{
    for (TImgView32 *view : {&FHost.Canvas, &FHost.Before, &FHost.Join}) {
        view->ClearLayers();
        view->Bitmap().SetSize(0, 0);
        view->Changed();
    }
}

void TDocumentCommands::RebuildStrip()
{
    FHost.Strip->clear();
    for (const QImage &thumbnail : FThumbnails)
        FHost.Strip->AddThumbnail(thumbnail);
}

bool TDocumentCommands::RemoveSelectedPhoto()
{
    const int selected = SelectedPhoto();
    if (selected < 0)
        return true;
    if (FDataModule.FUndoRedoImgList.GetItem(selected).UndoRedoList->Count() > 0) {
        const QMessageBox::StandardButton answer =
            AskYesNoCancel(FHost.Window, T(QStringLiteral("현재 변경된(단일) 파일을 바탕화면에 새로 저장하시겠습니까?")));
        // A save that failed keeps the photo and its edits.
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !QuickSave()))
            return false;
    }
    FDataModule.FUndoRedoImgList.DeleteItem(selected);
    FThumbnails.removeAt(selected);
    FDataModule.FReplay.FFilterList.Clear();
    FHost.Canvas.ClearLayers();
    RebuildStrip();
    FListLastIndex = FDataModule.FUndoRedoImgList.Count() - 1;
    if (FListLastIndex < 0) {
        FListLastIndex = 0;
        ClearViews();
        FHost.Zoom->SetStatusBar(sbtNorInfo, {}, true);
        if (FHost.SetMainMenu)
            FHost.SetMainMenu(mmtNoImg);
    } else {
        FHost.Strip->setCurrentRow(FListLastIndex);
        ReloadPhoto(FListLastIndex);
        FHost.Zoom->Refit();
        FHost.Zoom->SetStatusBar(sbtNorInfo);
        QApplication::processEvents();
    }
    Q_EMIT PhotosChanged();
    return true;
}

void TDocumentCommands::RemoveAllPhotos()
{
    FDataModule.FUndoRedoImgList.Clear();
    FThumbnails.clear();
    FHost.Strip->clear();
    FListLastIndex = 0;
    ClearViews();
    FHost.Zoom->SetStatusBar(sbtNorInfo, {}, true);
    Q_EMIT PhotosChanged();
}

void TDocumentCommands::RenderForSave(TBitmap32 &target) const
{
    if (FHost.Mode && FHost.Mode() == iectImgPaste)
        target.Assign(FHost.Join.Bitmap());
    else
        FHost.Canvas.RenderViewToBitmap(target);
}

bool TDocumentCommands::WriteCanvas(const QString &requested, QString *written)
{
    *written = PhotoWritePath(requested);
    try {
        TBitmap32 picture;
        RenderForSave(picture);
        SavePhotoFile(*written, picture);
        return true;
    } catch (const std::exception &error) {
        ShowError(FHost.Window, T(QStringLiteral("파일을 저장하지 못했습니다.")) + QStringLiteral("\n\n") +
                                    QDir::toNativeSeparators(*written) + QStringLiteral("\n") +
                                    QString::fromUtf8(error.what()));
        return false;
    }
}

bool TDocumentCommands::QuickSave()
{
    if ((FHost.Mode && FHost.Mode() == iectGif) || FDataModule.FUndoRedoImgList.Count() == 0)
        return false;
    const int selected = SelectedPhoto() >= 0 ? SelectedPhoto() : FListLastIndex;
    const QString name = QFileInfo(FDataModule.FUndoRedoImgList.GetItem(selected).OriFilePath).fileName();
    // A fresh account may have no desktop folder yet; a folder the user
    // chose is never made up.
    if (!defaultPathFlag)
        QDir().mkpath(defaultPath);
    QString written;
    if (!WriteCanvas(defaultPath + QStringLiteral("/Vellumi_") + name, &written))
        return false;
    ShowMessage(FHost.Window, QDir::toNativeSeparators(written) + T(QStringLiteral(" 로 저장되었습니다.")));
    return true;
}

void TDocumentCommands::SaveAs()
{
    if (FDataModule.FUndoRedoImgList.Count() == 0)
        return;
    QString chosen;
    const QString proposed = QFileInfo(FDataModule.FOriImgPath).completeBaseName() + QStringLiteral(".bmp");
    if (ChooseSaveFile) {
        chosen = ChooseSaveFile(proposed);
    } else {
        QFileDialog dialog(FHost.Window);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(SaveFilters);
        dialog.selectNameFilter(SaveFilters[2]);
        dialog.setDefaultSuffix(QStringLiteral("bmp"));
        dialog.setDirectory(defaultPath);
        dialog.selectFile(proposed);
        // SaveNor_DialogTypeChange: the default extension follows the filter.
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
            const int entry = SaveFilters.indexOf(filter);
            dialog.setDefaultSuffix(entry == 0 ? QStringLiteral("jpg") : entry == 1 ? QStringLiteral("png")
                                                                                    : QStringLiteral("bmp"));
        });
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().first();
    }
    if (chosen.isEmpty())
        return;
    QString written;
    if (WriteCanvas(chosen, &written))
        ShowMessage(FHost.Window, T(QStringLiteral("저장이 완료되었습니다.")));
}

void TDocumentCommands::ChooseDefaultFolder()
{
    const QString folder = ChooseFolder ? ChooseFolder()
                                        : QFileDialog::getExistingDirectory(FHost.Window, QString(), defaultPath);
    if (folder.isEmpty())
        return;
    defaultPathFlag = true;
    defaultPath = QDir::cleanPath(folder);
    ShowMessage(FHost.Window, T(QStringLiteral("기본 저장 경로가 \"%s\"로 변경되었습니다."))
                                  .replace(QStringLiteral("%s"), QDir::toNativeSeparators(defaultPath)));
}

bool TDocumentCommands::AskSave()
{
    const int selected = SelectedPhoto();
    if (selected < 0)
        return false;
    if (FDataModule.FUndoRedoImgList.GetItem(selected).UndoRedoList->Count() > 0) {
        const QMessageBox::StandardButton answer = AskYesNoCancel(
            FHost.Window, T(QStringLiteral("현재 변경된(단일) 파일을 %s 에 저장하시겠습니까?"))
                              .replace(QStringLiteral("%s"), QDir::toNativeSeparators(defaultPath)));
        // The window stays open when the save failed: closing would lose the edits.
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !QuickSave()))
            return true;
    }
    return false;
}

void TDocumentCommands::CopyToClipboard()
{
    if (FHost.Canvas.Bitmap().Empty())
        return;
    if (FHost.ResetEditLayers)
        FHost.ResetEditLayers();
    TBitmap32 picture;
    FHost.Canvas.RenderViewToBitmap(picture);
    QApplication::clipboard()->setImage(picture.ToOpaqueImage());
}

void TDocumentCommands::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (ChoosePrinter) {
        if (!ChoosePrinter(printer))
            return;
    } else {
        QPrintDialog dialog(&printer, FHost.Window);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    const TBitmap32 &photo = FHost.Canvas.Bitmap();
    if (photo.Width() == 0) {
        ShowMessage(FHost.Window, T(QStringLiteral("출력할 이미지가 없습니다.")));
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowError(FHost.Window, T(QStringLiteral("인쇄를 시작하지 못했습니다.")));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PrintTarget(int(printer.pageRect(QPrinter::DevicePixel).width()), photo.Width(), photo.Height()),
                      photo.ToOpaqueImage());
    painter.end();
}

QRect TDocumentCommands::PrintTarget(int pageWidth, int width, int height)
{
    const double scale = double(pageWidth) / width;
    return {0, 0, int(width * scale), int(height * scale)};
}
