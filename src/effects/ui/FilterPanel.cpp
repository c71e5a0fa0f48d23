#include "effects/ui/FilterPanel.h"

#include "app/DataModule.h"
#include "app/OpeningForm.h"
#include "effects/ApplyEffect.h"
#include "effects/FilterRecords.h"
#include "platform/ImageViewModel.h"
#include "platform/MessageBoxes.h"
#include "platform/Slider.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DryBrushEffect = 23;

QString T(const char *text) { return TVL_DM::_T(QString::fromUtf8(text)); }

// Runs the hook that was set before, then the new one.
template <typename... Args>
std::function<void(Args...)> Chain(std::function<void(Args...)> earlier, std::function<void(Args...)> later)
{
    if (!earlier)
        return later;
    return [earlier = std::move(earlier), later = std::move(later)](Args... args) {
        earlier(args...);
        later(args...);
    };
}

} // namespace

TFilterPanel::TFilterPanel(TVL_DM &dataModule, TFilterPanelHost host, QWidget *page)
    : QWidget(page), FDataModule(dataModule), FHost(std::move(host))
{
    setObjectName(QStringLiteral("FilterPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The advanced filter dialogs open beside the top-right corner of the
    // first group.
    QWidget *correction = BuildGroup(T("보정"), 0, 3, true);
    correction->setObjectName(QStringLiteral("GroupBox21"));
    layout->addWidget(correction);
    layout->addWidget(BuildGroup(T("필터"), 4, 11, false));
    auto *reset = new QPushButton(T("초기화"));
    reset->setObjectName(QStringLiteral("Button5"));
    connect(reset, &QPushButton::clicked, this, &TFilterPanel::Button5Click);
    layout->addWidget(reset);
    layout->addWidget(BuildAdvancedGroup());

    if (page) {
        if (auto *title = page->findChild<QLabel *>(page->objectName() + QStringLiteral("_Title")))
            title->setText(T("이미지 보정/필터"));
        if (auto *pageLayout = qobject_cast<QVBoxLayout *>(page->layout()))
            pageLayout->insertWidget(1, this);
    }
    InstallReplayParts();
}

QWidget *TFilterPanel::BuildGroup(const QString &caption, int firstRow, int lastRow, bool endLabels)
{
    auto *group = new QGroupBox(caption);
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    const auto &rows = FilterRows();
    for (int row = firstRow; row <= lastRow; ++row) {
        const TFilterRow &info = rows[row];
        const int line = row - firstRow;
        grid->addWidget(new QLabel(T(info.Caption)), line, 0);
        auto *slider = new TSlider;
        slider->setObjectName(QLatin1String(info.SliderName));
        slider->SetRange(info.Min, info.Max);
        slider->SetValue(info.Neutral);
        FSliders[row] = slider;
        if (endLabels) {
            grid->addWidget(new QLabel(QStringLiteral("-")), line, 1);
            grid->addWidget(new QLabel(QStringLiteral("+")), line, 3);
        }
        grid->addWidget(slider, line, 2);
        auto *save = new QPushButton(T("저장"));
        save->setObjectName(QLatin1String(info.ButtonName));
        save->setMaximumWidth(save->fontMetrics().horizontalAdvance(save->text()) + 16);
        grid->addWidget(save, line, 4);
        connect(slider, &TSlider::OnChange, this, [this, row] { SliderChange(row); });
        connect(slider, &TSlider::OnStopTracking, this, [this, row] { PreviewFilter(row); });
        connect(slider, &TSlider::MouseUp, this, [this, row](int x, int y) { SliderMouseUp(row, x, y); });
        connect(save, &QPushButton::clicked, this, [this, row] { SaveFilter(row); });
    }
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget *TFilterPanel::BuildAdvancedGroup()
{
    // Their dialogs come later; until then the buttons are there, disabled.
    static const char *const buttons[][2] = {
        {"WaterColor_Button", "수채색연필화"}, {"Gradian_Button", "그라데이션"}, {"OutFucus_Button", "아웃포커싱"},
        {"Mosaic_Button", "모자이크"},         {"OldPic_Button", "배경효과"},   {"Paper_Button", "종이질감"},
        {"DryBurush_Button", "드라이브러쉬"},  {"Reflect_Button", "반        사"}};
    auto *group = new QGroupBox(T("고급필터"));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    int i = 0;
    for (const auto &entry : buttons) {
        auto *button = new QPushButton(T(entry[1]));
        button->setObjectName(QLatin1String(entry[0]));
        grid->addWidget(button, i / 2, i % 2);
        ++i;
        if (button->objectName() == QLatin1String("DryBurush_Button")) {
            FDryBurush_Button = button;
            connect(button, &QPushButton::clicked, this, &TFilterPanel::DryBurush_ButtonClick);
        } else {
            button->setEnabled(false);
        }
    }
    return group;
}

void TFilterPanel::InstallReplayParts()
{
    TReplayEngine &engine = FDataModule.FReplay;
    const QPointer<TFilterPanel> panel(this);
    engine.Hooks.BeforeRebuild = Chain<>(engine.Hooks.BeforeRebuild, std::function<void()>([panel] {
                                             if (panel)
                                                 panel->FilterInit();
                                         }));
    engine.Hooks.AfterRebuild = Chain<>(engine.Hooks.AfterRebuild, std::function<void()>([panel] {
                                            if (panel)
                                                panel->ViewBmpToTempBmp();
                                        }));
    // The replay of a filter record also puts its slider back.
    const TApplier *registered = engine.Appliers.Find(rkFilter, 0);
    const TApplier apply = registered ? *registered : TApplier(ApplyFilterRecord);
    engine.Appliers.Register(rkFilter, 0, [apply, panel](const TOpRecord &record, TReplayContext &context) {
        TImageLayer *layer = apply(record, context);
        if (panel)
            panel->AfterFilterReplay(record);
        return layer;
    });
}

void TFilterPanel::AfterFilterReplay(const TOpRecord &record)
{
    const QString name = record.Text("AFilterName");
    if (name != QLatin1String("WaterColor") && name != QLatin1String("DryBrush"))
        SetFilterValue(record.Int("AIndex"), record.Int("AValue1"));
}

void TFilterPanel::FilterInit()
{
    const bool resetting = FResetting;
    FResetting = true;
    for (int row = 0; row < int(FSliders.size()); ++row)
        FSliders[row]->SetValue(FilterRows()[row].Neutral);
    FResetting = resetting;
}

void TFilterPanel::SliderChange(int row)
{
    // Moving one slider must not bounce back through the neighbours it resets.
    if (FResetting || FDataModule.FReplay.Flags.FBlockApply || !FilterRows()[row].ResetsOthers)
        return;
    FResetting = true;
    for (int other = 0; other < int(FSliders.size()); ++other)
        if (other != row)
            FSliders[other]->SetValue(FilterRows()[other].Neutral);
    FResetting = false;
}

void TFilterPanel::SliderMouseUp(int row, int x, int y)
{
    SetScroolDown(x, y, FSliders[row], -FilterRows()[row].Min);
    PreviewFilter(row);
}

void TFilterPanel::SetFilterValue(int AIndex, int)
{
    const int row = FilterRowReplacedBy(AIndex);
    if (row >= 0)
        FSliders[row]->SetValue(0);
}

void TFilterPanel::ViewBmpToTempBmp()
{
    FFilter_TempBmp.Assign(FHost.Canvas.Bitmap());
    FPreviewRow = -1;
}

void TFilterPanel::DropPreview()
{
    if (FPreviewRow >= 0 && !FFilter_TempBmp.Empty()) {
        FHost.Canvas.Bitmap().Assign(FFilter_TempBmp);
        FHost.Canvas.Bitmap().Changed();
        FHost.Canvas.Changed();
    }
    FPreviewRow = -1;
    FilterInit();
}

void TFilterPanel::PreviewFilter(int row)
{
    const int selected = FHost.SelectedPhoto();
    if (FDataModule.FUndoRedoImgList.Count() == 0 || selected < 0 || FDataModule.FReplay.Flags.FUndoRedoMode)
        return;
    const TFilterRow &info = FilterRows()[row];
    const int value = FSliders[row]->Value();
    // Every preview starts from the baseline, so the one on screen stays valid.
    if (FPreviewRow == row && FPreviewValue == value)
        return;
    TBitmap32 &photo = FHost.Canvas.Bitmap();
    if (FFilter_TempBmp.Empty())
        ViewBmpToTempBmp();
    try {
        FPreviewRow = -1;
        photo.Assign(FFilter_TempBmp);
        if (const std::optional<int> passed = FilterPreviewValue(row, value)) {
            const int position = FDataModule.FUndoRedoImgList.GetItem(selected).Index + 1;
            const std::uint64_t seed = info.Effect == 1 ? FilterNoiseSeed(FFilter_TempBmp, position) : 0;
            ApplyEffect(photo, info.Effect, *passed, 0, 0, 1, seed);
        } else {
            photo.Changed();
        }
        FPreviewRow = row;
        FPreviewValue = value;
    } catch (const std::exception &error) {
        photo.Assign(FFilter_TempBmp);
        photo.Changed();
        ShowFailure(error);
    }
}

void TFilterPanel::SaveFilter(int row)
{
    const int selected = FHost.SelectedPhoto();
    if (selected < 0)
        return;
    // What is kept must be what the record replays: a value set without a
    // preview (keys, a save at neutral) is previewed first.
    PreviewFilter(row);
    const int value = FSliders[row]->Value();
    if (FPreviewRow != row || FPreviewValue != value)
        return;
    const TFilterRow &info = FilterRows()[row];
    const QString name = QLatin1String(info.RecordName);
    const int recorded = FilterRecordValue(row, value);
    FDataModule.FUndoRedoImgList.GetItem(selected).LogRecord(FilterRecordText(info.Effect, name, recorded));
    StartFilter(FDataModule.FReplay.FFilterList, name, info.Effect, recorded, 0, 0);
    FSliders[row]->SetValue(info.Neutral);
    // The preview on the photo becomes the baseline; nothing is computed again.
    ViewBmpToTempBmp();
}

void TFilterPanel::NowApply()
{
    const int selected = FHost.SelectedPhoto();
    if (selected >= 0)
        FHost.ReloadPhoto(selected);
}

void TFilterPanel::Button5Click()
{
    FilterInit();
    if (FHost.SelectedPhoto() < 0)
        return;
    FDataModule.FReplay.FFilterList.Clear();
    NowApply();
    ViewBmpToTempBmp();
    if (FHost.PhotosChanged)
        FHost.PhotosChanged();
    if (FHost.Window) {
        FHost.Window->activateWindow();
        FHost.Window->setFocus();
    }
}

void TFilterPanel::DryBurush_ButtonClick()
{
    if (FDataModule.FUndoRedoImgList.Count() == 0 || FHost.FBlockApply)
        return;
    // Set before the wait box lets messages run, so that no click gets in.
    FHost.FBlockApply = true;
    FMosaic_Bool = false;
    FDryBurush_Button->setEnabled(false);
    if (FHost.WaitBox)
        FHost.WaitBox->ShowWaiting();
    QApplication::processEvents();
    QString failure;
    const int selected = FHost.SelectedPhoto();
    if (selected >= 0) {
        TBitmap32 &photo = FHost.Canvas.Bitmap();
        try {
            // An unsaved preview is not part of the log: the brush starts from the baseline.
            if (FPreviewRow >= 0)
                photo.Assign(FFilter_TempBmp);
            ApplyEffect(photo, DryBrushEffect, 0, 0, 0, 1);
            FDataModule.FUndoRedoImgList.GetItem(selected).LogRecord(
                FilterRecordText(DryBrushEffect, QStringLiteral("DryBrush"), 0));
            FilterInit();
            ViewBmpToTempBmp();
        } catch (const std::exception &error) {
            photo.Assign(FFilter_TempBmp);
            photo.Changed();
            FPreviewRow = -1;
            failure = QString::fromUtf8(error.what());
        }
    }
    if (FHost.WaitBox)
        FHost.WaitBox->FormUserClose();
    FHost.FBlockApply = false;
    FDryBurush_Button->setEnabled(true);
    if (!failure.isEmpty())
        ShowError(FHost.Window, failure);
}

void TFilterPanel::ShowFailure(const std::exception &error)
{
    ShowError(FHost.Window, QString::fromUtf8(error.what()));
}
