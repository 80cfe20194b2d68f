// The main window on a real X server (Xvfb), with a window manager (openbox) that frames
// it and without one: its outer frame is 360 x 398, centred in the work area, and it stays
// where the user moves it.
#include "support/ProgramRun.h"
#include "support/TestPaths.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

using namespace brovik;

namespace {

const QString kCaption = QStringLiteral("Mervato Brovik 1.6");

// A process of the test's own, ended by its id when the test ends.
struct Child {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    ~Child() {
        if (process->state() == QProcess::NotRunning) return;
        process->terminate();
        if (process->waitForFinished(5000)) return;
        process->kill();
        process->waitForFinished(5000);
    }
};

class Display {
public:
    explicit Display(bool windowManager) {
        xvfb.process->setProcessChannelMode(QProcess::SeparateChannels);
        // -displayfd 1: the server picks a free display and writes its number to stdout.
        xvfb.process->start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!xvfb.process->waitForReadyRead(20000)) return;
        name = QStringLiteral(":") + QString::fromLatin1(xvfb.process->readLine().trimmed());
        if (!windowManager) return;
        wm.process->setProcessEnvironment(environment());
        wm.process->start(QStringLiteral("openbox"), {});
        wm.process->waitForStarted();
        // openbox announces itself on the root window once it manages windows.
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && !tool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"))
            QThread::msleep(50);
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), name);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }
    QString tool(const char* program, const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start(QString::fromLatin1(program), args);
        p.waitForFinished(15000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    QString name;

private:
    Child xvfb, wm;
};

// The client area and the frame the window manager reports around it.
struct Placement {
    QRect client;
    QRect outer;
};

Placement placementOf(const Display& display, const QString& window) {
    const QString info = display.tool("xwininfo", {"-id", window});
    const auto number = [&](const char* label) {
        return QRegularExpression(QString::fromLatin1(label) + QStringLiteral(R"(:\s+(-?\d+))")).match(info).captured(1).toInt();
    };
    Placement p;
    p.client = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height"));
    const auto extents = QRegularExpression(QStringLiteral(R"(= (\d+), (\d+), (\d+), (\d+))"))
                             .match(display.tool("xprop", {"-id", window, "_NET_FRAME_EXTENTS"}));
    const QMargins frame = extents.hasMatch() ? QMargins(extents.captured(1).toInt(), extents.captured(3).toInt(),
                                                         extents.captured(2).toInt(), extents.captured(4).toInt())
                                              : QMargins();
    p.outer = p.client.marginsAdded(frame);
    return p;
}

class WindowGeometry : public ::testing::TestWithParam<bool> {};

TEST_P(WindowGeometry, OuterFrameCentredInTheWorkAreaAndStaysWhereMoved) {
    const bool windowManager = GetParam();
    Display display(windowManager);
    ASSERT_FALSE(display.name.isEmpty()) << "Xvfb did not start";
    QTemporaryDir dir;
    // The window comes up before the configuration is read and stays without a database.
    const QString ini = test::writeAliasIni(dir.path(), test::aliasIniFor(dir.filePath(QStringLiteral("none.fdb"))));
    Child program;
    program.process->setProcessEnvironment(display.environment());
    program.process->start(QString::fromUtf8(test::kExecutable), {"--config", ini, "brovik:128700"});
    ASSERT_TRUE(program.process->waitForStarted());
    const QString window = display.tool("xdotool", {"search", "--sync", "--onlyvisible", "--name", kCaption}).section('\n', 0, 0);
    ASSERT_FALSE(window.isEmpty());

    const QRect workArea(0, 0, 1280, 1024);  // no panel on this screen
    // Placed, once the same twice in a row: the window manager may frame it a moment late.
    Placement placed, before;
    const QDeadlineTimer settled(5000);
    do {
        before = placed;
        QThread::msleep(200);
        placed = placementOf(display, window);
    } while (!settled.hasExpired() && (placed.outer.size() != QSize(360, 398) || placed.outer != before.outer));
    EXPECT_EQ(placed.outer.size(), QSize(360, 398));
    EXPECT_EQ(placed.outer.center(), workArea.center());
    if (windowManager) {
        EXPECT_NE(placed.client, placed.outer) << "openbox frames the window";
    }

    display.tool("xdotool", {"windowmove", window, "100", "120"});
    QThread::msleep(800);  // time for a jump back, were there one
    const Placement moved = placementOf(display, window);
    EXPECT_EQ(moved.client.size(), placed.client.size());
    EXPECT_EQ(moved.outer.size(), QSize(360, 398));
    EXPECT_LT((moved.client.topLeft() - QPoint(100, 120)).manhattanLength(), 30) << "stays where it was moved";
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutWindowManager, WindowGeometry, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "openbox" : "bare"; });

}  // namespace
