#include "app/DataModule.h"

#include "history/ApplierRegistry.h"
#include "platform/RegistryStore.h"

const QString VellumiKey = QStringLiteral("Software\\Vellumi\\");

TVL_DM::TVL_DM() { RegisterAllAppliers(FReplay.Appliers); }

bool TVL_DM::Reg_B_Read(TRootKey, const QString &ARegPath, const QString &AKeyName)
{
    return TRegistryStore().ReadBool(ARegPath, AKeyName);
}

void TVL_DM::Reg_B_Write(TRootKey, const QString &AOpenKey, const QString &AKeyName, bool ABoolean)
{
    TRegistryStore().WriteBool(AOpenKey, AKeyName, ABoolean);
}

int TVL_DM::Reg_I_Read(TRootKey, const QString &ARegPath, const QString &AKeyName)
{
    return TRegistryStore().ReadInt(ARegPath, AKeyName);
}

void TVL_DM::Reg_I_Write(TRootKey, const QString &AOpenKey, const QString &AKeyName, int AInt)
{
    TRegistryStore().WriteInt(AOpenKey, AKeyName, AInt);
}

double TVL_DM::Reg_F_Read(TRootKey, const QString &ARegPath, const QString &AKeyName)
{
    return TRegistryStore().ReadFloat(ARegPath, AKeyName);
}

void TVL_DM::Reg_F_Write(TRootKey, const QString &AOpenKey, const QString &AKeyName, double AFloat)
{
    TRegistryStore().WriteFloat(AOpenKey, AKeyName, AFloat);
}

QString TVL_DM::Reg_S_Read(TRootKey, const QString &ARegPath, const QString &AKeyName)
{
    return TRegistryStore().ReadString(ARegPath, AKeyName);
}

void TVL_DM::Reg_S_Write(TRootKey, const QString &AOpenKey, const QString &AKeyName, const QString &AStr)
{
    TRegistryStore().WriteString(AOpenKey, AKeyName, AStr);
}

bool TVL_DM::Reg_E_Read(TRootKey, const QString &AKeyName) { return TRegistryStore().KeyExists(AKeyName); }

void TVL_DM::Reg_GetItem(TRootKey, const QString &AKeyName, QStringList &AStrList)
{
    AStrList = TRegistryStore().SubKeys(AKeyName);
}

void TVL_DM::Reg_D(TRootKey, const QString &AKeyName) { TRegistryStore().DeleteKey(AKeyName); }

QString TVL_DM::Update() { return Reg_S_Read(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Update")); }

void TVL_DM::SetUpdate(const QString &value)
{
    Reg_S_Write(HKEY_CURRENT_USER, VellumiKey, QStringLiteral("Update"), value);
}

QString TVL_DM::_T(const QString &message) { return message; }
