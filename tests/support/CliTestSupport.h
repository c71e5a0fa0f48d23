#pragma once
// Running the built vellumi-cli from a test, as a user's script would.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct TCliRun {
    int exitCode;   // -1 when the program crashed
    QString errors; // what it wrote to standard error
};

inline TCliRun RunCli(const QString &program, const QString &command, const QStringList &args, int timeoutMs = 60000)
{
    QProcess cli;
    cli.start(program, QStringList{command} + args);
    EXPECT_TRUE(cli.waitForFinished(timeoutMs));
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardError())};
}
