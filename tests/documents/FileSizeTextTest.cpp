#include "documents/FileSizeText.h"

#include "documents/CodecFixtures.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileSizeText, KilobytesRoundHalvesToEvenWhateverTheLocale)
{
    QTemporaryDir dir;
    // The decimal comma of German must make no difference.
    QLocale::setDefault(QLocale(QLocale::German));
    const struct {
        int bytes;
        const char *text;
    } cases[] = {{0, "1KB"},    {999, "1KB"},   {1000, "1KB"},  {1499, "1KB"},  {1500, "2KB"},
                 {1536, "2KB"}, {2500, "2KB"},  {2501, "3KB"},  {3500, "4KB"},  {12345, "12KB"},
                 {999999, "1000KB"}};
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::number(c.bytes));
        fixtures::WriteFile(path, QByteArray(c.bytes, 'x'));
        EXPECT_EQ(Get_File_Size1(path, true), QString(c.text)) << c.bytes;
    }
    EXPECT_EQ(Get_File_Size1(dir.filePath("12345"), false), QString("12345"));
    QLocale::setDefault(QLocale::c());
    EXPECT_THROW(Get_File_Size1(dir.filePath("missing"), true), EFileSize);
}
