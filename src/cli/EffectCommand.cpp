// vellumi-cli effect: decodes a photo, runs one numbered effect on it and
// writes the result.

#include "cli/CliCommand.h"
#include "documents/ImageCodecs.h"
#include "effects/ApplyEffect.h"

namespace {

constexpr int LastEffect = 34;

int RunEffect(const QStringList &args)
{
    if (args.size() < 3 || args.size() > 6) {
        CliError(QStringLiteral("effect takes INPUT OUTPUT NUMBER [VALUE1 [VALUE2 [VALUE3]]]"));
        return 2;
    }
    bool ok = false;
    const int effect = args[2].toInt(&ok);
    if (!ok || effect < 0 || effect > LastEffect) {
        CliError(QStringLiteral("'%1' is not an effect number (0 to %2)").arg(args[2]).arg(LastEffect));
        return 2;
    }
    int values[3] = {0, 0, 0};
    for (qsizetype i = 3; i < args.size(); ++i) {
        values[i - 3] = args[i].toInt(&ok);
        if (!ok) {
            CliError(QStringLiteral("value %1 '%2' is not a whole number").arg(i - 2).arg(args[i]));
            return 2;
        }
    }
    try {
        TBitmap32 picture;
        LoadPhotoFile(args[0], picture);
        ApplyEffect(picture, effect, values[0], values[1], values[2], 1);
        SavePhotoFile(args[1], picture);
    } catch (const std::exception &e) {
        CliError(QString::fromUtf8(e.what()));
        return 1;
    }
    return 0;
}

TCliRegistration registration({QStringLiteral("effect"), QStringLiteral("INPUT OUTPUT NUMBER [VALUE1 [VALUE2 [VALUE3]]]"),
                               QStringLiteral("run one numbered effect (0 to 34) on a photo and write the result"),
                               RunEffect});

} // namespace
