// vellumi_artgen: draws every picture Vellumi ships, deterministically.
//   vellumi_artgen --beside <folder beside the executables>
//                  --compiled <folder of the compiled-in resources>
//                  --source <the repository's resources folder>
//                  [--sheets <folder for the contact sheets>]

#include "Generators.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString beside, compiled, source, sheets;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--beside"))
            beside = args[i + 1];
        else if (args[i] == QLatin1String("--compiled"))
            compiled = args[i + 1];
        else if (args[i] == QLatin1String("--source"))
            source = args[i + 1];
        else if (args[i] == QLatin1String("--sheets"))
            sheets = args[i + 1];
    }
    if (beside.isEmpty() || compiled.isEmpty() || source.isEmpty()) {
        std::fprintf(stderr, "usage: vellumi_artgen --beside DIR --compiled DIR --source DIR [--sheets DIR]\n");
        return 2;
    }
    try {
        TArtSink sink(beside, compiled);
        MakeStickers(sink);
        MakeBalloons(sink);
        MakeOldPictureTextures(sink);
        MakePaperTextures(sink);
        MakeFrames(sink);
        MakeIcons(sink);
        MakeCursors(sink);
        MakePictures(sink, source);
        sink.WriteResourceList();
        if (!sheets.isEmpty())
            WriteContactSheets(sink, sheets);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "vellumi_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
