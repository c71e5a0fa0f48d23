#pragma once
// The resize page "EC_Resolution": pixel and percentage sizes, the presets
// kept in the settings store, and the two apply buttons.

#include <QObject>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class TImgView32;
class TSlider;
class TVL_DM;

// What the panel needs of the window around it.
struct TResizeHost {
    QWidget *Page; // the edit page it fills
    TImgView32 &Canvas;
    std::function<int()> SelectedPhoto;
    // Drops the selection, balloon, sticker and drawing selections.
    std::function<void()> DropSelections;
    // Fits the view again when fit is in force.
    std::function<void()> Refit;
    std::function<void()> PhotosChanged;
};

class TResizePanel : public QObject {
    Q_OBJECT
public:
    TResizePanel(TVL_DM &dataModule, TResizeHost host, QObject *parent = nullptr);

    // The page entry of the resize mode.
    void EnterPage();
    // "현재 파일 변경" (false) and "모든 파일 변경" (true).
    void ApplyResize(bool AllFiles);

    void Res_RadioButtonClick();
    void Biyul_RadioButtonClick();
    void ResW_SpinEditChange();
    void ResH_SpinEditChange();
    void ResBiyul_SliderChange();
    void ResBiyul_SliderMouseUp(int x, int y);
    void Often_Res_ComboBoxChange();
    void Often_Res_ComboBoxEnter();
    void Often_A_ButtonClick();
    void Often_D_ButtonClick();
    void LoadResizePreset(const QString &Name);
    void ManagePresetList(QComboBox *Combo, bool Refresh);
    // "확인" of the preset dialog: the entry and its record.
    void AddPreset(const QString &name);

    // Tests reach the controls by these.
    QSpinBox *ResW_SpinEdit = nullptr;
    QSpinBox *ResH_SpinEdit = nullptr;
    QCheckBox *ResBiyul_CheckBox = nullptr;
    QRadioButton *Res_RadioButton = nullptr;
    QRadioButton *Biyul_RadioButton = nullptr;
    TSlider *ResBiyul_Slider = nullptr;
    QLineEdit *ResBiyul_Edit = nullptr;
    QComboBox *Often_Res_ComboBox = nullptr;
    QPushButton *Often_A_Button = nullptr;
    QPushButton *Often_D_Button = nullptr;
    QPushButton *Button11 = nullptr;
    QPushButton *Button9 = nullptr;
    QLabel *Ori_Width_Label = nullptr;
    QLabel *Ori_Height_Label = nullptr;

private:
    void BuildControls();
    void SizeFieldChange(bool widthEdited);
    void SetGrey(QLabel *label, bool grey);
    void FillFixedEntries();
    bool HavePhoto() const;
    // A settings-store failure (a value of another type, an unwritable
    // file) becomes a message; the step it stopped is left undone.
    void ReportStoreErrors(const std::function<void()> &work);

    TVL_DM &FDataModule;
    TResizeHost FHost;
    bool FApply_Bool = false;
    QLabel *ResW_Label = nullptr;
    QLabel *ResH_Label = nullptr;
    QLabel *ResBiyul_Label = nullptr;
};

// The settings-store keys of the presets.
QString ResizePresetsKey();
QString ResizePresetKey(const QString &name);
