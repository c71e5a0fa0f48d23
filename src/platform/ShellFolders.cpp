#include "platform/ShellFolders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString ConfigHome()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    return configured.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : configured;
}

QString StripSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

QString DesktopFolder()
{
    return StripSeparator(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString TemplatesFolder()
{
    const QString home = StripSeparator(QDir::homePath());
    const QString fallback = home + QStringLiteral("/Templates");
    QFile file(ConfigHome() + QStringLiteral("/user-dirs.dirs"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fallback;
    static const QRegularExpression line(QStringLiteral("^\\s*XDG_TEMPLATES_DIR\\s*=\\s*\"(.*)\"\\s*$"));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QRegularExpressionMatch match = line.match(in.readLine());
        if (!match.hasMatch())
            continue;
        QString value = match.captured(1);
        value.replace(QStringLiteral("$HOME"), home);
        value = StripSeparator(value);
        return value.isEmpty() || value == home ? fallback : value;
    }
    return fallback;
}

QString UserWorkFolder() { return TemplatesFolder() + QStringLiteral("/Vellumi"); }

bool DeleteTempImageFolder()
{
    QDir folder(UserWorkFolder() + QStringLiteral("/TEMP_IMG"));
    return !folder.exists() || folder.removeRecursively();
}
