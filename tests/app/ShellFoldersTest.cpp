#include "platform/ShellFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteUserDirs(const QString &configHome, const QByteArray &text)
{
    QDir().mkpath(configHome);
    QFile file(configHome + "/user-dirs.dirs");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(ShellFolders, TemplatesFolderFollowsUserDirs)
{
    QTemporaryDir dir;
    const QString config = dir.filePath("config");
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    const QString home = QDir::homePath();

    EXPECT_EQ(TemplatesFolder(), home + "/Templates") << "no user-dirs.dirs";
    WriteUserDirs(config, "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_TEMPLATES_DIR=\"$HOME/Vorlagen\"\n");
    EXPECT_EQ(TemplatesFolder(), home + "/Vorlagen");
    EXPECT_EQ(UserWorkFolder(), home + "/Vorlagen/Vellumi");
    WriteUserDirs(config, "XDG_TEMPLATES_DIR=\"$HOME/\"\n");
    EXPECT_EQ(TemplatesFolder(), home + "/Templates") << "the home folder means none";
    WriteUserDirs(config, "XDG_TEMPLATES_DIR=\"/srv/templates\"\n");
    EXPECT_EQ(TemplatesFolder(), "/srv/templates");
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(ShellFolders, TempImageFolderIsDeletedWithItsContents)
{
    QTemporaryDir dir;
    const QString config = dir.filePath("config");
    const QString templates = dir.filePath("tpl");
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    WriteUserDirs(config, ("XDG_TEMPLATES_DIR=\"" + templates + "\"\n").toUtf8());
    EXPECT_TRUE(DeleteTempImageFolder()) << "nothing to delete is no failure";
    ASSERT_TRUE(QDir().mkpath(templates + "/Vellumi/TEMP_IMG/sub"));
    QFile(templates + "/Vellumi/TEMP_IMG/sub/a.png").open(QIODevice::WriteOnly);
    QFile(templates + "/Vellumi/AGif.gif").open(QIODevice::WriteOnly);
    EXPECT_TRUE(DeleteTempImageFolder());
    EXPECT_FALSE(QDir(templates + "/Vellumi/TEMP_IMG").exists());
    EXPECT_TRUE(QFile::exists(templates + "/Vellumi/AGif.gif")) << "only TEMP_IMG goes";
    qunsetenv("XDG_CONFIG_HOME");
}
