#include "app/MainForm.h"

#include "app/AboutForm.h"
#include "app/DataModule.h"
#include "app/HintForm.h"
#include "app/OpeningForm.h"
#include "documents/DocumentCommands.h"
#include "documents/PhotoStrip.h"
#include "documents/ViewZoom.h"
#include "effects/ui/FilterPanel.h"
#include "geometry/ui/GeometryCommands.h"
#include "geometry/ui/ResizePanel.h"
#include "history/ui/HistoryCommands.h"
#include "platform/ImageViewWidget.h"
#include "platform/RegistryStore.h"
#include "platform/ShellFolders.h"
#include "platform/Slider.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <cmath>

TVL_Main_Form::TVL_Main_Form(TVL_DM *dataModule, QWidget *parent) : QMainWindow(parent), FDataModule(dataModule)
{
    setObjectName(QStringLiteral("VL_Main_Form"));
    FormCreate();
}

TVL_Main_Form::~TVL_Main_Form()
{
    // The views watch models that are members of this window: they go first.
    delete FDocuments;
    delete FZoom;
    delete FTran_ImgView;
    delete FOri_ImgView;
    delete FAdd_Img_ImgView;
}

void TVL_Main_Form::FormCreate()
{
    setFont(QApplication::font("QMessageBox"));
    setAcceptDrops(true);
    defaultPathFlag = false;
    defaultPath = DesktopFolder();

    BuildMenus();
    BuildToolBar();
    BuildCentre();
    BuildStatusBar();
    setMinimumSize(MinTrackWidth, MinTrackHeight);

    RestorePlacement();
    FCursors.Load();

    FHint_Form = new THint_Form(this);
    FOpening_Form = new TVL_Opening_Form(this);
    ConnectCommands();
}

void TVL_Main_Form::ConnectCommands()
{
    auto button = [this](const char *name) { return findChild<QAbstractButton *>(QLatin1String(name)); };
    FZoom = new TViewZoom(*FDataModule,
                          TViewControls{FResolution_Slider, FSliderValue_Panel, button("Minus_PNGButton"),
                                        button("Plus_PNGButton"), button("Ori_PNGButton"), button("SetImg_PNGButton"),
                                        FTran_ImgView, FAdd_Img_ImgView, FPageControl1, FTran_Panel1, FTran_Panel2,
                                        FOri_Panel, FLabel37, FStatusPanels, FRgbColor_Panel},
                          this);
    FDocuments = new TDocumentCommands(
        *FDataModule,
        TDocumentHost{this,
                      FTran,
                      FOri,
                      FAddImg,
                      FTran_ImgView,
                      FImgOpen_ListView,
                      FOpening_Form,
                      FZoom,
                      {button("Undo_Button"), button("Redo_Button")},
                      [this] { return FNowWorkType; },
                      [this] { Set_ImgEditControl_OP(); },
                      [this](TMainManuType state) { SetMainMenu(state); },
                      [this] { ResetEditLayers(); }},
        defaultPath, defaultPathFlag, this);
    // Undo, redo, back to the original and the 50 ms poll of their buttons.
    FHistory = new THistoryCommands(
        *FDataModule,
        THistoryHost{this, FTran, FTran_ImgView, FZoom, button("Undo_Button"), button("Redo_Button"),
                     button("OriImg_Button"), button("Button1"), FBlockApply, [this] { return FNowWorkType; },
                     [this] { return FDocuments->SelectedPhoto(); },
                     [this] { Q_EMIT FDocuments->PhotosChanged(); }, FImgOpen_ListView->viewport(),
                     [this] { ResetEditLayers(); }},
        this);
    connect(button("Undo_Button"), &QAbstractButton::clicked, FHistory, &THistoryCommands::Undo_ButtonClick);
    connect(button("Redo_Button"), &QAbstractButton::clicked, FHistory, &THistoryCommands::Redo_ButtonClick);
    connect(button("OriImg_Button"), &QAbstractButton::clicked, FHistory, &THistoryCommands::OriImg_ButtonClick);
    connect(FActions.value("N37"), &QAction::triggered, FHistory, &THistoryCommands::N37Click);
    // The shortcuts act in every mode; their handlers refuse the GIF and join modes.
    FActions.value("N61")->setEnabled(true);
    FActions.value("N63")->setEnabled(true);
    connect(FActions.value("N61"), &QAction::triggered, FHistory, &THistoryCommands::N61Click);
    connect(FActions.value("N63"), &QAction::triggered, FHistory, &THistoryCommands::N63Click);
    FZoom->Mode = [this] { return FNowWorkType; };
    FZoom->SelectedPhoto = [this] { return FDocuments->SelectedPhoto(); };
    FZoom->ResetEditLayers = [this] { ResetEditLayers(); };
    FZoom->SetStatusBar(sbtNorInfo, {}, true);
    // The colour and filter page; its baseline is taken when the filter mode is entered.
    FFilterPanel = new TFilterPanel(
        *FDataModule,
        TFilterPanelHost{this, FTran, FOpening_Form, FBlockApply, [this] { return FDocuments->SelectedPhoto(); },
                         [this](int photo) { FDocuments->ReloadPhoto(photo); },
                         [this] { Q_EMIT FDocuments->PhotosChanged(); }},
        EditPage(QStringLiteral("EC_Filter")));
    SetPageEntry(iectFilter, [this] { FFilterPanel->ViewBmpToTempBmp(); });
    SetPageExit(iectFilter, [this] { FFilterPanel->DropPreview(); });
    // The resize page and the quarter turns and mirrors.
    auto *resizePanel = new TResizePanel(
        *FDataModule,
        TResizeHost{EditPage(QStringLiteral("EC_Resolution")), FTran, [this] { return FDocuments->SelectedPhoto(); },
                    {}, [this] { FZoom->Refit(); }, [this] { Q_EMIT FDocuments->PhotosChanged(); }},
        this);
    SetPageEntry(iectResolution, [resizePanel] { resizePanel->EnterPage(); });
    new TGeometryCommands(
        *FDataModule,
        TTurnHost{FTran, FBlockApply, [this] { return FNowWorkType; }, [this] { return FDocuments->SelectedPhoto(); },
                  [this] { ResetEditLayers(); }, [this] { FZoom->Refit(); },
                  [this] {
                      // A turn on the filter page is the new state its previews start from.
                      if (FNowWorkType == iectFilter)
                          FFilterPanel->ViewBmpToTempBmp();
                      Q_EMIT FDocuments->PhotosChanged();
                  },
                  {findChild<QToolButton *>("ToolButton49"), findChild<QToolButton *>("ToolButton50"),
                   findChild<QToolButton *>("ToolButton51"), findChild<QToolButton *>("ToolButton52")},
                  {FActions.value("N901"), FActions.value("N902"), FActions.value("N9"), FActions.value("N59")},
                  FMenus.value("N45")},
        this);

    auto on = [this](const char *action, auto handler) {
        connect(FActions.value(QLatin1String(action)), &QAction::triggered, this, handler);
    };
    on("N7", [this] { FDocuments->ImageOpen(false, false); });
    on("N29", [this] { FDocuments->RemoveSelectedPhoto(); });
    on("N39", [this] { FDocuments->RemoveSelectedPhoto(); });
    on("N40", [this] { FDocuments->RemoveAllPhotos(); });
    on("N30", [this] { FDocuments->QuickSave(); });
    on("N31", [this] { FDocuments->SaveAs(); });
    on("N66", [this] { FDocuments->ChooseDefaultFolder(); });
    on("N65", [this] { FDocuments->Print(); });
    on("N42", [this] { FDocuments->CopyToClipboard(); });
    on("N48", [this] { FZoom->ShowStandardView(); });
    on("N49", [this] { FZoom->ShowDualView(); });
    on("N51", [this] {
        FZoom->ShowStandardView();
        FZoom->SetImg_PNGButtonClick();
    });
    on("N52", [this] {
        FZoom->ShowStandardView();
        FZoom->Ori_PNGButtonClick();
    });
    connect(button("Button1"), &QAbstractButton::clicked, this, [this] { FDocuments->QuickSave(); });
    connect(button("Button17"), &QAbstractButton::pressed, this, [this] { FDocuments->FBtn_Pt = QCursor::pos(); });
    connect(button("Button17"), &QAbstractButton::clicked, this, [this] { FDocuments->ImageOpen(true, false); });
    connect(button("Button18"), &QAbstractButton::clicked, this, [this] { FDocuments->RemoveSelectedPhoto(); });
    connect(button("Button19"), &QAbstractButton::clicked, this, [this] { FDocuments->RemoveAllPhotos(); });
    for (const char *menu : {"N1", "N2", "N3", "N4", "N5"})
        connect(FMenus.value(QLatin1String(menu)), &QMenu::aboutToShow, this, &TVL_Main_Form::RefreshMenuState);
    connect(FTran_ImgView, &TImgViewWidget::ImageMouseMove, this,
            [this](Qt::MouseButtons, const QPointF &at) {
                FZoom->SetStatusBar(sbtRgbInfo, QPoint(int(std::floor(at.x())), int(std::floor(at.y()))));
            });
}

void TVL_Main_Form::RestorePlacement()
{
    bool maximized = false;
    TSetFormInfo stored;
    ReadStoredPlacement(maximized, stored);
    FFormMaxImiz = maximized;
    FMainFormInfo = stored;
    const QScreen *origin = QGuiApplication::screenAt(QPoint(0, 0));
    if (!origin)
        origin = QGuiApplication::primaryScreen();
    const QRect monitor = origin ? origin->geometry() : QRect(0, 0, 1024, 768);
    const TStartPlacement placement = StartPlacement(maximized, stored, monitor);
    resize(placement.geometry.size());
    move(placement.geometry.topLeft());
    if (placement.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TVL_Main_Form::SetFormMaxImize(bool value)
{
    FFormMaxImiz = value;
    TVL_DM::Reg_B_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("formmaximize"), value);
}

void TVL_Main_Form::SetMainFormInfo(const TSetFormInfo &value)
{
    FMainFormInfo = value;
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Left"), value.Left);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Top"), value.top);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Width"), value.width);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Height"), value.Height);
}

void TVL_Main_Form::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!FShownOnce) {
        FShownOnce = true;
        FormShow();
    }
}

void TVL_Main_Form::FormShow()
{
    FLastBtn_Bool = false;
    SetEditMode(iectResolution);
    FMouseMenuSel = QStringLiteral("Size_");
    FPageControl1->setCurrentIndex(0);
    SetMainMenu(mmtNoImg);
}

bool TVL_Main_Form::FormCloseQuery() { return !FDocuments->AskSave(); }

void TVL_Main_Form::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TVL_Main_Form::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    WMDropFiles(paths);
}

void TVL_Main_Form::WMDropFiles(const QStringList &paths)
{
    QStringList existing;
    for (const QString &path : paths)
        if (QFileInfo(path).isFile())
            existing << path;
    FDocuments->ImageOpen(false, true, existing);
}

void TVL_Main_Form::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TVL_Main_Form::FormClose()
{
    DeleteTempImageFolder();
    // A maximized window stores the bounds it has while maximized; the flag
    // wins at the next start.
    const QRect bounds(pos(), size());
    try {
        SetMainFormInfo({bounds.left(), bounds.top(), bounds.width(), bounds.height()});
        SetFormMaxImize(isMaximized());
    } catch (const ERegistryError &error) {
        qWarning("Window placement not stored: %s", error.what());
    }
}

void TVL_Main_Form::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TVL_Main_Form::FormResize()
{
    if (FOri_Panel && FPanel7 && FPageControl1)
        FOri_Panel->setFixedWidth(qMax(0, FPageControl1->width() / 2 - FPanel7->width() / 2));
    if (FPanel25 && FCenter_B_Panel && FZoom_Panel) {
        // Centred and 80 pixels to the right, but never over the zoom controls
        // when the window is narrow.
        const int centred = (FCenter_B_Panel->width() - FPanel25->width()) / 2 + 80;
        FPanel25->move(qMax(centred, FZoom_Panel->geometry().right() + 8), FPanel25->y());
    }
    if (FLabel37 && FPageControl1)
        FLabel37->move(FPageControl1->width() - FLabel37->width(), FLabel37->y());
}

void TVL_Main_Form::ExitApplication()
{
    // Leaves the event loop without closing the window, so neither the
    // close question nor the placement store runs.
    QCoreApplication::exit(0);
}

void TVL_Main_Form::ShowAbout()
{
    TVL_About_Form about(this);
    about.exec();
}

void TVL_Main_Form::RaiseFromAnotherStart()
{
    // Only the minimized flag goes: a maximized window comes back maximized.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TVL_Main_Form::ModeCommand(TIMGEDITCONTROLTYPE mode)
{
    SetEditMode(mode);
    if (!FBlockApply)
        FMouseMenuSel = EditModeInfo(mode).mouseMenuSel;
}

void TVL_Main_Form::SetEditMode(TIMGEDITCONTROLTYPE mode)
{
    if (FBlockApply)
        return;
    const bool gif = mode == iectGif;
    if (gif) {
        for (int panel : {0, 1, 2, 3, 5})
            FStatusPanels[panel]->clear();
        FRgbColor_Panel->setPalette(QApplication::palette());
    }
    if (mode != FNowWorkType)
        if (const auto exit = FPageExits.value(FNowWorkType))
            exit();
    FNowWorkType = mode;
    const TEditModeInfo &info = EditModeInfo(mode);
    if (QWidget *page = EditPage(info.pageName)) {
        FEdit_Notebook->setCurrentWidget(page);
        FEdit_Notebook->setFixedHeight(info.pageHeight);
    }
    ResetEditLayers();
    Set_ImgEditControl_OP();
    if (!gif)
        FZoom->SetStatusBar(sbtNorInfo);
    FTran_ImgView->viewport()->setCursor(Qt::ArrowCursor);

    // The zoom controls act on the canvas or the join view, never in the
    // GIF mode, where the value text is hidden.
    QPalette text = FSliderValue_Panel->palette();
    text.setColor(QPalette::WindowText, gif ? palette().color(QPalette::Button) : QColor(Qt::black));
    FSliderValue_Panel->setPalette(text);
    if (gif) {
        for (const char *name : {"Minus_PNGButton", "Plus_PNGButton", "Ori_PNGButton", "SetImg_PNGButton"})
            findChild<QWidget *>(QLatin1String(name))->setEnabled(false);
        FResolution_Slider->setEnabled(false);
    } else {
        FZoom->PageControl1Change();
        if (mode == iectImgPaste)
            FZoom->Resolution_SliderStopTracking();
    }
}

void TVL_Main_Form::ResetEditLayers()
{
    // An unsaved filter preview is no edit: the photo goes back to its log.
    if (FFilterPanel)
        FFilterPanel->DropPreview();
    FTran.Changed();
}

void TVL_Main_Form::SetPageEntry(TIMGEDITCONTROLTYPE mode, std::function<void()> entry)
{
    FPageEntries.insert(mode, std::move(entry));
}

void TVL_Main_Form::SetPageExit(TIMGEDITCONTROLTYPE mode, std::function<void()> exit)
{
    FPageExits.insert(mode, std::move(exit));
}

QWidget *TVL_Main_Form::EditPage(const QString &name) const
{
    for (auto it = FEditPages.cbegin(); it != FEditPages.cend(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value();
    return nullptr;
}

void TVL_Main_Form::Set_ImgEditControl_OP()
{
    const bool gif = FNowWorkType == iectGif;
    FCenter_Notebook->setCurrentIndex(gif ? 1 : (FNowWorkType == iectImgPaste ? 2 : 0));
    FPreView_Notebook->setCurrentIndex(gif ? 1 : 0);
    if (const auto entry = FPageEntries.value(FNowWorkType))
        entry();
}

void TVL_Main_Form::SetMainMenu(TMainManuType AState_Menu)
{
    static const QStringList fileItems = {"N29", "N30", "N31", "N37", "N39", "N40", "N42"};
    static const QStringList turnItems = {"N901", "N902", "N9", "N59"};
    static const QStringList gifItems = {"N30", "N37", "N39", "N40", "N42", "N901", "N902",
                                         "N9",  "N59", "N48", "N49", "N51", "N52"};
    auto set = [this](const QStringList &names, bool enabled) {
        for (const QString &name : names)
            if (QAction *action = FActions.value(name))
                action->setEnabled(enabled);
    };
    switch (AState_Menu) {
    case mmtNoImg:
        set(fileItems, false);
        set(turnItems, false);
        break;
    case mmtchangeImg:
        set(fileItems, true);
        break;
    case mmtImg:
        set({"N29", "N31", "N39", "N40", "N42"}, true);
        set(turnItems, true);
        break;
    case mmtGif:
        set(gifItems, false);
        break;
    case mmtNotGif:
        set(gifItems, true);
        break;
    }
}

void TVL_Main_Form::RefreshMenuState()
{
    if (FNowWorkType == iectGif || FNowWorkType == iectImgPaste) {
        SetMainMenu(mmtGif);
        return;
    }
    SetMainMenu(mmtNotGif);
    const TUndoRedoImgList &photos = FDataModule->FUndoRedoImgList;
    if (photos.Count() == 0) {
        SetMainMenu(mmtNoImg);
        return;
    }
    if (FDocuments->SelectedPhoto() < 0)
        return;
    SetMainMenu(mmtNoImg);
    for (int i = 0; i < photos.Count(); ++i) {
        const TUndoRedoImgListItem &photo = photos.GetItem(i);
        if (photo.UndoRedoList->Count() > 0 && photo.Index >= 0) {
            SetMainMenu(mmtchangeImg);
            break;
        }
        SetMainMenu(mmtImg);
    }
}
