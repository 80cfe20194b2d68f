#include "support/TestDatabase.h"

#include "app/BrovikApplication.h"
#include "app/ClickPanel.h"
#include "app/LowerCaseEdit.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "app/TaloesPanel.h"
#include "tickets/TicketPrinting.h"
#include "tickets/TicketSession.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace brovik::tickets {
namespace {

// The run as the window starts it: the panel's values, failures to the silent handler.
TEST(WindowRun, ReadsThePanelAndFailsSilently) {
    static test::TestDatabase db(QStringLiteral("tickets-window"), {QStringLiteral("tests/tickets/fixtures/run.sql")});
    int argc = 1;
    char name[] = "brovik";
    char* argv[] = {name, nullptr};
    app::BrovikApplication application(argc, argv);
    QTemporaryDir dir;
    app::TKelHandleException logger(dir.filePath(QStringLiteral("brovik_erro_bd.log")));
    data::AliasSettings settings;
    settings.mv = db.path();
    TicketSession session(settings);
    app::TForm1 form(QStringLiteral("brovik:500"));
    form.setTicketSession(&session);
    form.show();

    QTest::keyClicks(form.pTaloes->edtObservacao, QStringLiteral("Urgente"));
    form.pTaloes->Centralizado->setChecked(true);
    QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton);
    EXPECT_EQ(form.lastRun().outcome, TicketRunResult::Outcome::Completed);
    EXPECT_EQ(form.lastRun().layout, Layout::Centred);
    EXPECT_EQ(form.lastRun().obs3Caption, "LOTE A|urgente");
    EXPECT_EQ(session.tables.RxTalao.recordCount(), 24);
    // Without a preview window installed, Preview only generates: one page per ticket.
    EXPECT_EQ(form.printing()->layouts.centred.Qr3.lastDocument().pages.size(), 6u);

    form.pTaloes->EditRemessa->setText(QStringLiteral("12a"));
    QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton);
    for (const QWidget* w : QApplication::topLevelWidgets())
        EXPECT_TRUE(w == &form || !w->isVisible()) << "a window besides the form: " << w->metaObject()->className();
    EXPECT_FALSE(session.queries.CdsRemessa.isOpen());
    EXPECT_EQ(session.tables.RxTalao.recordCount(), 24);
    EXPECT_FALSE(QFile::exists(logger.logFile()));
}

}  // namespace
}  // namespace brovik::tickets
