#include "history/ui/HistoryCommands.h"

#include "app/DataModule.h"
#include "documents/ImageCodecs.h"
#include "documents/ViewZoom.h"
#include "history/HistorySteps.h"
#include "platform/ImageViewWidget.h"
#include "platform/MessageBoxes.h"

#include <QAbstractButton>

namespace {

QString T(const QString &korean) { return TVL_DM::_T(korean); }

QString FailureMessage(const QString &translated, const std::exception &error)
{
    return translated + QStringLiteral("\n\n") + QString::fromUtf8(error.what());
}

} // namespace

THistoryCommands::THistoryCommands(TVL_DM &dataModule, THistoryHost host, QObject *parent)
    : QObject(parent), FDataModule(dataModule), FHost(std::move(host))
{
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, &THistoryCommands::Timer1Timer);
    Timer1.start();
}

THistorySession THistoryCommands::Session()
{
    return THistorySession{FDataModule.FReplay, FDataModule.FUndoRedoImgList, FHost.Canvas, LoadPhotoFile};
}

QString THistoryCommands::RunStep(TStep step, bool THistoryButtons::*allowed, const QString &failureText)
{
    TFlagGuard mode2(FDataModule.FReplay.Flags.FUndoRedoMode2, true);
    TFlagGuard block(FHost.FBlockApply, true);
    const int photo = FHost.SelectedPhoto();
    if (!(HistoryButtonStates(FDataModule.FUndoRedoImgList, photo, false, false).*allowed))
        return {};
    TUndoRedoList &log = *FDataModule.FUndoRedoImgList.GetItem(photo).UndoRedoList;
    if (FHost.ResetEditLayers)
        FHost.ResetEditLayers();
    FBackup.Take(FHost.Canvas, log);
    THistorySession session = Session();
    try {
        step(session, photo);
    } catch (const std::exception &error) {
        FBackup.Restore(FHost.Canvas, log);
        return FailureMessage(failureText, error);
    }
    return {};
}

void THistoryCommands::AfterStep(const QString &failure)
{
    if (!FDataModule.FReplay.Flags.FUndoRedoMode3) {
        FHost.Zoom->Refit();
        FHost.Canvas.Changed();
    }
    FHost.Zoom->SetStatusBar(sbtNorInfo);
    FHost.PhotosChanged();
    if (!failure.isEmpty())
        ShowError(FHost.Window, failure);
    // The buttons follow the new position at once, not at the next poll.
    Timer1Timer();
}

void THistoryCommands::Undo_ButtonClick()
{
    FHost.Undo_Button->setEnabled(false);
    AfterStep(RunStep(&::UndoStep, &THistoryButtons::Undo, T(QStringLiteral("작업을 취소하지 못했습니다."))));
}

void THistoryCommands::Redo_ButtonClick()
{
    FHost.Redo_Button->setEnabled(false);
    AfterStep(RunStep(&::RedoStep, &THistoryButtons::Redo, T(QStringLiteral("작업을 다시 실행하지 못했습니다."))));
}

void THistoryCommands::N37Click()
{
    const int photo = FHost.SelectedPhoto();
    if (photo < 0)
        return;
    if (!AskOkCancel(FHost.Window, T(QStringLiteral("현재 사진을 원본상태로 되돌립니다.\r\n저장하지 않은 모든 내용은 "
                                                    "지워집니다.\r\n계속 하시겠습니까?")))) {
        FHost.PhotosChanged();
        return;
    }
    QString failure;
    {
        TFlagGuard block(FHost.FBlockApply, true);
        if (FHost.ResetEditLayers)
            FHost.ResetEditLayers();
        THistorySession session = Session();
        // The file is decoded before anything changes: a failure leaves the
        // photo as it was.
        try {
            BackToOriginal(session, photo);
        } catch (const std::exception &error) {
            failure = FailureMessage(T(QStringLiteral("원본사진으로 되돌리지 못했습니다.")), error);
        }
    }
    AfterStep(failure);
}

bool THistoryCommands::ShortcutsIdle() const
{
    const TIMGEDITCONTROLTYPE mode = FHost.Mode();
    return mode == iectGif || mode == iectImgPaste;
}

void THistoryCommands::N61Click()
{
    if (!ShortcutsIdle())
        Undo_ButtonClick();
}

void THistoryCommands::N63Click()
{
    if (!ShortcutsIdle())
        Redo_ButtonClick();
}

void THistoryCommands::Timer1Timer()
{
    const TIMGEDITCONTROLTYPE mode = FHost.Mode();
    const bool gif = mode == iectGif, join = mode == iectImgPaste;
    if (!gif && !join && FHost.CanvasWidget->isHidden())
        FHost.CanvasWidget->show();
    const THistoryButtons states =
        HistoryButtonStates(FDataModule.FUndoRedoImgList, FHost.SelectedPhoto(), gif, join);
    FHost.Undo_Button->setEnabled(states.Undo);
    FHost.Redo_Button->setEnabled(states.Redo);
    FHost.OriImg_Button->setEnabled(states.Original);
    if (states.Save)
        FHost.Button1->setEnabled(*states.Save);
    // The edited mark of the selected photo follows its log.
    if (states.Original)
        FHost.StripViewport->update();
}
