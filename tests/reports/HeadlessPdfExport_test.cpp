#include "support/TestDatabase.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brovik::reports::test {
namespace {

struct Result {
    int status = -1;
    QString out, err;
};

Result run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(240000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

class HeadlessPdfExport : public ::testing::Test {
protected:
    static brovik::test::TestDatabase& demo() {
        static brovik::test::TestDatabase db(QStringLiteral("reports-demo"), {QStringLiteral("db/demo.sql")});
        return db;
    }
    Result brovik(QStringList args) {
        return run(QString::fromUtf8(brovik::test::kExecutable), QStringList{"--config", ini} + args);
    }
    static int pdfPages(const QString& pdf) {
        const QString info = run(QStringLiteral("pdfinfo"), {pdf}).out;
        return QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info).captured(1).toInt();
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("tickets.pdf"));
    QString ini = [this] {
        const QString path = dir.filePath(QStringLiteral("Alias.ini"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("[PATH]\r\nMV=%1\r\n").arg(demo().path()).toLocal8Bit());
        return path;
    }();
};

// The demo batch: 30 tickets of six stubs or more, 190 stubs in all.
TEST_F(HeadlessPdfExport, WritesThePagesOfEachLayoutAndSaysHowMany) {
    for (const char* layout : {"fluxo", "centralizado", "colunado"}) {
        const Result r = brovik({"--layout", layout, "--export", pdf, "brovik:128700"});
        ASSERT_EQ(r.status, 0) << layout << "\n" << r.err.toStdString();
        const auto m = QRegularExpression(QStringLiteral(R"(^30 tickets, 190 stubs, (\d+) pages -> (.*)\n$)")).match(r.out);
        ASSERT_TRUE(m.hasMatch()) << r.out.toStdString();
        EXPECT_EQ(m.captured(2), pdf);
        EXPECT_EQ(pdfPages(pdf), m.captured(1).toInt()) << layout;
        EXPECT_TRUE(r.err.isEmpty()) << layout << "\n" << r.err.toStdString();
    }
}

TEST_F(HeadlessPdfExport, NamesTheStubsPrintedWithoutABarcode) {
    // EAN-8 takes no nine-digit text: every stub of tickets 48001 and 48002 is named.
    const Result r = brovik({"--layout", "colunado", "--barcode", "14", "--talao", "48001-48002", "--export", pdf, "128700"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("2 tickets, 12 stubs, 1 pages -> "))) << r.out.toStdString();
    const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 12) << r.err.toStdString();
    EXPECT_TRUE(lines.value(0).startsWith(QStringLiteral("brovik: ticket 48001, sector 10-CORTE: printed without a barcode (\"480010010\": ")))
        << lines.value(0).toStdString();
}

TEST_F(HeadlessPdfExport, FailuresWriteNoFile) {
    const struct {
        QStringList args;
        int status;
    } cases[] = {
        {{"--export", pdf, "brovik:12a"}, 4},
        {{"--export", pdf, "999999"}, 6},
        {{"--export", dir.filePath(QStringLiteral("no/such/folder/t.pdf")), "128700"}, 7},
    };
    for (const auto& c : cases) {
        const Result r = brovik(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(u' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

}  // namespace
}  // namespace brovik::reports::test
