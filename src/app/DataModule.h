#pragma once
// The central data module: the settings-store functions and, as the editor
// grows, the open-photo list, the histories and the replay engine. It holds
// no window.

#include "history/ReplayEngine.h"
#include "history/UndoRedoList.h"
#include "platform/Bitmap32.h"

#include <QString>
#include <QStringList>

// The registry root every settings call names; the store has one branch,
// the current user's.
enum TRootKey { HKEY_CURRENT_USER };

extern const QString VellumiKey; // "Software\\Vellumi\\"

class TVL_DM {
public:
    // Fills the replay engine with every subsystem's appliers.
    TVL_DM();
    TVL_DM(const TVL_DM &) = delete;
    TVL_DM &operator=(const TVL_DM &) = delete;

    // The open photos, each with its log and position.
    TUndoRedoImgList FUndoRedoImgList;
    // The current photo as decoded from its file, its path and size.
    TBitmap32 FOriBitmap;
    QString FOriImgPath;
    int FOriW = 0;
    int FOriH = 0;
    // Undo, redo, photo switches and back to the original replay through it.
    TReplayEngine FReplay;

    static bool Reg_B_Read(TRootKey ARootKet, const QString &ARegPath, const QString &AKeyName);
    static void Reg_B_Write(TRootKey ARootKet, const QString &AOpenKey, const QString &AKeyName, bool ABoolean);
    static int Reg_I_Read(TRootKey ARootKet, const QString &ARegPath, const QString &AKeyName);
    static void Reg_I_Write(TRootKey ARootKet, const QString &AOpenKey, const QString &AKeyName, int AInt);
    static double Reg_F_Read(TRootKey ARootKet, const QString &ARegPath, const QString &AKeyName);
    static void Reg_F_Write(TRootKey ARootKet, const QString &AOpenKey, const QString &AKeyName, double AFloat);
    static QString Reg_S_Read(TRootKey ARootKet, const QString &ARegPath, const QString &AKeyName);
    static void Reg_S_Write(TRootKey ARootKet, const QString &AOpenKey, const QString &AKeyName, const QString &AStr);
    static bool Reg_E_Read(TRootKey ARootKet, const QString &AKeyName);
    static void Reg_GetItem(TRootKey ARootKet, const QString &AKeyName, QStringList &AStrList);
    static void Reg_D(TRootKey ARootKet, const QString &AKeyName);

    // The update-check choice, the text value "Update" under the program's key.
    static QString Update();
    static void SetUpdate(const QString &value);

    // One Korean message in the current language; Korean is the source
    // language, so without a catalogue the text comes back as it is.
    static QString _T(const QString &message);
};
