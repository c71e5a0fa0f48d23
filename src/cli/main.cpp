#include "cli/CliCommand.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

std::vector<TCliCommand> &CliCommands()
{
    static std::vector<TCliCommand> commands;
    return commands;
}

void CliError(const QString &message)
{
    QTextStream(stderr) << "vellumi-cli: " << message << '\n';
}

namespace {

void PrintHelp()
{
    QTextStream out(stdout);
    out << "Usage: vellumi-cli COMMAND [ARGUMENTS]\n"
           "       vellumi-cli --help | --version\n\n"
           "Runs Vellumi's editing core without a window.\n";
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](const auto &a, const auto &b) { return a.name < b.name; });
    if (!commands.empty()) {
        out << "\nCommands:\n";
        for (const TCliCommand &command : commands)
            out << "  " << command.name << ' ' << command.usage << "\n      " << command.summary << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Text painting (captions, balloons) needs a GUI application; the
    // offscreen platform keeps it free of any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session (scripts, cron) there is no runtime folder;
    // the one Qt would pick is made here, so batch runs print no warning.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
        if (mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        PrintHelp();
        return 2;
    }
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        PrintHelp();
        return 0;
    }
    if (first == QLatin1String("--version")) {
        QTextStream(stdout) << "vellumi-cli " << VELLUMI_VERSION << '\n';
        return 0;
    }
    for (const TCliCommand &command : CliCommands())
        if (command.name == first)
            return command.run(args);
    CliError(QStringLiteral("unknown command '%1' (see --help)").arg(first));
    return 2;
}
