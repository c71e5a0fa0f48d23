#pragma once
// The editor's one window: menus, tool bar, the edit-page notebook on the
// left, the canvas notebook in the middle, the photo strip below and the
// status bar.

#include "app/Cursors.h"
#include "app/IconStates.h"
#include "app/VL_Types.h"
#include "app/WindowPlacement.h"
#include "platform/ImageViewModel.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QFrame;
class TSlider;
class TImgViewWidget;
class TPhotoStrip;
class TViewZoom;
class TDocumentCommands;
class TFilterPanel;
class THistoryCommands;
class TVL_DM;
class TVL_Opening_Form;
class THint_Form;

class TVL_Main_Form : public QMainWindow {
    Q_OBJECT
public:
    TVL_Main_Form(TVL_DM *dataModule, QWidget *parent = nullptr);
    ~TVL_Main_Form() override;

    // The placement at start and the close-time store, through the settings.
    bool FormMaxImize() const { return FFormMaxImiz; }
    void SetFormMaxImize(bool value);
    const TSetFormInfo &MainFormInfo() const { return FMainFormInfo; }
    void SetMainFormInfo(const TSetFormInfo &value);

    void SetEditMode(TIMGEDITCONTROLTYPE mode);
    // The entry of the current mode's page: what each panel does when its
    // mode is entered and after a photo is added.
    void Set_ImgEditControl_OP();
    // Ends what is pending on the canvas before another command changes it.
    void ResetEditLayers();
    // A panel registers its page entry for its mode here.
    void SetPageEntry(TIMGEDITCONTROLTYPE mode, std::function<void()> entry);
    // And what it does when its mode is left for another.
    void SetPageExit(TIMGEDITCONTROLTYPE mode, std::function<void()> exit);
    // The page of the edit notebook by name ("EC_Filter", …), for the panels.
    QWidget *EditPage(const QString &name) const;
    void SetMainMenu(TMainManuType AState_Menu);
    // Recomputes the menu enabling when a top-level menu opens.
    void RefreshMenuState();
    TIMGEDITCONTROLTYPE NowWorkType() const { return FNowWorkType; }
    const QString &MouseMenuSel() const { return FMouseMenuSel; }
    bool BlockApply() const { return FBlockApply; }
    void SetBlockApply(bool value) { FBlockApply = value; }

    // Ends the application at once: no save question, no placement stored.
    void ExitApplication();
    void ShowAbout();
    void RaiseFromAnotherStart();

    QAction *MenuAction(const QString &name) const { return FActions.value(name); }
    QMenu *Menu(const QString &name) const { return FMenus.value(name); }
    QStackedWidget *EditNotebook() const { return FEdit_Notebook; }
    QStackedWidget *CenterNotebook() const { return FCenter_Notebook; }
    QStackedWidget *PreViewNotebook() const { return FPreView_Notebook; }
    TSlider *ResolutionSlider() const { return FResolution_Slider; }
    // Status bar panel 0..5.
    QLabel *StatusPanel(int index) const { return FStatusPanels.value(index); }
    const TCursorTable &Cursors() const { return FCursors; }
    TVL_Opening_Form *OpeningForm() const { return FOpening_Form; }
    TVL_DM *DataModule() const { return FDataModule; }
    TDocumentCommands *Documents() const { return FDocuments; }
    THistoryCommands *History() const { return FHistory; }
    // The icon states of the picture buttons under this window.
    TIconSets &IconSets() { return FIconSets; }
    TViewZoom *Zoom() const { return FZoom; }
    TImgView32 &Canvas() { return FTran; }
    TImgViewWidget *CanvasWidget() const { return FTran_ImgView; }
    TPhotoStrip *PhotoStrip() const { return FImgOpen_ListView; }
    THint_Form *HintForm() const { return FHint_Form; }
    QString defaultPath;
    bool defaultPathFlag = false;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Building the window, in MainFormLayout.cpp.
    void BuildMenus();
    void BuildToolBar();
    void BuildCentre();
    QWidget *BuildEditPanel();
    QWidget *BuildCanvasArea();
    QWidget *BuildZoomBar();
    QWidget *BuildStrip();
    void BuildStatusBar();
    QAction *AddAction(QMenu *menu, const QString &name, const QString &caption, bool available);
    QToolButton *AddModeButton(const QString &name, TIMGEDITCONTROLTYPE mode, bool actOnRelease);

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormResize();
    void RestorePlacement();
    void ConnectCommands();
    // Drops on the window outside the strips: the existing files open.
    void WMDropFiles(const QStringList &paths);
    void ModeCommand(TIMGEDITCONTROLTYPE mode);

    TVL_DM *FDataModule;
    TVL_Opening_Form *FOpening_Form = nullptr;
    THint_Form *FHint_Form = nullptr;
    TCursorTable FCursors;
    bool FFormMaxImiz = false;
    TSetFormInfo FMainFormInfo;
    bool FShownOnce = false;

    TIMGEDITCONTROLTYPE FNowWorkType = iectResolution;
    QString FMouseMenuSel;
    bool FBlockApply = false;
    bool FLastBtn_Bool = false;
    bool FLastBtn_Down_Bool = false;
    TIconSets FIconSets{this, FLastBtn_Bool};
    TSetImgType FLastSetImg = sitOri;

    QHash<QString, QAction *> FActions;
    QHash<QString, QMenu *> FMenus;
    QHash<QString, QWidget *> FEditPages;
    QHash<int, std::function<void()>> FPageEntries;
    QHash<int, std::function<void()>> FPageExits;
    QStackedWidget *FEdit_Notebook = nullptr;
    QWidget *FEdit_Panel = nullptr;
    QStackedWidget *FCenter_Notebook = nullptr;
    QStackedWidget *FPreView_Notebook = nullptr;
    QTabWidget *FPageControl1 = nullptr;
    QWidget *FOri_Panel = nullptr;
    QWidget *FPanel7 = nullptr;
    QWidget *FCenter_B_Panel = nullptr;
    QWidget *FPanel25 = nullptr;
    QWidget *FZoom_Panel = nullptr;
    QLabel *FLabel37 = nullptr;
    TSlider *FResolution_Slider = nullptr;
    QLabel *FSliderValue_Panel = nullptr;
    QList<QLabel *> FStatusPanels;
    QFrame *FRgbColor_Panel = nullptr;
    TImgView32 FTran; // the canvas with the overlay layers
    TImgView32 FOri;  // the photo as opened, beside it in the dual view
    TImgView32 FAddImg; // the joined picture
    TImgViewWidget *FTran_ImgView = nullptr;
    TImgViewWidget *FOri_ImgView = nullptr;
    TImgViewWidget *FAdd_Img_ImgView = nullptr;
    QWidget *FTran_Panel1 = nullptr;
    QWidget *FTran_Panel2 = nullptr;
    TViewZoom *FZoom = nullptr;
    TDocumentCommands *FDocuments = nullptr;
    TFilterPanel *FFilterPanel = nullptr;
    THistoryCommands *FHistory = nullptr;
    TPhotoStrip *FImgOpen_ListView = nullptr;
    QListWidget *FGifOpen_ListView = nullptr;
};
