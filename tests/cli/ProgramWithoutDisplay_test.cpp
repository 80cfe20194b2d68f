// --help and --version answer on a machine without any display and without Qt's
// platform chosen for them.
#include "support/TestPaths.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct Answer {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Answer runWithoutDisplay(const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QLatin1String(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(brovik::test::kExecutable), arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace

TEST(ProgramWithoutDisplay, HelpVersionAndABadOption) {
    const Answer help = runWithoutDisplay({"--help"});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains("--tickets-csv FILE")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("7  the output file could not be written")) << help.out.toStdString();

    const Answer version = runWithoutDisplay({"--version"});
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, "Mervato Brovik 1.6\n");

    const Answer bad = runWithoutDisplay({"--frobnicate", "brovik:1"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "brovik: unknown option --frobnicate\n");
    EXPECT_TRUE(bad.out.isEmpty());
}
