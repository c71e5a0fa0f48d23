#include "documents/ViewZoom.h"

#include "app/DataModule.h"
#include "documents/FileSizeText.h"
#include "platform/ImageViewWidget.h"
#include "platform/Slider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>

#include <cmath>
#include <utility>

namespace {
constexpr int StepSize = 10;
constexpr int StepRepeatMs = 100;
constexpr double OneToOne = 400.0;
} // namespace

TViewZoom::TViewZoom(TVL_DM &dataModule, TViewControls controls, QObject *parent)
    : QObject(parent), FDataModule(dataModule), FControls(std::move(controls))
{
    Minus_Timer.setInterval(StepRepeatMs);
    Plus_Timer.setInterval(StepRepeatMs);
    connect(&Minus_Timer, &QTimer::timeout, this, [this] { Step(-StepSize); });
    connect(&Plus_Timer, &QTimer::timeout, this, [this] { Step(StepSize); });
    connect(FControls.Minus_PNGButton, &QAbstractButton::pressed, this,
            [this] { StepPressed(FControls.Minus_PNGButton, Minus_Timer, -StepSize); });
    connect(FControls.Minus_PNGButton, &QAbstractButton::released, this, [this] { StepReleased(Minus_Timer); });
    connect(FControls.Plus_PNGButton, &QAbstractButton::pressed, this,
            [this] { StepPressed(FControls.Plus_PNGButton, Plus_Timer, StepSize); });
    connect(FControls.Plus_PNGButton, &QAbstractButton::released, this, [this] { StepReleased(Plus_Timer); });
    connect(FControls.Ori_PNGButton, &QAbstractButton::clicked, this, &TViewZoom::Ori_PNGButtonClick);
    connect(FControls.SetImg_PNGButton, &QAbstractButton::clicked, this, &TViewZoom::SetImg_PNGButtonClick);
    connect(FControls.Resolution_Slider, &TSlider::OnStopTracking, this, [this] {
        FLastSetImg = sitOri;
        Resolution_SliderStopTracking();
    });
    connect(FControls.Resolution_Slider, &TSlider::MouseUp, this, &TViewZoom::Resolution_SliderMouseUp);
    connect(FControls.Tran_ImgView, &TImgViewWidget::Resized, this, [this] {
        if (!FDataModule.FReplay.Flags.FUndoRedoMode && !isfittoscreen && !DualViewShown())
            Refit();
    });
    connect(FControls.PageControl1, &QTabWidget::currentChanged, this, &TViewZoom::PageControl1Change);
    // Turns, resizes and replays change the photo's size: its text follows.
    TImgView32 &canvas = FControls.Tran_ImgView->Model();
    FCanvasListener = canvas.AddChangeListener([this] { ShowCanvasSize(); });
    FBitmapListener = canvas.Bitmap().AddChangeListener([this] { ShowCanvasSize(); });
}

TViewZoom::~TViewZoom()
{
    TImgView32 &canvas = FControls.Tran_ImgView->Model();
    canvas.RemoveChangeListener(FCanvasListener);
    canvas.Bitmap().RemoveChangeListener(FBitmapListener);
}

QString TViewZoom::ImageSizeText(int width, int height)
{
    return TVL_DM::_T(QStringLiteral("이미지 크기")) + QStringLiteral(":%1 x %2").arg(width).arg(height);
}

void TViewZoom::ShowCanvasSize()
{
    if (!SelectedPhoto || SelectedPhoto() < 0 || (Mode && Mode() == iectGif))
        return;
    const TBitmap32 &bitmap = FControls.Tran_ImgView->Model().Bitmap();
    FControls.StatusPanels[1]->setText(ImageSizeText(bitmap.Width(), bitmap.Height()));
}

TImgViewWidget *TViewZoom::ZoomTarget() const
{
    return Mode && Mode() == iectImgPaste ? FControls.Add_Img_ImgView : FControls.Tran_ImgView;
}

void TViewZoom::Resolution_SliderStopTracking()
{
    TSlider *slider = FControls.Resolution_Slider;
    slider->update();
    if (slider->Value() == 0)
        slider->SetValue(1);
    if (slider->Value() <= 0)
        return;
    isfittoscreen = true;
    FControls.SliderValue_Panel->setText(QString::number(slider->Value()) + u'%');
    TImgViewWidget *view = ZoomTarget();
    view->Model().SetScale(slider->Value() / OneToOne);
    view->Model().Changed();
    isfittoscreen = false;
}

void TViewZoom::Resolution_SliderMouseUp(int x, int y)
{
    SetScroolDown(x, y, FControls.Resolution_Slider, 0);
    FLastSetImg = sitOri;
    Resolution_SliderStopTracking();
}

void TViewZoom::StepPressed(QAbstractButton *, QTimer &timer, int step)
{
    if (timer.isActive())
        return;
    Step(step);
    timer.start();
}

void TViewZoom::StepReleased(QTimer &timer) { timer.stop(); }

void TViewZoom::Step(int delta)
{
    FLastSetImg = sitOri;
    FControls.Resolution_Slider->SetValue(FControls.Resolution_Slider->Value() + delta);
    Resolution_SliderStopTracking();
}

void TViewZoom::Ori_PNGButtonClick()
{
    FControls.Resolution_Slider->SetValue(400);
    FLastSetImg = sitOri;
    Resolution_SliderStopTracking();
}

void TViewZoom::FitView(TImgViewWidget *view)
{
    const TBitmap32 &bitmap = view->Model().Bitmap();
    if (bitmap.Empty())
        return;
    // The fit is taken without scroll bars; they come back only if needed.
    // Their coming and going resizes the view, which must not refit.
    const bool wasFitting = std::exchange(isfittoscreen, true);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize area = view->viewport()->size();
    const float s = std::min(float(area.height()) / float(bitmap.Height()), float(area.width()) / float(bitmap.Width()));
    FControls.Resolution_Slider->SetValue(int(std::trunc(s * 400.0f)));
    view->Model().SetScale(s);
    FLastSetImg = sitSetImg;
    if (!DualViewShown() || view != FControls.Tran_ImgView) {
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    view->Model().Changed();
    isfittoscreen = wasFitting;
}

void TViewZoom::SetImg_PNGButtonClick()
{
    if (!SelectedPhoto || SelectedPhoto() < 0)
        return;
    if (Mode && Mode() == iectImgPaste) {
        FitView(FControls.Add_Img_ImgView);
        return;
    }
    FitView(FControls.Tran_ImgView);
    // Fit stays in force (a resize or a size change refits) until another
    // zoom command; the apply step only turns the slider value into the zoom.
    Resolution_SliderStopTracking();
}

void TViewZoom::Refit()
{
    if (FLastSetImg == sitSetImg)
        SetImg_PNGButtonClick();
}

bool TViewZoom::DualViewShown() const { return FControls.PageControl1->currentIndex() == 1; }

void TViewZoom::EnableZoomButtons(bool enabled)
{
    for (QAbstractButton *button : {FControls.Minus_PNGButton, FControls.Plus_PNGButton, FControls.Ori_PNGButton,
                                    FControls.SetImg_PNGButton})
        button->setEnabled(enabled);
    FControls.Resolution_Slider->setEnabled(enabled);
}

void TViewZoom::ShowStandardView() { FControls.PageControl1->setCurrentIndex(0); }

void TViewZoom::ShowDualView() { FControls.PageControl1->setCurrentIndex(1); }

void TViewZoom::PageControl1Change()
{
    if (ResetEditLayers)
        ResetEditLayers();
    TImgViewWidget *canvas = FControls.Tran_ImgView;
    const bool dual = DualViewShown();
    QWidget *host = dual ? FControls.Tran_Panel1 : FControls.Tran_Panel2;
    if (canvas->parentWidget() != host)
        host->layout()->addWidget(canvas);
    canvas->setHorizontalScrollBarPolicy(dual ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    canvas->setVerticalScrollBarPolicy(dual ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    canvas->SetScaleMode(dual ? smResize : smScale);
    FControls.Label37->setVisible(dual);
    FControls.Ori_Panel->setVisible(dual);
    EnableZoomButtons(!dual && !(Mode && Mode() == iectGif));
    canvas->show();
    if (QWidget *window = canvas->window())
        window->update();
}

void TViewZoom::SetStatusBar(TStatusBarType Atype, const QPoint &AMoustPt, bool AInit)
{
    QList<QLabel *> &panels = FControls.StatusPanels;
    const int selected = SelectedPhoto ? SelectedPhoto() : -1;
    if (AInit || (Atype == sbtNorInfo && selected < 0)) {
        panels[0]->clear();
        panels[1]->setText(ImageSizeText(0, 0));
        panels[2]->setText(TVL_DM::_T(QStringLiteral("선택된 개체")) + QStringLiteral(":(0)"));
        panels[3]->setText(TVL_DM::_T(QStringLiteral("총 %d 개체")).replace(QStringLiteral("%d"), QStringLiteral("0")));
        FControls.RgbColor_Panel->setPalette(QApplication::palette());
        panels[5]->clear();
        return;
    }
    if (Atype == sbtNorInfo) {
        const QString path = FDataModule.FUndoRedoImgList.GetItem(selected).OriFilePath;
        const TBitmap32 &bitmap = FControls.Tran_ImgView->Model().Bitmap();
        panels[0]->setText(QFileInfo(path).fileName());
        panels[1]->setText(ImageSizeText(bitmap.Width(), bitmap.Height()));
        QString size;
        try {
            size = Get_File_Size1(path, true);
        } catch (const EFileSize &) {
            size.clear(); // the file went away since it was opened
        }
        panels[2]->setText(TVL_DM::_T(QStringLiteral("선택된 개체")) + QStringLiteral(":1(") + size + u')');
        panels[3]->setText(TVL_DM::_T(QStringLiteral("총 %d 개체"))
                               .replace(QStringLiteral("%d"), QString::number(FDataModule.FUndoRedoImgList.Count())));
        return;
    }
    const TBitmap32 &bitmap = FControls.Tran_ImgView->Model().Bitmap();
    if (AMoustPt.x() < 0 || AMoustPt.y() < 0 || AMoustPt.x() >= bitmap.Width() || AMoustPt.y() >= bitmap.Height())
        return;
    const TColor32 pixel = bitmap.Pixel(AMoustPt.x(), AMoustPt.y());
    QPalette swatch = FControls.RgbColor_Panel->palette();
    swatch.setColor(QPalette::Window, QColor(RedComponent(pixel), GreenComponent(pixel), BlueComponent(pixel)));
    FControls.RgbColor_Panel->setPalette(swatch);
    panels[5]->setText(QStringLiteral("R:%1 G:%2 B:%3")
                           .arg(RedComponent(pixel))
                           .arg(GreenComponent(pixel))
                           .arg(BlueComponent(pixel)));
}
