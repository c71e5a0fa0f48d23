#pragma once
// Quarter turns and mirrors of the current photo: the four tool-bar buttons
// and the "회전하기" menu.

#include "app/VL_Types.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QToolButton;
class TImgView32;
class TVL_DM;

// What the commands need of the window around them.
struct TTurnHost {
    TImgView32 &Canvas;
    bool &FBlockApply; // the window's: set while undo or redo runs
    std::function<TIMGEDITCONTROLTYPE()> Mode;
    std::function<int()> SelectedPhoto;
    // Ends the pending crop frame, red-eye preview, drawing layers and selections.
    std::function<void()> ResetEditLayers;
    // Fits the view again when fit is in force.
    std::function<void()> Refit;
    std::function<void()> PhotosChanged;
    // Kinds 0, 2, 3, 4: ToolButton49 to ToolButton52, N901, N902, N9, N59.
    std::array<QToolButton *, 4> Buttons;
    std::array<QAction *, 4> Items;
    QMenu *N45;
};

// The message when a resize or turn cannot have the raster it needs.
QString RasterTooLargeMessage();

class TGeometryCommands : public QObject {
    Q_OBJECT
public:
    TGeometryCommands(TVL_DM &dataModule, TTurnHost host, QObject *parent = nullptr);

    // The one operation behind every control, Kind 0 to 4.
    void RotateImage(int Kind);
    // A tool-bar button's click: acts only after a real press on it.
    void ToolButtonClick(int Kind);
    void N45Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TVL_DM &FDataModule;
    TTurnHost FHost;
    bool FLastBtn_Down_Bool = false;
};
