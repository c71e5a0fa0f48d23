// The generator is deterministic: two runs give the same bytes.

#include "ArtworkTestKit.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QMap<QString, QByteArray> RunGenerator(const QString &folder)
{
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(QStringLiteral(VELLUMI_ARTGEN),
              {QStringLiteral("--beside"), folder + QStringLiteral("/beside"), QStringLiteral("--compiled"),
               folder + QStringLiteral("/compiled"), QStringLiteral("--source"), QStringLiteral(VELLUMI_ARTWORK_SOURCE)});
    EXPECT_TRUE(run.waitForFinished(120000));
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), 0);
    QMap<QString, QByteArray> digests;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        digests.insert(path.mid(folder.size()), QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return digests;
}

TEST(Generator, TwoRunsGiveIdenticalFiles)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const QMap<QString, QByteArray> a = RunGenerator(first.path()), b = RunGenerator(second.path());
    EXPECT_GE(a.size(), 430);
    EXPECT_EQ(a.keys(), b.keys());
    for (auto it = a.begin(); it != a.end(); ++it)
        EXPECT_EQ(it.value(), b.value(it.key())) << it.key().toStdString();
}

TEST(Generator, RefusesIncompleteArguments)
{
    QProcess run;
    run.start(QStringLiteral(VELLUMI_ARTGEN), {QStringLiteral("--beside"), QStringLiteral("/nonexistent")});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_NE(run.exitCode(), 0);
}

} // namespace
