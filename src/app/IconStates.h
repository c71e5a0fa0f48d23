#pragma once
// The states of the picture buttons (mode and drawing-tool icons, text-option
// pictures, player buttons), the last selected tool icon, and where the main
// window opens its small windows.

#include "app/VL_Types.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

// The tool icon shown selected last, put back to normal by the next press.
struct TLastBtnItem {
    QString Btn_Name; // its icon prefix
    QPointer<QLabel> Btn_Img;
};

// The resource suffix of a state: "U", "N", "D", "S" or "None".
QString IconStateSuffix(TMouseModeType AMouseMode);

// The icon sets over the compiled-in pictures. A picture name is an icon
// prefix followed by a state suffix, matched without regard to case. The
// image controls of the sets are the labels found by object name under the
// window at call time: "TB_Image1" … "TB_Image14" for imText and
// "FontLeft_Image", "FontCenter_Image", "FontRight_image" for the alignment
// pictures of imTextOp; a label that does not exist (yet) is left out. No
// control shows the imMenu set. A failed load throws EResourceMissing and
// leaves the control as it was.
class TIconSets {
public:
    // ALastBtnBool is the window's FLastBtn_Bool, which its tool-bar presses set.
    TIconSets(QWidget *AWindow, bool &ALastBtnBool);

    // AInitMode false: AImage shows AMenuName + AMode. AInitMode true: the set
    // AInitType goes back to normal (Set_Icon_Init); the other arguments are
    // not used.
    void Set_Icon(QLabel *AImage, const QString &AMenuName, const QString &AMode, bool AInitMode,
                  TInitMode AInitType);
    // Every control of the set shows the "N" picture of its prefix.
    void Set_Icon_Init(TInitMode AMode);
    // One button's state. AExtMode 0: a tool icon, whose press first puts the
    // last selected one back to normal and whose selection is remembered;
    // other values: a text-option picture, which only changes its picture.
    void Set_Icon_UpAndDown(const QString &AIconName, QLabel *AImage, TMouseModeType AMouseMode, int AExtMode);
    // Fills the text-option list of the state with the six imTextOp pictures.
    void Set_Icon(TTextOptionType AMode);
    const QList<QImage> &Text_Option_ImageList(TTextOptionType AMode) const;
    // A player button ("Play_N", "Stop_D" …).
    void Set_GifBtn(const QString &AIconName, QLabel *AImage);

    void SetLastBtn(const QString &AName, QLabel *AImage);
    // With FLastBtn_Bool set and a button remembered: that button shows its
    // "N" picture and FLastBtn_Bool is cleared.
    void LastBtn_Nor_Change();
    const TLastBtnItem &LastBtn() const { return FLastBtn; }
    bool LastBtn_Bool() const { return FLastBtn_Bool; }

private:
    QWidget *FWindow;
    bool &FLastBtn_Bool;
    TLastBtnItem FLastBtn;
    QList<QImage> FText_Option_ImageList_N;
    QList<QImage> FText_Option_ImageList_D;
    QList<QImage> FText_Option_ImageList_U;
};

// The top-left corner of the monitor nearest to (X, Y); the first of equally
// near monitors.
QPoint SetShowSubForm(int X, int Y);
// The screen position of the top-right corner of the filter panel's group box
// "GroupBox21" under AMainForm, where the advanced filter dialogs open; the
// window's own top-right corner while the box does not exist.
QPoint SetFilterFormPosition(const QWidget *AMainForm);
