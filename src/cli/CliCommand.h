#pragma once
// The commands of vellumi-cli. Each command lives in a file of its own and
// registers itself with a static TCliRegistration.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct TCliCommand {
    QString name;
    QString usage;   // argument synopsis, shown by --help
    QString summary; // one line
    // Runs with the arguments after the command name; returns the exit code.
    std::function<int(const QStringList &)> run;
};

std::vector<TCliCommand> &CliCommands();

struct TCliRegistration {
    explicit TCliRegistration(TCliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Messages for the user go to standard error, one line each.
void CliError(const QString &message);
