#include "geometry/ui/ResizePanel.h"

#include "app/DataModule.h"
#include "geometry/GeometryAppliers.h"
#include "geometry/Resize.h"
#include "geometry/ui/GeometryCommands.h"
#include "geometry/ui/PresetDialog.h"
#include "platform/ImageViewModel.h"
#include "platform/MessageBoxes.h"
#include "platform/RegistryStore.h"
#include "platform/Slider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString T(const char *korean) { return TVL_DM::_T(QString::fromUtf8(korean)); }

const QString PreValue = QStringLiteral("PreValue");
// Entries 0 to 5; saved presets follow.
constexpr int SeparatorIndex = 5;
constexpr int FirstSavedPreset = 6;

// Calls entered() whenever the watched control takes the focus.
class TFocusWatch : public QObject {
public:
    TFocusWatch(QObject *parent, std::function<void()> entered) : QObject(parent), FEntered(std::move(entered)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            FEntered();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> FEntered;
};

} // namespace

QString ResizePresetsKey() { return QStringLiteral("Software\\Vellumi\\Presets\\Resize"); }

QString ResizePresetKey(const QString &name) { return ResizePresetsKey() + u'\\' + name; }

TResizePanel::TResizePanel(TVL_DM &dataModule, TResizeHost host, QObject *parent)
    : QObject(parent), FDataModule(dataModule), FHost(std::move(host))
{
    setObjectName("ResizePanel");
    BuildControls();
}

void TResizePanel::BuildControls()
{
    QWidget *page = FHost.Page;
    auto *layout = qobject_cast<QVBoxLayout *>(page->layout());
    if (!layout)
        layout = new QVBoxLayout(page);

    auto *original = new QGroupBox(T("원본이미지크기"), page);
    auto *originalGrid = new QGridLayout(original);
    Ori_Width_Label = new QLabel(QStringLiteral("0"), original);
    Ori_Width_Label->setObjectName("Ori_Width_Label");
    Ori_Height_Label = new QLabel(QStringLiteral("0"), original);
    Ori_Height_Label->setObjectName("Ori_Height_Label");
    originalGrid->addWidget(new QLabel(T("넓이:"), original), 0, 0);
    originalGrid->addWidget(Ori_Width_Label, 0, 1);
    originalGrid->addWidget(new QLabel(T("높이:"), original), 1, 0);
    originalGrid->addWidget(Ori_Height_Label, 1, 1);
    layout->addWidget(original);

    auto *sizes = new QGroupBox(page);
    auto *grid = new QGridLayout(sizes);
    Res_RadioButton = new QRadioButton(T("해상도로조절"), sizes);
    Res_RadioButton->setObjectName("Res_RadioButton");
    grid->addWidget(Res_RadioButton, 0, 0, 1, 2);
    auto spin = [sizes](const char *name) {
        auto *edit = new QSpinBox(sizes);
        edit->setObjectName(name);
        // 0 can be typed on the way to another number; it reads as "no size".
        edit->setRange(0, 9999);
        edit->setValue(1);
        edit->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        return edit;
    };
    ResW_Label = new QLabel(T("가로 (픽셀)"), sizes);
    ResW_SpinEdit = spin("ResW_SpinEdit");
    ResH_Label = new QLabel(T("세로 (픽셀)"), sizes);
    ResH_SpinEdit = spin("ResH_SpinEdit");
    grid->addWidget(ResW_Label, 1, 0);
    grid->addWidget(ResW_SpinEdit, 1, 1);
    grid->addWidget(ResH_Label, 2, 0);
    grid->addWidget(ResH_SpinEdit, 2, 1);
    ResBiyul_CheckBox = new QCheckBox(T("가로:세로 비율 유지"), sizes);
    ResBiyul_CheckBox->setObjectName("ResBiyul_CheckBox");
    grid->addWidget(ResBiyul_CheckBox, 3, 0, 1, 2);
    Biyul_RadioButton = new QRadioButton(T("비율로조절"), sizes);
    Biyul_RadioButton->setObjectName("Biyul_RadioButton");
    grid->addWidget(Biyul_RadioButton, 4, 0, 1, 2);
    ResBiyul_Label = new QLabel(T("비율"), sizes);
    ResBiyul_Slider = new TSlider(sizes);
    ResBiyul_Slider->setObjectName("ResBiyul_Slider");
    ResBiyul_Slider->SetRange(10, 200);
    ResBiyul_Slider->SetIncrement(1);
    ResBiyul_Slider->SetValue(150);
    ResBiyul_Edit = new QLineEdit(QStringLiteral("150%"), sizes);
    ResBiyul_Edit->setObjectName("ResBiyul_Edit");
    ResBiyul_Edit->setReadOnly(true);
    ResBiyul_Edit->setFixedWidth(48);
    grid->addWidget(ResBiyul_Label, 5, 0);
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addWidget(ResBiyul_Slider, 1);
    sliderRow->addWidget(ResBiyul_Edit);
    grid->addLayout(sliderRow, 5, 1);
    layout->addWidget(sizes);

    auto *often = new QGroupBox(T("자주 쓰는 설정"), page);
    auto *oftenGrid = new QGridLayout(often);
    Often_Res_ComboBox = new QComboBox(often);
    Often_Res_ComboBox->setObjectName("Often_Res_ComboBox");
    FillFixedEntries();
    Often_A_Button = new QPushButton(T("추가"), often);
    Often_A_Button->setObjectName("Often_A_Button");
    Often_D_Button = new QPushButton(T("제거"), often);
    Often_D_Button->setObjectName("Often_D_Button");
    Often_D_Button->setEnabled(false);
    oftenGrid->addWidget(Often_Res_ComboBox, 0, 0, 1, 2);
    oftenGrid->addWidget(Often_A_Button, 1, 0);
    oftenGrid->addWidget(Often_D_Button, 1, 1);
    layout->addWidget(often);

    Button11 = new QPushButton(T("현재 파일 변경"), page);
    Button11->setObjectName("Button11");
    Button9 = new QPushButton(T("모든 파일 변경"), page);
    Button9->setObjectName("Button9");
    layout->addWidget(Button11);
    layout->addWidget(Button9);
    layout->addStretch(1);

    Res_RadioButton->setChecked(true);
    Res_RadioButtonClick();

    connect(Res_RadioButton, &QRadioButton::clicked, this, &TResizePanel::Res_RadioButtonClick);
    connect(Biyul_RadioButton, &QRadioButton::clicked, this, &TResizePanel::Biyul_RadioButtonClick);
    connect(ResW_SpinEdit, &QSpinBox::valueChanged, this, &TResizePanel::ResW_SpinEditChange);
    connect(ResH_SpinEdit, &QSpinBox::valueChanged, this, &TResizePanel::ResH_SpinEditChange);
    connect(ResBiyul_Slider, &TSlider::OnChange, this, &TResizePanel::ResBiyul_SliderChange);
    connect(ResBiyul_Slider, &TSlider::MouseUp, this, &TResizePanel::ResBiyul_SliderMouseUp);
    connect(Often_Res_ComboBox, &QComboBox::activated, this,
            [this] { ReportStoreErrors([this] { Often_Res_ComboBoxChange(); }); });
    Often_Res_ComboBox->installEventFilter(
        new TFocusWatch(this, [this] { ReportStoreErrors([this] { Often_Res_ComboBoxEnter(); }); }));
    connect(Often_A_Button, &QPushButton::clicked, this, &TResizePanel::Often_A_ButtonClick);
    connect(Often_D_Button, &QPushButton::clicked, this,
            [this] { ReportStoreErrors([this] { Often_D_ButtonClick(); }); });
    connect(Button11, &QPushButton::clicked, this, [this] { ApplyResize(false); });
    connect(Button9, &QPushButton::clicked, this, [this] { ApplyResize(true); });
}

void TResizePanel::FillFixedEntries()
{
    Often_Res_ComboBox->clear();
    Often_Res_ComboBox->addItems({QStringLiteral("1024X768"), QStringLiteral("800X600"), T("두배크기"),
                                  T("절반크기"), T("이전 설정값"), QString(42, u'-')});
}

void TResizePanel::ReportStoreErrors(const std::function<void()> &work)
{
    try {
        work();
    } catch (const ERegistryError &error) {
        ShowError(FHost.Page->window(), QString::fromUtf8(error.what()));
    }
}

bool TResizePanel::HavePhoto() const { return FDataModule.FUndoRedoImgList.Count() > 0; }

void TResizePanel::EnterPage()
{
    const TBitmap32 &raster = FHost.Canvas.Bitmap();
    Ori_Width_Label->setText(QString::number(raster.Width()));
    Ori_Height_Label->setText(QString::number(raster.Height()));
    ResW_SpinEdit->setValue(FDataModule.FOriW);
    ResH_SpinEdit->setValue(FDataModule.FOriH);
    Res_RadioButton->setChecked(true);
    Often_Res_ComboBox->setCurrentIndex(0);
    Often_Res_ComboBoxChange();
}

void TResizePanel::SetGrey(QLabel *label, bool grey)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     grey ? label->palette().color(QPalette::Disabled, QPalette::WindowText) : QColor(Qt::black));
    label->setPalette(palette);
}

void TResizePanel::Res_RadioButtonClick()
{
    ResW_SpinEdit->setEnabled(true);
    ResH_SpinEdit->setEnabled(true);
    ResBiyul_CheckBox->setEnabled(true);
    SetGrey(ResW_Label, false);
    SetGrey(ResH_Label, false);
    ResBiyul_Slider->setEnabled(false);
    ResBiyul_Edit->setEnabled(false);
    SetGrey(ResBiyul_Label, true);
}

void TResizePanel::Biyul_RadioButtonClick()
{
    ResBiyul_Slider->setEnabled(true);
    ResBiyul_Edit->setEnabled(true);
    SetGrey(ResBiyul_Label, false);
    ResW_SpinEdit->setEnabled(false);
    ResH_SpinEdit->setEnabled(false);
    ResBiyul_CheckBox->setEnabled(false);
    SetGrey(ResW_Label, true);
    SetGrey(ResH_Label, true);
}

void TResizePanel::ResW_SpinEditChange() { SizeFieldChange(true); }

void TResizePanel::ResH_SpinEditChange() { SizeFieldChange(false); }

void TResizePanel::SizeFieldChange(bool widthEdited)
{
    if (FApply_Bool)
        return;
    struct TClear {
        bool &flag;
        ~TClear() { flag = false; }
    } clear{FApply_Bool};
    FApply_Bool = true;
    if (!HavePhoto())
        return;
    QSpinBox *edited = widthEdited ? ResW_SpinEdit : ResH_SpinEdit;
    QSpinBox *other = widthEdited ? ResH_SpinEdit : ResW_SpinEdit;
    if (edited->value() == 0) {
        other->setValue(1);
        return;
    }
    const TBitmap32 &raster = FHost.Canvas.Bitmap();
    if (!ResBiyul_CheckBox->isChecked() || raster.Empty())
        return;
    const double r = double(raster.Width()) / double(raster.Height());
    const double value = edited->value();
    other->setValue(int(std::rint(widthEdited ? value / r : value * r)));
}

void TResizePanel::ResBiyul_SliderChange()
{
    const int value = ResBiyul_Slider->Value();
    ResBiyul_Edit->setText(QString::number(value) + u'%');
    if (!Biyul_RadioButton->isChecked())
        return;
    const TBitmap32 &raster = FHost.Canvas.Bitmap();
    ResW_SpinEdit->setValue(PercentOf(raster.Width(), value));
    ResH_SpinEdit->setValue(PercentOf(raster.Height(), value));
}

void TResizePanel::ResBiyul_SliderMouseUp(int x, int y) { SetScroolDown(x, y, ResBiyul_Slider, -10); }

void TResizePanel::Often_Res_ComboBoxChange()
{
    Often_D_Button->setEnabled(false);
    const int index = Often_Res_ComboBox->currentIndex();
    auto pixels = [this](int w, int h) {
        Res_RadioButtonClick();
        Res_RadioButton->setChecked(true);
        ResW_SpinEdit->setValue(w);
        ResH_SpinEdit->setValue(h);
    };
    auto percent = [this](int value) {
        Biyul_RadioButtonClick();
        Biyul_RadioButton->setChecked(true);
        // A slider already at the value fires no change, yet the fields must
        // follow the current photo.
        const bool unchanged = ResBiyul_Slider->Value() == value;
        ResBiyul_Slider->SetValue(value);
        if (unchanged)
            ResBiyul_SliderChange();
    };
    switch (index) {
    case 0:
        pixels(1024, 768);
        break;
    case 1:
        pixels(800, 600);
        break;
    case 2:
        percent(ResBiyul_Slider->MaxValue());
        break;
    case 3:
        percent(ResBiyul_Slider->MaxValue() / 4);
        break;
    case 4:
        if (TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, ResizePresetKey(PreValue)))
            LoadResizePreset(PreValue);
        break;
    case SeparatorIndex:
        break;
    default:
        if (index < FirstSavedPreset)
            break;
        Often_D_Button->setEnabled(true);
        if (TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, ResizePresetKey(Often_Res_ComboBox->currentText())))
            LoadResizePreset(Often_Res_ComboBox->currentText());
        break;
    }
}

void TResizePanel::LoadResizePreset(const QString &Name)
{
    const QString key = ResizePresetKey(Name);
    ResW_SpinEdit->setValue(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, QStringLiteral("ResW")));
    ResH_SpinEdit->setValue(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, QStringLiteral("ResH")));
    // The last-used record keeps the box in ResMode and the mode in
    // ResControlMode; a named preset keeps only the mode, in ResMode.
    const bool lastUsed = Name.compare(PreValue, Qt::CaseInsensitive) == 0;
    if (lastUsed)
        ResBiyul_CheckBox->setChecked(TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, key, QStringLiteral("ResMode")));
    ResBiyul_Slider->SetValue(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, QStringLiteral("BiYul")));
    const int mode = TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key,
                                        lastUsed ? QStringLiteral("ResControlMode") : QStringLiteral("ResMode"));
    if (mode != 0) {
        Biyul_RadioButton->setChecked(true);
        Biyul_RadioButtonClick();
    } else {
        Res_RadioButton->setChecked(true);
        Res_RadioButtonClick();
    }
}

void TResizePanel::Often_Res_ComboBoxEnter() { ManagePresetList(Often_Res_ComboBox, true); }

void TResizePanel::ManagePresetList(QComboBox *Combo, bool Refresh)
{
    if (Refresh) {
        QStringList names;
        TVL_DM::Reg_GetItem(HKEY_CURRENT_USER, ResizePresetsKey(), names);
        if (names.isEmpty())
            return;
        const int index = Combo->currentIndex();
        FillFixedEntries();
        for (const QString &name : names)
            if (name.compare(PreValue, Qt::CaseInsensitive) != 0)
                Combo->addItem(name);
        Combo->setCurrentIndex(index < Combo->count() ? index : 0);
        return;
    }
    const int index = Combo->currentIndex();
    if (index < FirstSavedPreset)
        return;
    const QString name = Combo->itemText(index);
    Combo->removeItem(index);
    TVL_DM::Reg_D(HKEY_CURRENT_USER, ResizePresetKey(name));
}

void TResizePanel::Often_D_ButtonClick()
{
    ManagePresetList(Often_Res_ComboBox, false);
    Often_D_Button->setEnabled(Often_Res_ComboBox->currentIndex() >= FirstSavedPreset);
}

void TResizePanel::Often_A_ButtonClick()
{
    TVL_CreateOften_Form dialog(FHost.Page->window(),
                                [this](const QString &name) { ReportStoreErrors([this, &name] { AddPreset(name); }); });
    dialog.exec();
}

void TResizePanel::AddPreset(const QString &name)
{
    // The same name again replaces that preset's values.
    if (Often_Res_ComboBox->findText(name, Qt::MatchFixedString) < FirstSavedPreset)
        Often_Res_ComboBox->addItem(name);
    const QString key = ResizePresetKey(name);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResW"), ResW_SpinEdit->value());
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResH"), ResH_SpinEdit->value());
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResMode"), Res_RadioButton->isChecked() ? 0 : 1);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("BiYul"), ResBiyul_Slider->Value());
}

void TResizePanel::ApplyResize(bool AllFiles)
{
    TUndoRedoImgList &photos = FDataModule.FUndoRedoImgList;
    const int selected = FHost.SelectedPhoto ? FHost.SelectedPhoto() : -1;
    if (photos.Count() < 1 || selected < 0 || selected >= photos.Count())
        return;
    if (FHost.DropSelections)
        FHost.DropSelections();
    const int w = ResW_SpinEdit->value(), h = ResH_SpinEdit->value();
    try {
        // The raster alone, as the replay of the record resizes it: the
        // overlays stay movable layers above it.
        UndoRedo_SizeChange(FHost.Canvas.Bitmap(), w, h);
    } catch (const ERasterTooLarge &) {
        ShowError(FHost.Page->window(), RasterTooLargeMessage());
        return;
    }
    FHost.Canvas.Changed();
    const TOpRecord record = SizeChangeRecord(w, h);
    if (AllFiles)
        LogRecordForAllPhotos(photos, record);
    else
        photos.GetItem(selected).LogRecord(record.ToString());
    if (FHost.Refit)
        FHost.Refit();
    if (FHost.PhotosChanged)
        FHost.PhotosChanged();
    ReportStoreErrors([this, w, h] {
        const QString key = ResizePresetKey(PreValue);
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResW"), w);
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResH"), h);
        TVL_DM::Reg_B_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResMode"), ResBiyul_CheckBox->isChecked());
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("BiYul"), ResBiyul_Slider->Value());
        TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, QStringLiteral("ResControlMode"),
                            Res_RadioButton->isChecked() ? 0 : 1);
    });
}
