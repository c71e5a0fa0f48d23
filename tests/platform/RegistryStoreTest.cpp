#include "app/DataModule.h"
#include "platform/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FPath = FDir.filePath("registry.json");
        qputenv("VELLUMI_REGISTRY", FPath.toUtf8());
    }
    void TearDown() override { qunsetenv("VELLUMI_REGISTRY"); }

    QTemporaryDir FDir;
    QString FPath;
};

TEST_F(RegistryStoreTest, EveryKindRoundTrips)
{
    const QString key = "Software\\Vellumi\\Presets\\Crop\\PreValue";
    TVL_DM::Reg_B_Write(HKEY_CURRENT_USER, key, "CutW_Mode", true);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, key, "Cut_Res", -72);
    TVL_DM::Reg_F_Write(HKEY_CURRENT_USER, key, "Cut_W", 12.5);
    TVL_DM::Reg_S_Write(HKEY_CURRENT_USER, key, "Name", "한글 (a|b)");
    EXPECT_TRUE(TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, key, "CutW_Mode"));
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, "Cut_Res"), -72);
    EXPECT_EQ(TVL_DM::Reg_F_Read(HKEY_CURRENT_USER, key, "Cut_W"), 12.5);
    EXPECT_EQ(TVL_DM::Reg_S_Read(HKEY_CURRENT_USER, key, "Name"), "한글 (a|b)");

    // Booleans are stored as the integer 1, floats as 8 little-endian bytes.
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, key, "CutW_Mode"), 1);
    QFile file(FPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("0000000000002940")) << text.constData(); // 12.5
}

TEST_F(RegistryStoreTest, MissingValuesAndKeysReadAsDefaults)
{
    EXPECT_FALSE(TVL_DM::Reg_B_Read(HKEY_CURRENT_USER, VellumiKey, "formmaximize"));
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Left"), 0);
    EXPECT_EQ(TVL_DM::Reg_F_Read(HKEY_CURRENT_USER, "No\\Such\\Key", "x"), 0.0);
    EXPECT_EQ(TVL_DM::Reg_S_Read(HKEY_CURRENT_USER, VellumiKey, "Language"), QString());
    EXPECT_FALSE(TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, VellumiKey));
    EXPECT_FALSE(QFile::exists(FPath)) << "reading must not create the store";
}

TEST_F(RegistryStoreTest, WrongTypeIsAnError)
{
    TVL_DM::Reg_S_Write(HKEY_CURRENT_USER, VellumiKey, "Cut_W", "12.5");
    EXPECT_THROW(TVL_DM::Reg_F_Read(HKEY_CURRENT_USER, VellumiKey, "Cut_W"), ERegistryError);
    EXPECT_THROW(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Cut_W"), ERegistryError);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Left", 3);
    EXPECT_THROW(TVL_DM::Reg_S_Read(HKEY_CURRENT_USER, VellumiKey, "Left"), ERegistryError);
}

TEST_F(RegistryStoreTest, KeysMatchWithoutCaseOrTrailingSeparator)
{
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, "Software\\Vellumi\\", "Width", 931);
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, "software\\VELLUMI", "width"), 931);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, "SOFTWARE\\vellumi", "WIDTH", 640);
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 640);
    EXPECT_TRUE(TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, "Software"));
}

TEST_F(RegistryStoreTest, SubkeysListAndDeleteWithTheirContents)
{
    const QString presets = "Software\\Vellumi\\Presets\\Resize\\";
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, presets + "PreValue", "ResW", 10);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, presets + "Web", "ResW", 800);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, presets + "Web\\Deep", "x", 1);
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, presets + "메일", "ResW", 640);
    QStringList names;
    TVL_DM::Reg_GetItem(HKEY_CURRENT_USER, presets, names);
    names.sort();
    EXPECT_EQ(names, QStringList({"PreValue", "Web", "메일"}));

    TVL_DM::Reg_D(HKEY_CURRENT_USER, presets + "web");
    TVL_DM::Reg_GetItem(HKEY_CURRENT_USER, presets, names);
    names.sort();
    EXPECT_EQ(names, QStringList({"PreValue", "메일"}));
    EXPECT_FALSE(TVL_DM::Reg_E_Read(HKEY_CURRENT_USER, presets + "Web\\Deep"));
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, presets + "Web", "ResW"), 0);
    TVL_DM::Reg_D(HKEY_CURRENT_USER, presets + "Never");
}

TEST_F(RegistryStoreTest, UpdateValueIsTheTextUnderTheProgramKey)
{
    TVL_DM::SetUpdate("N");
    EXPECT_EQ(TVL_DM::Update(), "N");
    EXPECT_EQ(TVL_DM::Reg_S_Read(HKEY_CURRENT_USER, "Software\\Vellumi", "Update"), "N");
}

TEST_F(RegistryStoreTest, CorruptFileIsKeptAsideAndDefaultsApply)
{
    {
        QFile file(FPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\"keys\": {\"Software\": tru");
    }
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 0);
    EXPECT_TRUE(QFile::exists(FPath + ".damaged"));
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Width", 1000);
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 1000);
    QFile kept(FPath + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("{\"keys\": {\"Software\": tru"));
}

TEST_F(RegistryStoreTest, UnreadableFileIsKeptAsideAndNextSettingsAreWrittenFresh)
{
    // Tests run as root, who reads any file: a folder stands in for one
    // that cannot be opened.
    ASSERT_TRUE(QDir().mkpath(FPath + "/inside"));
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 0);
    EXPECT_TRUE(QFileInfo(FPath + ".damaged/inside").isDir());
    EXPECT_FALSE(QFileInfo::exists(FPath));
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Width", 1000);
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 1000);
}

TEST_F(RegistryStoreTest, UnwritableStoreRaisesAndKeepsTheOldFile)
{
    TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Width", 5);
    const QString blocked = FDir.filePath("blocker");
    QFile(blocked).open(QIODevice::WriteOnly); // a file where a folder should be
    qputenv("VELLUMI_REGISTRY", (blocked + "/registry.json").toUtf8());
    EXPECT_THROW(TVL_DM::Reg_I_Write(HKEY_CURRENT_USER, VellumiKey, "Width", 6), ERegistryError);
    qputenv("VELLUMI_REGISTRY", FPath.toUtf8());
    EXPECT_EQ(TVL_DM::Reg_I_Read(HKEY_CURRENT_USER, VellumiKey, "Width"), 5);
}
