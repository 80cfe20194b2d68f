// The line under the click panels tells the clerk what the last click did, one text per
// outcome, while the failure handler still shows nothing and logs as before.
#include "QtTestApp.h"
#include "support/QtPrinters.h"
#include "support/TestDatabase.h"
#include "support/TestPaths.h"

#include "app/ClickPanel.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "app/TaloesPanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace brovik;

namespace {

struct Click {
    QString line;
    bool logged = false;
};

class OutcomeLine : public ::testing::Test {
protected:
    void SetUp() override { test::qtApp(); }

    // One click on "&Visualizar Impressão" with this database and batch text.
    Click click(const QString& database, const QString& batchText) {
        data::AliasSettings settings;
        settings.mv = database;
        tickets::TicketSession session(settings);
        app::TForm1 form;
        form.setTicketSession(&session);
        form.pTaloes->EditRemessa->setText(batchText);
        form.show();
        form.pTaloes->showOutcome(QStringLiteral("the previous click"));
        QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton);
        const QLabel* line = form.pTaloes->lblResultado;
        const QString shot = QStringLiteral("outcome-%1-%2.png").arg(QFileInfo(database).baseName().section(QLatin1Char('-'), 0, 1), batchText);
        form.grab().save(QDir(QString::fromUtf8(test::kBinaryDir)).filePath(shot));
        form.setTicketSession(nullptr);
        return {line->toolTip(), QFile::exists(logger.logFile())};
    }

    static test::TestDatabase& demo() {
        static test::TestDatabase db(QStringLiteral("outcome-demo"), {QStringLiteral("db/demo.sql")});
        return db;
    }
    static test::TestDatabase& badRows() {
        static test::TestDatabase db(QStringLiteral("outcome-bad"), {QStringLiteral("tests/tickets/fixtures/bad_rows.sql")});
        return db;
    }

    QTemporaryDir dir;
    app::TKelHandleException logger{dir.filePath(QStringLiteral("brovik_erro_bd.log"))};
};

TEST_F(OutcomeLine, OneTextPerOutcome) {
    struct Case {
        const char* what;
        QString database;
        const char* batch;
        const char* line;
    };
    const Case cases[] = {
        {"success", demo().path(), "128700", "30 talões, 190 canhotos"},
        {"one ticket", badRows().path(), "805", "1 talão, 1 canhoto"},
        {"not a whole number", demo().path(), "12a", "Remessa inválida: 12a"},
        {"no production orders", demo().path(), "4523", "Remessa 4523 sem ordens de produção"},
        {"a lot without a size label", badRows().path(), "802", "Falha: IBGrade: Field 'T21' not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Click result = click(c.database, QString::fromUtf8(c.batch));
        EXPECT_EQ(result.line, QString::fromUtf8(c.line));
        EXPECT_FALSE(result.logged);  // only connection failures are logged
    }
}

// The server down or the database missing: the library's own text. The handler logs only
// connections lost during a run, so this leaves no entry, as before.
TEST_F(OutcomeLine, DatabaseFailureNamesTheLibraryText) {
    const Click result = click(dir.filePath(QStringLiteral("missing.fdb")), QStringLiteral("128700"));
    EXPECT_TRUE(result.line.startsWith(QStringLiteral("Banco de dados indisponível: "))) << result.line.toStdString();
    EXPECT_GT(result.line.size(), QStringLiteral("Banco de dados indisponível: ").size() + 5);
    EXPECT_FALSE(result.logged);
}

// A long text is cut to the strip under the click panels, which nothing else shares.
TEST_F(OutcomeLine, StaysInTheStripUnderTheClickPanels) {
    app::TForm1 form;
    const QLabel* line = form.pTaloes->lblResultado;
    EXPECT_GE(line->geometry().top(), form.pTaloes->ImprimeTaloes->geometry().bottom() + 1);
    EXPECT_LE(line->geometry().bottom(), form.pTaloes->height() - 2);
    form.pTaloes->showOutcome(QStringLiteral("Banco de dados indisponível: ") + QString(200, QLatin1Char('x')));
    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width());
    EXPECT_EQ(line->toolTip().size(), 229);
}

}  // namespace
