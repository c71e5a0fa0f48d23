#pragma once
// The commands on open photos: adding them, switching the current one,
// removing them, saving, the clipboard and printing.

#include "app/VL_Types.h"
#include "platform/Bitmap32.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <functional>

class QWidget;
class QPrinter;
class QAbstractButton;
class TImgView32;
class TImgViewWidget;
class TPhotoStrip;
class TViewZoom;
class TVL_DM;
class TVL_Opening_Form;
struct THistorySession;

// What the commands need of the window around them.
struct TDocumentHost {
    QWidget *Window;
    TImgView32 &Canvas;   // Tran_ImgView
    TImgView32 &Before;   // Ori_ImgView
    TImgView32 &Join;     // Add_Img_ImgView
    TImgViewWidget *CanvasWidget;
    TPhotoStrip *Strip;
    TVL_Opening_Form *WaitBox;
    TViewZoom *Zoom;
    QList<QAbstractButton *> HistoryButtons; // disabled while a switch runs
    std::function<TIMGEDITCONTROLTYPE()> Mode;
    std::function<void()> Set_ImgEditControl_OP;
    std::function<void(TMainManuType)> SetMainMenu;
    // Ends pending canvas work and drops the selections (ResetEditLayers).
    std::function<void()> ResetEditLayers;
};

class TDocumentCommands : public QObject {
    Q_OBJECT
public:
    TDocumentCommands(TVL_DM &dataModule, TDocumentHost host, QString &defaultPath, bool &defaultPathFlag,
                      QObject *parent = nullptr);
    ~TDocumentCommands() override;

    // Adds photos: with AAddDragAndDrop every path of ADropList, otherwise
    // the one chosen in the open dialog. ABtnClick: the "추가" button
    // started it (the pointer goes back where it was).
    void ImageOpen(bool ABtnClick, bool AAddDragAndDrop, const QStringList &ADropList = {});
    // A left press on the strip: the clicked photo becomes current.
    void ImgOpen_ListViewMouseDown(int row, bool insideItem);
    void SwitchToSelectedPhoto();
    void ReloadPhoto(int AIndex);
    // "제거": asks for an edited photo; returns false when cancelled or when
    // the save asked for failed.
    bool RemoveSelectedPhoto();
    void RemoveAllPhotos();

    // False when nothing was written (no photo, the GIF mode, a failed write).
    bool QuickSave();
    void SaveAs();
    void ChooseDefaultFolder();
    // The close-time question; true when the user cancels the close or the
    // save asked for failed.
    bool AskSave();
    void CopyToClipboard();
    void Print();
    // Where a width x height picture lands on a page pageWidth pixels wide:
    // fitted to the width, top-left aligned.
    static QRect PrintTarget(int pageWidth, int width, int height);

    int FListLastIndex = 0;
    bool FListMode = false;
    QPoint FBtn_Pt;
    // The open dialog's answer; tests set it to avoid the dialog.
    std::function<QString()> ChooseOpenFile;
    std::function<QString(const QString &proposed)> ChooseSaveFile;
    std::function<QString()> ChooseFolder;
    // The print dialog; false when cancelled.
    std::function<bool(QPrinter &)> ChoosePrinter;

    // The selected photo's position in the list, -1 for none.
    int SelectedPhoto() const;
    // The picture a save writes: the canvas with its visible layers at image
    // resolution (the join result in the join mode).
    void RenderForSave(TBitmap32 &target) const;

Q_SIGNALS:
    // The list of photos or a position changed (the edited marks repaint).
    void PhotosChanged();

private:
    THistorySession Session();
    bool AddPhoto(const QString &path, QString *failure);
    void RebuildStrip();
    void ClearViews();
    bool WriteCanvas(const QString &requested, QString *written);
    void ReportDecodeFailures(const QStringList &failures);

    TVL_DM &FDataModule;
    TDocumentHost FHost;
    QString &defaultPath;
    bool &defaultPathFlag;
    // One thumbnail per open photo, made when it was added; they show the
    // file as opened, so a rebuilt strip reuses them.
    QList<QImage> FThumbnails;
};
