#include "platform/SingleInstance.h"

#include <QtTest>

class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondStartAsksTheFirstToRaiseAndEnds()
    {
        const QString name = QStringLiteral("VellumiTest-%1").arg(QCoreApplication::applicationPid());
        QProcess first;
        first.start(PEER_PATH, {name});
        QVERIFY(first.waitForStarted());
        QVERIFY(first.waitForReadyRead(5000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("primary"));

        QProcess second;
        second.start(PEER_PATH, {name});
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.readAllStandardOutput().trimmed(), QByteArray("secondary"));
        QCOMPARE(second.exitCode(), 0);

        QVERIFY(first.waitForFinished(5000));
        QCOMPARE(first.readAllStandardOutput().trimmed(), QByteArray("raise"));
    }

    void nameCarriesTheUser()
    {
        qputenv("USER", "alice");
        const QString alice = TSingleInstance::SocketName();
        qputenv("USER", "bob");
        QVERIFY(alice != TSingleInstance::SocketName());
        QVERIFY(alice.startsWith("Vellumi-"));
    }

    void secondEditorEndsWithoutAWindow()
    {
        // Two real editors on the offscreen platform: the second must end by
        // itself while the first keeps running.
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VELLUMI_REGISTRY", dir.filePath("registry.json"));
        env.insert("USER", QStringLiteral("vellumi-test-%1").arg(QCoreApplication::applicationPid()));
        QProcess first, second;
        first.setProcessEnvironment(env);
        second.setProcessEnvironment(env);
        first.start(EDITOR_PATH, {});
        QVERIFY(first.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(first.state(), QProcess::Running);
        second.start(EDITOR_PATH, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
