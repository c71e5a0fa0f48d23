#pragma once
// The colour and filter page "이미지 보정/필터": twelve effect sliders with a
// live preview from a baseline picture, their "저장" buttons, "초기화", the
// dry brush and the "고급필터" buttons.

#include "platform/Bitmap32.h"

#include <QWidget>

#include <array>
#include <exception>
#include <functional>

class QPushButton;
class TImgView32;
class TOpRecord;
class TSlider;
class TVL_DM;
class TVL_Opening_Form;

// What the page needs of the window around it.
struct TFilterPanelHost {
    QWidget *Window;
    TImgView32 &Canvas; // its bitmap is the photo on screen
    TVL_Opening_Form *WaitBox;
    bool &FBlockApply; // the window's: a dry brush runs
    std::function<int()> SelectedPhoto; // -1 for none
    // Reloads the photo at the index and replays its log to its position.
    std::function<void(int)> ReloadPhoto;
    std::function<void()> PhotosChanged;
};

class TFilterPanel : public QWidget {
    Q_OBJECT
public:
    TFilterPanel(TVL_DM &dataModule, TFilterPanelHost host, QWidget *page);

    // Every slider to its neutral value.
    void FilterInit();
    // The live preview of one row, from the baseline.
    void PreviewFilter(int row);
    // Keeps the row's preview as an edit and logs it.
    void SaveFilter(int row);
    // Puts the slider of effect AIndex back to neutral; chroma and the
    // numbers without a slider move nothing. AValue1 is not used.
    void SetFilterValue(int AIndex, int AValue1);
    // The baseline := a copy of the photo.
    void ViewBmpToTempBmp();
    // Leaving the page: an unsaved preview goes, so the photo shows its log.
    void DropPreview();
    // Reloads the current photo and replays its history to its position.
    void NowApply();
    void Button5Click();
    void DryBurush_ButtonClick();

    TSlider *Slider(int row) const { return FSliders[row]; }
    const TBitmap32 &FilterTempBmp() const { return FFilter_TempBmp; }
    // The mosaic tool is armed; every "고급필터" button switches it off.
    bool FMosaic_Bool = false;

private:
    void SliderChange(int row);
    void SliderMouseUp(int row, int x, int y);
    void AfterFilterReplay(const TOpRecord &record);
    void InstallReplayParts();
    QWidget *BuildGroup(const QString &caption, int firstRow, int lastRow, bool endLabels);
    QWidget *BuildAdvancedGroup();
    void ShowFailure(const std::exception &error);

    TVL_DM &FDataModule;
    TFilterPanelHost FHost;
    TBitmap32 FFilter_TempBmp;
    std::array<TSlider *, 12> FSliders{};
    QPushButton *FDryBurush_Button = nullptr;
    bool FResetting = false;
    // The row and slider value the photo shows a preview of; row -1 when it
    // shows the baseline.
    int FPreviewRow = -1;
    int FPreviewValue = 0;
};
