#include "documents/FileSizeText.h"

#include <QFile>

#include <cstdint>

QString Get_File_Size1(const QString &sFileToExamine, bool bInKBytes)
{
    QFile file(sFileToExamine);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileSize(QStringLiteral("Cannot read the size of \"%1\": %2")
                            .arg(sFileToExamine, file.errorString())
                            .toStdString());
    const std::uint32_t bytes = std::uint32_t(std::uint64_t(file.size()) & 0xFFFFFFFFu);
    if (!bInKBytes)
        return QString::number(bytes);
    if (bytes < 1000)
        return QStringLiteral("1KB");
    std::uint32_t kilo = bytes / 1000;
    const std::uint32_t rest = bytes % 1000;
    if (rest > 500 || (rest == 500 && (kilo & 1)))
        ++kilo;
    return QString::number(kilo) + QStringLiteral("KB");
}
