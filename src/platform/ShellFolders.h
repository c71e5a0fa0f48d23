#pragma once
// The user's special folders, as the desktop shell names them.

#include <QString>

// The desktop folder, without a trailing separator.
QString DesktopFolder();
// XDG_TEMPLATES_DIR from user-dirs.dirs; ~/Templates when none is set (a
// value equal to the home folder means none).
QString TemplatesFolder();
// The program's per-user work folder: "Vellumi" inside the Templates folder.
QString UserWorkFolder();
// Deletes "TEMP_IMG" inside the per-user work folder with its contents,
// silently; returns whether nothing of it is left.
bool DeleteTempImageFolder();
