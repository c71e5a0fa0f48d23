// vellumi-cli replay: decodes a photo, replays operation records onto it and
// writes the canvas with its visible layers.

#include "cli/CliCommand.h"
#include "documents/ImageCodecs.h"
#include "history/ApplierRegistry.h"
#include "history/HistorySteps.h"

#include <QFile>
#include <QRegularExpression>

namespace {

struct TReplayArgs {
    QString Input, Output;
    QStringList Records;
    QSize Viewport;
};

// Reads the arguments; a message in error when they do not make sense.
bool ReadArgs(const QStringList &args, TReplayArgs &out, QString &error)
{
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool takesValue = arg == QLatin1String("--record") || arg == QLatin1String("--log") ||
                                arg == QLatin1String("--viewport");
        if (!takesValue) {
            if (arg.startsWith(QLatin1String("--"))) {
                error = QStringLiteral("unknown option '%1'").arg(arg);
                return false;
            }
            positional << arg;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(arg);
            return false;
        }
        const QString value = args[++i];
        if (arg == QLatin1String("--record")) {
            out.Records << value;
        } else if (arg == QLatin1String("--log")) {
            QFile file(value);
            if (!file.open(QIODevice::ReadOnly)) {
                error = QStringLiteral("cannot read the log '%1': %2").arg(value, file.errorString());
                return false;
            }
            QString content = QString::fromUtf8(file.readAll());
            if (content.startsWith(QChar(0xFEFF)))
                content.remove(0, 1);
            const QStringList lines = content.split(u'\n');
            for (QString line : lines) {
                if (line.endsWith(u'\r'))
                    line.chop(1);
                if (!line.isEmpty())
                    out.Records << line;
            }
        } else {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("^([1-9][0-9]{0,5})x([1-9][0-9]{0,5})$")).match(value);
            if (!m.hasMatch()) {
                error = QStringLiteral("--viewport takes WIDTHxHEIGHT, not '%1'").arg(value);
                return false;
            }
            out.Viewport = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        }
    }
    if (positional.size() != 2) {
        error = QStringLiteral("replay takes INPUT and OUTPUT");
        return false;
    }
    out.Input = positional[0];
    out.Output = positional[1];
    return true;
}

int RunReplay(const QStringList &args)
{
    TReplayArgs options;
    QString error;
    if (!ReadArgs(args, options, error)) {
        CliError(error);
        return 2;
    }
    try {
        TReplayEngine engine;
        RegisterAllAppliers(engine.Appliers);
        TUndoRedoImgList photos;
        TUndoRedoImgListItem &photo = photos.AddItem(-1, options.Input, nullptr);
        for (const QString &record : options.Records)
            photo.LogRecord(record);
        TImgView32 view;
        THistorySession session{engine, photos, view, [&](const QString &path, TBitmap32 &target) {
                                    LoadPhotoFile(path, target);
                                    view.SetViewportSize(options.Viewport.isValid() ? options.Viewport
                                                                                    : QSize(target.Width(), target.Height()));
                                }};
        ReloadPhoto(session, 0);
        TBitmap32 picture;
        view.RenderViewToBitmap(picture);
        SavePhotoFile(options.Output, picture);
    } catch (const std::exception &e) {
        CliError(QString::fromUtf8(e.what()));
        return 1;
    }
    return 0;
}

TCliRegistration registration({QStringLiteral("replay"),
                               QStringLiteral("INPUT OUTPUT [--record TEXT]... [--log FILE] [--viewport WIDTHxHEIGHT]"),
                               QStringLiteral("replay operation records onto a photo and write the result"),
                               RunReplay});

} // namespace
