// Building the main window's menus, tool bar, notebooks and status bar.

#include "app/DataModule.h"
#include "app/MainForm.h"
#include "documents/PhotoStrip.h"
#include "platform/ImageViewWidget.h"
#include "platform/Slider.h"
#include "ResourcePictures.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString T(const char *korean) { return TVL_DM::_T(QString::fromUtf8(korean)); }

// A tool-bar button that tells whether the click it delivers followed a real
// press of the mouse on it; keyboard clicks come without one.
class TModeButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    std::function<void()> onPress;
    std::function<void()> onRelease;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && onPress)
            onPress();
        QToolButton::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QToolButton::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && onRelease && rect().contains(event->position().toPoint()))
            onRelease();
    }
};

// The tool-bar picture of an icon prefix: "SIZE_" is shown as "TB_SIZE".
QIcon ToolBarIcon(const QString &prefix)
{
    return QIcon(QPixmap::fromImage(LoadResourcePicture(QStringLiteral("TB_") + prefix.chopped(1))));
}

QLabel *MakeStatusPanel(int width)
{
    auto *panel = new QLabel;
    panel->setFixedWidth(width);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

QWidget *BlackView(const QString &name)
{
    auto *view = new QWidget;
    view->setObjectName(name);
    view->setAutoFillBackground(true);
    QPalette black = view->palette();
    black.setColor(QPalette::Window, Qt::black);
    view->setPalette(black);
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return view;
}

QPushButton *NamedButton(const QString &name, const QString &caption, bool available)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setEnabled(available);
    return button;
}

} // namespace

QAction *TVL_Main_Form::AddAction(QMenu *menu, const QString &name, const QString &caption, bool available)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(available);
    FActions.insert(name, action);
    return action;
}

void TVL_Main_Form::BuildMenus()
{
    QMenuBar *bar = menuBar();
    auto addMenu = [&](const QString &name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(name);
        FMenus.insert(name, menu);
        return menu;
    };

    QMenu *file = addMenu("N1", T("파일(&F)"));
    AddAction(file, "N7", T("열기"), true);
    AddAction(file, "N29", T("닫기"), true);
    file->addSeparator();
    AddAction(file, "N30", T("저장하기"), true);
    AddAction(file, "N31", T("다른 이름으로 저장"), true);
    AddAction(file, "N66", T("기본 저장경로 설정"), true);
    file->addSeparator();
    AddAction(file, "N65", T("출력하기"), true);
    file->addSeparator();
    connect(AddAction(file, "N_About", T("벨루미 정보"), true), &QAction::triggered, this, &TVL_Main_Form::ShowAbout);
    connect(AddAction(file, "N_Exit", T("벨루미 종료"), true), &QAction::triggered, this,
            &TVL_Main_Form::ExitApplication);

    QMenu *edit = addMenu("N2", T("편집(&E)"));
    AddAction(edit, "N37", T("적용된 작업 초기화"), false);
    edit->addSeparator();
    AddAction(edit, "N39", T("이미지 제거"), true);
    AddAction(edit, "N40", T("모든 이미지 제거"), true);
    edit->addSeparator();
    AddAction(edit, "N42", T("클립보드에 이미지 복사"), true);
    AddAction(edit, "N62", T("레이어 삭제"), false);

    QMenu *view = addMenu("N3", T("보기(&V)"));
    AddAction(view, "N48", T("표준창보기"), true);
    AddAction(view, "N49", T("듀얼창보기(적용전/후)"), true);
    view->addSeparator();
    AddAction(view, "N51", T("화면 크기에 맞춰 보기"), true);
    AddAction(view, "N52", T("원본 크기로 보기"), true);

    QMenu *effects = addMenu("N4", T("효과(&I)"));
    QMenu *tools = addMenu("N5", T("도구(&T)"));
    for (TIMGEDITCONTROLTYPE mode : {iectResolution, iectCut, iectText, iectBalloon, iectStamp, iectAlbum,
                                     iectImgPaste, iectGif, iectFilter, iectRedEye}) {
        const TEditModeInfo &info = EditModeInfo(mode);
        QAction *action = AddAction(info.inEffectsMenu ? effects : tools, "Mode_" + info.mouseMenuSel,
                                    T(info.menuCaption.toUtf8().constData()), true);
        connect(action, &QAction::triggered, this, [this, mode] { ModeCommand(mode); });
        if (mode == iectResolution) {
            QMenu *turn = tools->addMenu(T("회전하기"));
            turn->setObjectName("N45");
            FMenus.insert("N45", turn);
            AddAction(turn, "N901", T("시계방향 90도"), false);
            AddAction(turn, "N902", T("반시계방향 90도"), false);
            AddAction(turn, "N9", T("좌우방향"), false);
            AddAction(turn, "N59", T("상하반전"), false);
        }
    }

    QMenu *language = addMenu("mnuLanguage", T("언어(&L)"));
    auto *languages = new QActionGroup(this);
    QAction *automatic = AddAction(language, "mnuLangAuto", T("시스템의 기본 언어(&A)"), false);
    automatic->setCheckable(true);
    automatic->setChecked(true);
    languages->addAction(automatic);
    language->addSeparator();
    QAction *korean = AddAction(language, "mnuLang_ko-KR", QStringLiteral("한국어 (ko-KR)"), false);
    korean->setCheckable(true);
    languages->addAction(korean);

    // Present only for its shortcuts: its items never show.
    QMenu *keys = addMenu("N60", T("단축키(K)"));
    keys->menuAction()->setVisible(false);
    QAction *undo = AddAction(keys, "N61", T("뒤로가기"), false);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = AddAction(keys, "N63", T("재실행"), false);
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    addAction(undo);
    addAction(redo);
}

QToolButton *TVL_Main_Form::AddModeButton(const QString &name, TIMGEDITCONTROLTYPE mode, bool actOnRelease)
{
    auto *button = new TModeButton;
    button->setObjectName(name);
    button->setText(T(EditModeInfo(mode).buttonCaption.toUtf8().constData()));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIcon(ToolBarIcon(EditModeInfo(mode).iconPrefix));
    button->setAutoRaise(true);
    button->onPress = [this] {
        FLastBtn_Bool = true;
        FLastBtn_Down_Bool = true;
    };
    auto act = [this, mode] {
        if (!FLastBtn_Down_Bool)
            return;
        FLastBtn_Down_Bool = false;
        ModeCommand(mode);
    };
    if (actOnRelease)
        button->onRelease = act;
    else
        connect(button, &QToolButton::clicked, this, act);
    return button;
}

void TVL_Main_Form::BuildToolBar()
{
    QToolBar *bar = addToolBar(T("도구"));
    bar->setObjectName("ToolBar1");
    bar->setIconSize(QSize(24, 24));
    bar->setMovable(false);
    const struct {
        const char *name;
        TIMGEDITCONTROLTYPE mode;
        bool onRelease;
    } buttons[] = {
        {"ToolButton37", iectResolution, false}, {"ToolButton38", iectCut, false},
        {"ToolButton39", iectFilter, false},     {"ToolButton40", iectText, false},
        {"ToolButton41", iectBalloon, false},    {"ToolButton42", iectStamp, false},
        {"ToolButton43", iectAlbum, false},      {"ToolButton44", iectRedEye, false},
        {"ToolButton46", iectImgPaste, true},    {"ToolButton47", iectGif, true},
    };
    for (const auto &b : buttons)
        bar->addWidget(AddModeButton(b.name, b.mode, b.onRelease));
    bar->addSeparator();
    const struct {
        const char *name;
        const char *caption;
        const char *icon;
    } turns[] = {{"ToolButton49", "90º회전", "RIGHT_RO_"}, {"ToolButton50", "-90º회전", "LEFT_RO_"},
                 {"ToolButton51", "좌우반전", "HORZ_"}, {"ToolButton52", "상하반전", "VERZ_"}};
    for (const auto &t : turns) {
        auto *button = new QToolButton;
        button->setObjectName(t.name);
        button->setText(T(t.caption));
        button->setIcon(ToolBarIcon(QLatin1String(t.icon)));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setEnabled(false);
        bar->addWidget(button);
    }
}

QWidget *TVL_Main_Form::BuildEditPanel()
{
    FEdit_Panel = new QWidget;
    FEdit_Panel->setObjectName("Edit_Panel");
    FEdit_Panel->setFixedWidth(240);
    FEdit_Notebook = new QStackedWidget;
    FEdit_Notebook->setObjectName("Edit_Notebook");
    for (TIMGEDITCONTROLTYPE mode : {iectResolution, iectFilter, iectStamp, iectAlbum, iectCut, iectText,
                                     iectBalloon, iectGif, iectRedEye, iectImgPaste}) {
        const TEditModeInfo &info = EditModeInfo(mode);
        auto *page = new QWidget;
        page->setObjectName(info.pageName);
        auto *layout = new QVBoxLayout(page);
        auto *title = new QLabel(T(info.menuCaption.toUtf8().constData()));
        title->setObjectName(info.pageName + "_Title");
        QFont bold = title->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.15);
        title->setFont(bold);
        layout->addWidget(title);
        layout->addStretch();
        FEdit_Notebook->addWidget(page);
        FEditPages.insert(info.pageName, page);
    }
    auto *layout = new QVBoxLayout(FEdit_Panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(FEdit_Notebook);
    layout->addStretch();
    auto *scroll = new QScrollArea;
    scroll->setWidget(FEdit_Panel);
    scroll->setWidgetResizable(true);
    scroll->setFixedWidth(FEdit_Panel->width() + 18);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

QWidget *TVL_Main_Form::BuildCanvasArea()
{
    FCenter_Notebook = new QStackedWidget;
    FCenter_Notebook->setObjectName("Center_Notebook");

    auto hostPanel = [](const QString &name) {
        auto *panel = new QWidget;
        panel->setObjectName(name);
        auto *layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        return panel;
    };
    auto *norPage = new QWidget;
    norPage->setObjectName("Nor_Page");
    auto *norLayout = new QVBoxLayout(norPage);
    norLayout->setContentsMargins(0, 0, 0, 0);
    FPageControl1 = new QTabWidget;
    FPageControl1->setObjectName("PageControl1");
    FTran_Panel2 = hostPanel("Tran_Panel2");
    FTran_ImgView = new TImgViewWidget(FTran);
    FTran_ImgView->setObjectName("Tran_ImgView");
    FTran_Panel2->layout()->addWidget(FTran_ImgView);
    FPageControl1->addTab(FTran_Panel2, T("표준창보기"));

    auto *dual = new QWidget;
    dual->setObjectName("TabSheet2");
    auto *dualLayout = new QHBoxLayout(dual);
    dualLayout->setContentsMargins(0, 0, 0, 0);
    dualLayout->setSpacing(0);
    FOri_Panel = hostPanel("Ori_Panel");
    FOri_ImgView = new TImgViewWidget(FOri);
    FOri_ImgView->setObjectName("Ori_ImgView");
    FOri_ImgView->SetScaleMode(smResize);
    FOri_Panel->layout()->addWidget(FOri_ImgView);
    FPanel7 = new QWidget;
    FPanel7->setObjectName("Panel7");
    FPanel7->setFixedWidth(6);
    FTran_Panel1 = hostPanel("Tran_Panel1");
    dualLayout->addWidget(FOri_Panel);
    dualLayout->addWidget(FPanel7);
    dualLayout->addWidget(FTran_Panel1, 1);
    FPageControl1->addTab(dual, T("듀얼창보기(적용전/후)"));
    FLabel37 = new QLabel(T("\"듀얼창보기\"는 일부 편집기능을 사용할 수 없습니다."), FPageControl1);
    FLabel37->setObjectName("Label37");
    FLabel37->adjustSize();
    FLabel37->move(0, 4);
    FLabel37->hide();
    norLayout->addWidget(FPageControl1);
    FCenter_Notebook->addWidget(norPage);

    QWidget *gifPage = BlackView("Gif_Page");
    FCenter_Notebook->addWidget(gifPage);
    QWidget *addPage = hostPanel("add_Img_Page");
    FAdd_Img_ImgView = new TImgViewWidget(FAddImg);
    FAdd_Img_ImgView->setObjectName("Add_Img_ImgView");
    addPage->layout()->addWidget(FAdd_Img_ImgView);
    FCenter_Notebook->addWidget(addPage);
    return FCenter_Notebook;
}

QWidget *TVL_Main_Form::BuildZoomBar()
{
    FCenter_B_Panel = new QWidget;
    FCenter_B_Panel->setObjectName("Center_B_Panel");
    FCenter_B_Panel->setFixedHeight(34);

    auto *zoom = new QWidget(FCenter_B_Panel);
    FZoom_Panel = zoom;
    zoom->setObjectName("Zoom_Panel");
    auto *zoomLayout = new QHBoxLayout(zoom);
    zoomLayout->setContentsMargins(4, 2, 4, 2);
    auto *minus = new QToolButton;
    minus->setObjectName("Minus_PNGButton");
    minus->setText("-");
    FResolution_Slider = new TSlider;
    FResolution_Slider->setObjectName("Resolution_Slider");
    FResolution_Slider->SetRange(0, 1600);
    FResolution_Slider->SetValue(400);
    FResolution_Slider->setFixedWidth(110);
    auto *plus = new QToolButton;
    plus->setObjectName("Plus_PNGButton");
    plus->setText("+");
    FSliderValue_Panel = new QLabel("400%");
    FSliderValue_Panel->setObjectName("SliderValue_Panel");
    FSliderValue_Panel->setFixedWidth(48);
    auto *original = new QToolButton;
    original->setObjectName("Ori_PNGButton");
    original->setText("1:1");
    auto *fit = new QToolButton;
    fit->setObjectName("SetImg_PNGButton");
    fit->setText(T("맞춤"));
    minus->setAutoRepeat(false);
    zoomLayout->addWidget(minus);
    zoomLayout->addWidget(FResolution_Slider);
    zoomLayout->addWidget(plus);
    zoomLayout->addWidget(FSliderValue_Panel);
    zoomLayout->addWidget(original);
    zoomLayout->addWidget(fit);
    zoom->adjustSize();

    FPanel25 = new QWidget(FCenter_B_Panel);
    FPanel25->setObjectName("Panel25");
    auto *history = new QHBoxLayout(FPanel25);
    history->setContentsMargins(0, 2, 0, 2);
    history->setSpacing(2);
    history->addWidget(NamedButton("Undo_Button", T("한단계 취소"), false));
    history->addWidget(NamedButton("Redo_Button", T("재실행"), false));
    history->addWidget(NamedButton("OriImg_Button", T("원본사진"), false));
    history->addWidget(NamedButton("Button1", T("저장"), true));
    FPanel25->adjustSize();
    return FCenter_B_Panel;
}

QWidget *TVL_Main_Form::BuildStrip()
{
    FPreView_Notebook = new QStackedWidget;
    FPreView_Notebook->setObjectName("PreView_Notebook");
    FPreView_Notebook->setFixedHeight(112);
    auto buildPage = [this](const QString &pageName, QListWidget *list, const QStringList &buttonNames,
                            bool available) {
        auto *page = new QWidget;
        page->setObjectName(pageName);
        auto *layout = new QHBoxLayout(page);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(list);
        auto *buttons = new QVBoxLayout;
        const QStringList captions = {T("추가"), T("제거"), T("전체제거")};
        for (int i = 0; i < 3; ++i)
            buttons->addWidget(NamedButton(buttonNames[i], captions[i], available));
        layout->addLayout(buttons);
        FPreView_Notebook->addWidget(page);
    };
    FImgOpen_ListView = new TPhotoStrip;
    buildPage("OpenImg_NoteBook", FImgOpen_ListView, {"Button17", "Button18", "Button19"}, true);
    FGifOpen_ListView = new QListWidget;
    FGifOpen_ListView->setObjectName("GifOpen_ListView");
    FGifOpen_ListView->setViewMode(QListView::IconMode);
    FGifOpen_ListView->setFlow(QListView::LeftToRight);
    FGifOpen_ListView->setWrapping(false);
    FGifOpen_ListView->setGridSize(QSize(70, 70));
    buildPage("GIF_NoteBook", FGifOpen_ListView, {"Button6", "Button12", "Button15"}, false);
    return FPreView_Notebook;
}

void TVL_Main_Form::BuildCentre()
{
    auto *centre = new QWidget;
    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(2);
    right->addWidget(BuildCanvasArea(), 1);
    right->addWidget(BuildZoomBar());
    right->addWidget(BuildStrip());
    auto *layout = new QHBoxLayout(centre);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(BuildEditPanel());
    layout->addLayout(right, 1);
    setCentralWidget(centre);
}

void TVL_Main_Form::BuildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    // The panels keep their widths side by side; a narrow window cuts the
    // last ones off at its right edge rather than squeezing them together.
    auto *panels = new QWidget;
    panels->setObjectName("StatusPanels");
    panels->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    int left = 0;
    for (int width : {200, 200, 200, 200, 50, 200}) {
        QLabel *panel = MakeStatusPanel(width);
        panel->setParent(panels);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(FStatusPanels.size()));
        panel->setGeometry(left, 0, width, 20);
        left += width;
        FStatusPanels.append(panel);
    }
    panels->setFixedHeight(20);
    bar->addWidget(panels, 1);
    FRgbColor_Panel = new QFrame(FStatusPanels[4]);
    FRgbColor_Panel->setObjectName("RgbColor_Panel");
    FRgbColor_Panel->setGeometry(3, 3, 44, 14);
    FRgbColor_Panel->setAutoFillBackground(true);
}
