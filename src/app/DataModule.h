#pragma once
// The central data module: the settings-store functions and, as the editor
// grows, the open-photo list, the histories and the replay engine. It holds
// no window.

#include <QString>
#include <QStringList>

// The registry root every settings call names; the store has one branch,
// the current user's.
enum TRootKey { HKEY_CURRENT_USER };

extern const QString VellumiKey; // "Software\\Vellumi\\"

class TVL_DM {
public:
    TVL_DM() = default;

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
