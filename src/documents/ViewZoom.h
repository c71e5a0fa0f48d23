#pragma once
// Zoom, fit, the standard and dual views and the status bar of the canvas.

#include "app/VL_Types.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QFrame;
class QLabel;
class QTabWidget;
class QWidget;
class TImgViewWidget;
class TSlider;
class TVL_DM;

enum TStatusBarType { sbtNorInfo, sbtRgbInfo };

struct TViewControls {
    TSlider *Resolution_Slider;
    QLabel *SliderValue_Panel;
    QAbstractButton *Minus_PNGButton;
    QAbstractButton *Plus_PNGButton;
    QAbstractButton *Ori_PNGButton;
    QAbstractButton *SetImg_PNGButton;
    TImgViewWidget *Tran_ImgView;
    TImgViewWidget *Add_Img_ImgView;
    QTabWidget *PageControl1;
    QWidget *Tran_Panel1; // right half of the dual view
    QWidget *Tran_Panel2; // the standard view
    QWidget *Ori_Panel;
    QLabel *Label37;
    QList<QLabel *> StatusPanels;
    QFrame *RgbColor_Panel;
};

class TViewZoom : public QObject {
    Q_OBJECT
public:
    TViewZoom(TVL_DM &dataModule, TViewControls controls, QObject *parent = nullptr);
    ~TViewZoom() override;

    // The current edit mode and the selected photo (-1 for none).
    std::function<TIMGEDITCONTROLTYPE()> Mode;
    std::function<int()> SelectedPhoto;
    // Ends pending canvas work and drops the selections; the view-tab change
    // runs it first.
    std::function<void()> ResetEditLayers;

    TSetImgType LastSetImg() const { return FLastSetImg; }

    // The apply step: the slider value becomes the zoom (value / 400).
    void Resolution_SliderStopTracking();
    void Resolution_SliderMouseUp(int x, int y);
    void Ori_PNGButtonClick();
    void SetImg_PNGButtonClick();
    // Fits again after work that changed the photo's size, if fit is in force.
    void Refit();
    void PageControl1Change();
    void ShowStandardView();
    void ShowDualView();
    bool DualViewShown() const;

    void SetStatusBar(TStatusBarType Atype, const QPoint &AMoustPt = {}, bool AInit = false);

private:
    void StepPressed(QAbstractButton *button, QTimer &timer, int step);
    void StepReleased(QTimer &timer);
    void Step(int delta);
    void FitView(TImgViewWidget *view);
    void EnableZoomButtons(bool enabled);
    TImgViewWidget *ZoomTarget() const;
    static QString ImageSizeText(int width, int height);
    void ShowCanvasSize();

    TVL_DM &FDataModule;
    TViewControls FControls;
    TSetImgType FLastSetImg = sitOri;
    bool isfittoscreen = false;
    QTimer Minus_Timer;
    QTimer Plus_Timer;
    int FCanvasListener = 0;
    int FBitmapListener = 0;
};
