#include "app/WindowPlacement.h"

#include "app/DataModule.h"
#include "platform/RegistryStore.h"

#include <QtGlobal>

TStartPlacement StartPlacement(bool storedMaximized, const TSetFormInfo &stored, const QRect &originMonitor)
{
    TStartPlacement result;
    const QRect firstRun(originMonitor.left() + (originMonitor.width() - FirstRunWidth) / 2,
                         originMonitor.top() + (originMonitor.height() - FirstRunHeight) / 2, FirstRunWidth,
                         FirstRunHeight);
    result.geometry = firstRun;
    if (storedMaximized) {
        result.maximized = true;
        return result;
    }
    if (stored.Left == 0 && stored.top == 0 && stored.width == 0 && stored.Height == 0)
        return result;
    result.geometry = QRect(qMax(stored.Left, 0), qMax(stored.top, 0), stored.width == 0 ? FirstRunWidth : stored.width,
                            stored.Height == 0 ? FirstRunHeight : stored.Height);
    return result;
}

void ReadStoredPlacement(bool &maximized, TSetFormInfo &info)
{
    maximized = false;
    info = {};
    try {
        maximized = TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("formmaximize"));
        if (maximized)
            return;
        info.Height = TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Height"));
        info.width = TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Width"));
        info.top = TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Top"));
        info.Left = TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Left"));
    } catch (const ERegistryError &error) {
        // A value of the wrong type must not keep the window from opening.
        qWarning("Window placement not restored: %s", error.what());
        maximized = false;
        info = {};
    }
}

void WriteStoredPlacement(const TSetFormInfo &info, bool maximized)
{
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Left"), info.Left);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Top"), info.top);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Width"), info.width);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Height"), info.Height);
    TVL_DM::Reg_B_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("formmaximize"), maximized);
}
