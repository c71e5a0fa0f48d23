#pragma once
// The history commands of the window: "한단계 취소", "재실행", "원본사진" and
// the edit menu's "적용된 작업 초기화", Ctrl+Z and Ctrl+Y, and the 50 ms poll
// that keeps their buttons in step with the selected photo's log.

#include "app/VL_Types.h"
#include "history/HistorySteps.h"
#include "history/ui/StepBackup.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QWidget;
class TImgViewWidget;
class TViewZoom;
class TVL_DM;

// What the commands need of the window around them.
struct THistoryHost {
    QWidget *Window;
    TImgView32 &Canvas;           // Tran_ImgView's model
    TImgViewWidget *CanvasWidget; // shown again by the poll when hidden
    TViewZoom *Zoom;
    QAbstractButton *Undo_Button;
    QAbstractButton *Redo_Button;
    QAbstractButton *OriImg_Button;
    QAbstractButton *Button1;     // "저장"
    bool &FBlockApply;            // the window's: panels and the edit-mode switch stand still
    std::function<TIMGEDITCONTROLTYPE()> Mode;
    std::function<int()> SelectedPhoto;
    std::function<void()> PhotosChanged; // a position changed: the edited marks follow
    QWidget *StripViewport;              // repainted by the poll
    // Ends pending canvas work and drops the selections.
    std::function<void()> ResetEditLayers;
};

class THistoryCommands : public QObject {
    Q_OBJECT
public:
    THistoryCommands(TVL_DM &dataModule, THistoryHost host, QObject *parent = nullptr);

    void Undo_ButtonClick();
    void Redo_ButtonClick();
    // Back to the photo as opened, after an OK/Cancel question.
    void N37Click();
    void OriImg_ButtonClick() { N37Click(); }
    // Ctrl+Z and Ctrl+Y; nothing in the GIF and join modes.
    void N61Click();
    void N63Click();
    // The poll's rule, run every 50 ms by Timer1.
    void Timer1Timer();

private:
    using TStep = bool (*)(THistorySession &, int);
    // Runs an undo or redo step, a stepping replay, on the selected photo
    // when the poll's rule allows it. A failure puts the canvas and the log
    // back; the message comes back to be shown once the flags are down.
    QString RunStep(TStep step, bool THistoryButtons::*allowed, const QString &failureText);
    void AfterStep(const QString &failure);
    THistorySession Session();
    bool ShortcutsIdle() const;

    TVL_DM &FDataModule;
    THistoryHost FHost;
    TStepBackup FBackup;
    QTimer Timer1;
};
