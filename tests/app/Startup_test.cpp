// The window program's start: a missing configuration ends it silently, a bad command
// line names its cause.
#include "support/TestPaths.h"
#include "QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QProcess* startProgram(const QStringList& arguments) {
    brovik::test::qtApp();
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p->setProcessEnvironment(env);
    p->start(QString::fromUtf8(brovik::test::kExecutable), arguments);
    return p;
}

}  // namespace

TEST(Program, MissingConfigurationEndsSilentlyWithStatusZero) {
    QTemporaryDir dir;
    std::unique_ptr<QProcess> p(startProgram({"--config", dir.filePath("Alias.ini"), "brovik:128700"}));
    ASSERT_TRUE(p->waitForFinished(30000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0);
    EXPECT_EQ(p->readAllStandardOutput(), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());  // nothing written there

    // With the file present the program stays up, waiting for the user.
    QFile ini(dir.filePath("Alias.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[PATH]\nMV=/nowhere.fdb\n");
    ini.close();
    std::unique_ptr<QProcess> running(startProgram({"--config", ini.fileName(), "brovik:128700"}));
    ASSERT_TRUE(running->waitForStarted(30000));
    EXPECT_FALSE(running->waitForFinished(1500));
    running->kill();
    running->waitForFinished(10000);
    EXPECT_EQ(ini.size(), qint64(sizeof("[PATH]\nMV=/nowhere.fdb\n") - 1));  // never written back
}

TEST(Program, BadCommandLineNamesTheCause) {
    std::unique_ptr<QProcess> p(startProgram({"--bogus", "brovik:128700"}));
    ASSERT_TRUE(p->waitForFinished(30000));
    EXPECT_EQ(p->exitCode(), 2);
    EXPECT_TRUE(p->readAllStandardError().contains("unknown option --bogus"));
}
