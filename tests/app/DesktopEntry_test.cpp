#include "support/TestPaths.h"
#include "QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <csignal>

namespace {

// The process running `executable`, 0 when there is none.
qint64 findProcess(const QString& executable) {
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && QFile::symLinkTarget("/proc/" + entry + "/exe") == executable) return pid;
    }
    return 0;
}

QStringList commandLine(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList args;
    for (const QByteArray& a : f.readAll().split('\0')) args << QString::fromLocal8Bit(a);
    if (!args.isEmpty() && args.back().isEmpty()) args.removeLast();
    return args;
}

}  // namespace

// Installing the program registers it for brovik: URIs, so that the management suite's
// xdg-open brovik:N starts it with that argument.
TEST(DesktopEntry, XdgOpenStartsTheInstalledProgramWithTheUri) {
    brovik::test::qtApp();
    const QString xdgOpen = QStandardPaths::findExecutable("xdg-open");
    ASSERT_FALSE(xdgOpen.isEmpty()) << "xdg-utils is not installed";
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());

    QProcess install;
    install.start("cmake", {"--install", QString::fromUtf8(brovik::test::kBinaryDir), "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    QFile cache(prefix.filePath("share/applications/mimeinfo.cache"));
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    EXPECT_TRUE(cache.readAll().contains("x-scheme-handler/brovik=brovik.desktop;"));

    const QString program = prefix.filePath("bin/brovik");
    QFile ini(prefix.filePath("bin/Alias.ini"));  // so that the program stays up to be seen
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[PATH]\nMV=/nowhere.fdb\n");
    ini.close();

    QProcessEnvironment env;
    env.insert("HOME", prefix.filePath("home"));
    env.insert("PATH", prefix.filePath("bin") + ":/usr/bin:/bin");
    env.insert("XDG_DATA_DIRS", prefix.filePath("share"));
    env.insert("XDG_DATA_HOME", prefix.filePath("home/.local/share"));
    env.insert("XDG_CONFIG_HOME", prefix.filePath("home/.config"));
    env.insert("XDG_CONFIG_DIRS", prefix.filePath("etc"));
    env.insert("DISPLAY", ":99");  // xdg-open only asks whether there is one; the program draws offscreen
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess open;
    open.setProcessEnvironment(env);
    open.start(xdgOpen, {"brovik:128700"});
    ASSERT_TRUE(open.waitForStarted(10000));

    qint64 pid = 0;
    for (int i = 0; i < 200 && !pid; ++i) {
        pid = findProcess(program);
        if (!pid) QThread::msleep(100);
    }
    ASSERT_NE(pid, 0) << "xdg-open did not start the installed program: "
                      << open.readAllStandardError().toStdString();
    const QStringList args = commandLine(pid);
    ::kill(pid_t(pid), SIGTERM);
    open.waitForFinished(10000);
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(args[1], "brovik:128700");
}
