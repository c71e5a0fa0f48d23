#include "app/IconStates.h"

#include "ArtworkNames.h"
#include "ResourcePictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

QString ArtName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The prefixes of a set, each with the object name of the label showing it
// (empty: shown by no label).
struct TSetIcon {
    QString prefix;
    QString control;
};

QList<TSetIcon> SetIcons(TInitMode set)
{
    QList<TSetIcon> icons;
    switch (set) {
    case imMenu:
        for (std::string_view prefix : VellumiArt::MenuIconPrefixes)
            icons.append({ArtName(prefix), QString()});
        return icons;
    case imText:
        for (size_t i = 0; i < VellumiArt::TextIconPrefixes.size(); ++i)
            icons.append({ArtName(VellumiArt::TextIconPrefixes[i]), QStringLiteral("TB_Image%1").arg(i + 1)});
        return icons;
    case imTextOp: {
        const QString controls[] = {QString(), QString(), QString(), QStringLiteral("FontLeft_Image"),
                                    QStringLiteral("FontCenter_Image"), QStringLiteral("FontRight_image")};
        for (size_t i = 0; i < VellumiArt::TextOptionIconPrefixes.size(); ++i)
            icons.append({ArtName(VellumiArt::TextOptionIconPrefixes[i]), controls[i]});
        return icons;
    }
    }
    throw std::invalid_argument("Unknown icon set " + std::to_string(int(set)));
}

// Loads before touching the label, so a missing picture leaves it as it was.
void ShowPicture(QLabel *image, const QString &name)
{
    const QPixmap picture = QPixmap::fromImage(LoadResourcePicture(name));
    image->setPixmap(picture);
}

} // namespace

QString IconStateSuffix(TMouseModeType AMouseMode)
{
    switch (AMouseMode) {
    case mmtUp:
        return QStringLiteral("U");
    case mmtNor:
        return QStringLiteral("N");
    case mmtDown:
        return QStringLiteral("D");
    case mmtSelect:
        return QStringLiteral("S");
    case mmtNone:
        return QStringLiteral("None");
    }
    throw std::invalid_argument("Unknown icon state " + std::to_string(int(AMouseMode)));
}

TIconSets::TIconSets(QWidget *AWindow, bool &ALastBtnBool) : FWindow(AWindow), FLastBtn_Bool(ALastBtnBool)
{
}

void TIconSets::Set_Icon(QLabel *AImage, const QString &AMenuName, const QString &AMode, bool AInitMode,
                         TInitMode AInitType)
{
    if (AInitMode) {
        Set_Icon_Init(AInitType);
        return;
    }
    if (AImage)
        ShowPicture(AImage, AMenuName + AMode);
}

void TIconSets::Set_Icon_Init(TInitMode AMode)
{
    for (const TSetIcon &icon : SetIcons(AMode)) {
        if (icon.control.isEmpty() || !FWindow)
            continue;
        if (auto *image = FWindow->findChild<QLabel *>(icon.control))
            ShowPicture(image, icon.prefix + QStringLiteral("N"));
    }
}

void TIconSets::Set_Icon_UpAndDown(const QString &AIconName, QLabel *AImage, TMouseModeType AMouseMode,
                                   int AExtMode)
{
    const QString suffix = IconStateSuffix(AMouseMode);
    if (!AImage)
        return;
    const bool toolIcon = AExtMode == 0;
    if (toolIcon && AMouseMode == mmtDown)
        LastBtn_Nor_Change();
    ShowPicture(AImage, AIconName + suffix);
    if (toolIcon && AMouseMode == mmtSelect)
        SetLastBtn(AIconName, AImage);
}

void TIconSets::Set_Icon(TTextOptionType AMode)
{
    QString suffix;
    QList<QImage> *list = nullptr;
    switch (AMode) {
    case totNor:
        suffix = QStringLiteral("N");
        list = &FText_Option_ImageList_N;
        break;
    case totDown:
        suffix = QStringLiteral("D");
        list = &FText_Option_ImageList_D;
        break;
    case totUp:
        suffix = QStringLiteral("U");
        list = &FText_Option_ImageList_U;
        break;
    }
    if (!list)
        throw std::invalid_argument("Unknown text-option state " + std::to_string(int(AMode)));
    QList<QImage> pictures;
    for (const TSetIcon &icon : SetIcons(imTextOp))
        pictures.append(LoadResourcePicture(icon.prefix + suffix));
    *list = pictures;
}

const QList<QImage> &TIconSets::Text_Option_ImageList(TTextOptionType AMode) const
{
    switch (AMode) {
    case totNor:
        return FText_Option_ImageList_N;
    case totDown:
        return FText_Option_ImageList_D;
    case totUp:
        return FText_Option_ImageList_U;
    }
    throw std::invalid_argument("Unknown text-option state " + std::to_string(int(AMode)));
}

void TIconSets::Set_GifBtn(const QString &AIconName, QLabel *AImage)
{
    if (AImage)
        ShowPicture(AImage, AIconName);
}

void TIconSets::SetLastBtn(const QString &AName, QLabel *AImage)
{
    FLastBtn.Btn_Name = AName;
    FLastBtn.Btn_Img = AImage;
}

void TIconSets::LastBtn_Nor_Change()
{
    // A remembered label that was destroyed since reads as null here.
    if (!FLastBtn_Bool || !FLastBtn.Btn_Img)
        return;
    ShowPicture(FLastBtn.Btn_Img, FLastBtn.Btn_Name + QStringLiteral("N"));
    FLastBtn_Bool = false;
}

QPoint SetShowSubForm(int X, int Y)
{
    const QScreen *nearest = nullptr;
    double best = 0; // squares of distances beyond 2^31 overflow 64-bit integers
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect r = screen->geometry();
        const qint64 dx = std::max({qint64(r.left()) - X, qint64(0), qint64(X) - r.right()});
        const qint64 dy = std::max({qint64(r.top()) - Y, qint64(0), qint64(Y) - r.bottom()});
        const double distance = double(dx) * double(dx) + double(dy) * double(dy);
        if (!nearest || distance < best) {
            nearest = screen;
            best = distance;
        }
    }
    return nearest ? nearest->geometry().topLeft() : QPoint(0, 0);
}

QPoint SetFilterFormPosition(const QWidget *AMainForm)
{
    if (!AMainForm)
        throw std::invalid_argument("No main window to place the filter dialog by");
    // The corner just right of the last column, where a window placed beside it starts.
    if (const QWidget *box = AMainForm->findChild<QWidget *>(QStringLiteral("GroupBox21")))
        return box->mapToGlobal(QPoint(box->width(), 0));
    return AMainForm->mapToGlobal(QPoint(AMainForm->width(), 0));
}
