#include "geometry/ui/GeometryCommands.h"

#include "app/DataModule.h"
#include "geometry/GeometryAppliers.h"
#include "geometry/Transform.h"
#include "platform/ImageViewModel.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

QString RasterTooLargeMessage()
{
    return TVL_DM::_T(QStringLiteral("메모리가 부족하여 크기를 변경할 수 없습니다."));
}

namespace {
constexpr std::array<int, 4> ControlKinds = {tkTurnRight, tkTurnLeft, tkMirrorHorz, tkMirrorVert};
}

TGeometryCommands::TGeometryCommands(TVL_DM &dataModule, TTurnHost host, QObject *parent)
    : QObject(parent), FDataModule(dataModule), FHost(std::move(host))
{
    setObjectName("GeometryCommands");
    for (std::size_t i = 0; i < ControlKinds.size(); ++i) {
        const int kind = ControlKinds[i];
        QToolButton *button = FHost.Buttons[i];
        button->setEnabled(true);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, kind] { ToolButtonClick(kind); });
        connect(FHost.Items[i], &QAction::triggered, this, [this, kind] { RotateImage(kind); });
    }
    connect(FHost.N45, &QMenu::aboutToShow, this, &TGeometryCommands::N45Click);
}

bool TGeometryCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        FLastBtn_Down_Bool = true;
    return QObject::eventFilter(watched, event);
}

void TGeometryCommands::RotateImage(int Kind)
{
    TUndoRedoImgList &photos = FDataModule.FUndoRedoImgList;
    const TIMGEDITCONTROLTYPE mode = FHost.Mode();
    const int selected = FHost.SelectedPhoto();
    if (photos.Count() < 1 || selected < 0 || selected >= photos.Count() || mode == iectGif)
        return;
    if (FHost.ResetEditLayers)
        FHost.ResetEditLayers();
    try {
        TransformBitmap(FHost.Canvas.Bitmap(), Kind);
    } catch (const ERasterTooLarge &) {
        ShowError(FHost.Buttons[0]->window(), RasterTooLargeMessage());
        return;
    }
    FHost.Canvas.Changed();
    if (FDataModule.FReplay.Flags.FUndoRedoMode || mode == iectImgPaste)
        return;
    photos.GetItem(selected).LogRecord(RotateRecord(Kind).ToString());
    if (FHost.PhotosChanged)
        FHost.PhotosChanged();
}

void TGeometryCommands::ToolButtonClick(int Kind)
{
    if (!FLastBtn_Down_Bool)
        return;
    if (FHost.FBlockApply)
        return;
    FLastBtn_Down_Bool = false;
    RotateImage(Kind);
    if (FHost.Refit)
        FHost.Refit();
}

void TGeometryCommands::N45Click()
{
    const TIMGEDITCONTROLTYPE mode = FHost.Mode();
    const bool enabled = mode != iectGif && mode != iectImgPaste;
    for (QAction *item : FHost.Items)
        item->setEnabled(enabled);
}
