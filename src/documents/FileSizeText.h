#pragma once
// The file size shown in the status bar.

#include <QString>

#include <stdexcept>

class EFileSize : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The size of the file in bytes (its low 32 bits) as decimal text, or with
// bInKBytes as whole kilobytes of 1000 bytes: below 1000 bytes "1KB",
// otherwise bytes / 1000 rounded halves to even, then "KB" (2500 -> "2KB",
// 1536 -> "2KB"). Integer arithmetic, so the user's locale plays no part.
// Throws EFileSize when the file cannot be opened.
QString Get_File_Size1(const QString &sFileToExamine, bool bInKBytes);
