// The preview as a desktop user drives it: keys, the toolbar, the page box, zoom, saving
// as PDF, and previews opened by a second click beside the first.
#include "PreviewDialogs.h"
#include "QtTestApp.h"
#include "support/QtPrinters.h"
#include "support/TestPaths.h"
#include "support/TestDatabase.h"

#include "app/BrovikApplication.h"
#include "app/ClickPanel.h"
#include "app/LowerCaseEdit.h"
#include "app/ReportPageView.h"
#include "app/ReportPreview.h"
#include "app/ReportPreviewWindow.h"
#include "app/TForm1.h"
#include "app/TaloesPanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <QWindow>
#include <gtest/gtest.h>


using namespace brovik;

namespace {

reports::Document blankPages(int count) {
    reports::Document d;
    d.title = QStringLiteral("blank");
    d.paperSize = QSizeF(2100, 2970);
    d.pages.resize(std::size_t(count));
    return d;
}

class PreviewWindow : public ::testing::Test {
protected:
    void SetUp() override {
        test::qtApp();
        window = std::make_unique<app::ReportPreviewWindow>(document, QStringLiteral("Talões 1 - x.pdf"));
        window->resize(1000, 800);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        view = window->pageView();
    }
    QLineEdit* pageBox() const { return window->findChild<QLineEdit*>(QStringLiteral("pageBox")); }
    QComboBox* zoomBox() const { return window->findChild<QComboBox*>(QStringLiteral("zoomBox")); }

    reports::Document document = blankPages(2000);
    std::unique_ptr<app::ReportPreviewWindow> window;
    app::ReportPageView* view = nullptr;
};

TEST_F(PreviewWindow, KeysAndPageBoxMoveBetweenPages) {
    EXPECT_EQ(pageBox()->text(), "1");
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("pageTotal"))->text(), " de 2000 ");
    struct Step { QKeyCombination key; int page; };
    const Step steps[] = {
        {Qt::Key_PageDown, 1},  {Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 1},          {Qt::Key_End, 1999},
        {Qt::Key_PageDown, 1999}, {Qt::Key_Home, 0},   {Qt::Key_PageUp, 0},          {Qt::CTRL | Qt::Key_End, 1999},
        {Qt::Key_PageUp, 1998}, {Qt::CTRL | Qt::Key_Home, 0},
    };
    for (const Step& s : steps) {
        QTest::keyClick(view, s.key.key(), s.key.keyboardModifiers());
        EXPECT_EQ(view->currentPage(), s.page) << QKeySequence(s.key).toString().toStdString();
        EXPECT_EQ(pageBox()->text(), QString::number(s.page + 1));
    }
    struct Typed { const char* text; int page; };
    for (const Typed& t : {Typed{"1234", 1233}, Typed{"0", 1233}, Typed{"2001", 1233}, Typed{"2000", 1999}}) {
        pageBox()->setFocus();
        pageBox()->selectAll();
        QTest::keyClicks(pageBox(), QString::fromLatin1(t.text));
        QTest::keyClick(pageBox(), Qt::Key_Return);
        EXPECT_EQ(view->currentPage(), t.page) << t.text;  // the box refuses what is no page
        EXPECT_EQ(pageBox()->text(), QString::number(t.page + 1)) << t.text;
    }
    // Scrolling by hand makes the page in the middle of the view the current one.
    view->goToPage(10);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->currentPage(), 10);
}

TEST_F(PreviewWindow, ZoomKeysWheelBoxAndFits) {
    const double fitWidth = view->zoomPercent();
    const auto zoomText = [&] { return zoomBox()->currentText(); };
    EXPECT_EQ(zoomText(), QStringLiteral("%1%").arg(qRound(fitWidth)));

    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(view->zoomPercent(), fitWidth * 1.25, 0.01);
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(view->zoomPercent(), fitWidth, 0.01);
    QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_NEAR(view->zoomPercent(), fitWidth, 0.01) << "Ctrl+0 returns to page width";

    const QPoint middle = view->viewport()->rect().center();
    QWheelEvent wheel(middle, view->viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    EXPECT_NEAR(view->zoomPercent(), fitWidth * 1.25, 0.01);
    EXPECT_EQ(view->currentPage(), 0) << "zooming keeps the page";

    zoomBox()->setFocus();
    zoomBox()->lineEdit()->selectAll();
    QTest::keyClicks(zoomBox(), "150");
    QTest::keyClick(zoomBox(), Qt::Key_Return);
    EXPECT_NEAR(view->zoomPercent(), 150, 0.01);
    EXPECT_EQ(zoomText(), "150%");

    view->goToPage(700);
    view->fitWholePage();
    const double shown = view->zoomPercent() / 100 * view->logicalDpiY() / 254.0 * 2970;
    EXPECT_LE(shown, view->viewport()->height());
    EXPECT_EQ(view->currentPage(), 700);
}

TEST_F(PreviewWindow, PortugueseCaptionsAndTooltipsWithTheirKeys) {
    QStringList tips;
    for (QAction* a : window->findChild<QToolBar*>(QStringLiteral("previewTools"))->actions())
        if (!a->isSeparator() && !a->text().isEmpty()) tips << a->toolTip();
    EXPECT_EQ(tips.join('|').toStdString(), (QStringList{
                        "Primeira página (Home, Ctrl+Home)",
                        "Página anterior (PgUp)",
                        "Próxima página (PgDown)",
                        "Última página (End, Ctrl+End)",
                        "Reduzir (Ctrl+-)",
                        "Ampliar (Ctrl++, Ctrl+=)",
                        "Ajustar à largura da página (Ctrl+0)",
                        "Mostrar a página inteira",
                        "Imprimir (Ctrl+P)",
                        "Salvar como PDF (Ctrl+S)",
                        "Fechar a visualização (Ctrl+W)",
                    }).join('|').toStdString());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(PreviewWindow, SavesAsPdfUnderTheProposedNameAndSaysWhere) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).exists() ? documents : QDir::homePath();
    EXPECT_EQ(window->proposedPdfPath(), QDir(folder).filePath(QStringLiteral("Talões 1 - x.pdf")));

    document.pages.resize(3);
    QTemporaryDir dir;
    QString proposed;
    test::whenModalOpens("QFileDialog", [&](QWidget* w) {
        auto* dialog = static_cast<QFileDialog*>(w);
        proposed = dialog->selectedFiles().value(0);
        dialog->setDirectory(dir.path());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("lote 7"));  // no ".pdf"
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QFileInfo(proposed).fileName(), "Talões 1 - x.pdf");
    const QString saved = dir.filePath(QStringLiteral("lote 7.pdf"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join('|').toStdString(), "lote 7.pdf");  // no temporary file left
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
              QStringLiteral("PDF salvo em %1 (3 páginas)").arg(saved).toStdString());

    QString shown;
    test::answerMessageBox(&shown);
    EXPECT_FALSE(window->savePdfTo(QStringLiteral("/nonexistent/folder/x")));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Não foi possível salvar o PDF em /nonexistent/folder/x.pdf."))) << shown.toStdString();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Não foi possível salvar")));
}

// Clicks on the panel while previews are open: each click runs and opens its own preview,
// a normal window the panel can be raised above; whichever closes first, every Preview
// call returns and the program goes on.
class SecondClick : public ::testing::TestWithParam<bool> {};

TEST_P(SecondClick, BothPreviewsCloseCleanlyInEitherOrder) {
    const bool firstClosesFirst = GetParam();
    test::qtApp();
    static test::TestDatabase db(QStringLiteral("preview-second-click"), {QStringLiteral("db/demo.sql")});
    data::AliasSettings settings;
    settings.mv = db.path();
    tickets::TicketSession session(settings);
    app::TForm1 form(QStringLiteral("128700"));
    app::ReportPreview preview(&form);
    reports::TReport::setPreviewHost(&preview);
    form.setReportPreview(&preview);
    form.setTicketSession(&session);
    form.pTaloes->Colunado->setChecked(true);
    form.show();

    QStringList events;
    const auto firstOpened = [&] {
        app::ReportPreviewWindow* first = preview.openWindows().at(0);
        EXPECT_EQ(first->parentWidget(), nullptr);
        EXPECT_EQ(first->windowHandle()->transientParent(), nullptr);
        EXPECT_TRUE(first->windowState() & Qt::WindowMaximized);
        form.raise();  // the panel comes above the preview
        events << "first open";
        first->grab().save(QDir(QString::fromUtf8(test::kBinaryDir)).filePath(QStringLiteral("preview-window.png")));
        form.pTaloes->TF->setChecked(true);
        // From a timer of its own: a timer's handler is not entered again during it.
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton);
            events << "second click returned";
        });
    };
    const auto secondOpened = [&] {
        const auto open = preview.openWindows();
        EXPECT_EQ(open.size(), 2);
        events << "second open";
        QTest::keyClicks(form.pTaloes->edtObservacao, "Ok");  // the panel still answers
        (firstClosesFirst ? open[0] : open[1])->close();
        QTimer::singleShot(50, [&] {
            events << QStringLiteral("%1 left").arg(preview.openWindows().size());
            preview.openWindows().value(0)->close();
        });
    };
    QTimer poll;
    int seen = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (preview.openWindows().size() <= seen) return;
        ++seen;
        if (seen == 1) firstOpened();
        else secondOpened();
    });
    poll.start(20);

    QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton);
    events << "first click returned";

    // The second click's Preview returns as soon as its window closes; the first one's once
    // its window is closed and the second click has returned.
    const QStringList expected = firstClosesFirst
        ? QStringList{"first open", "second open", "1 left", "second click returned", "first click returned"}
        : QStringList{"first open", "second open", "second click returned", "1 left", "first click returned"};
    EXPECT_EQ(events.join('|').toStdString(), expected.join('|').toStdString());
    EXPECT_TRUE(preview.openWindows().isEmpty());
    EXPECT_EQ(form.pTaloes->edtObservacao->text(), "ok");
    EXPECT_EQ(form.pTaloes->lblResultado->text(), "30 talões, 190 canhotos");
    reports::TReport::setPreviewHost(nullptr);
}

INSTANTIATE_TEST_SUITE_P(FirstOrSecondClosedFirst, SecondClick, ::testing::Bool());

}  // namespace

namespace {

// Qt's print dialog, as the clerk opens it from the preview, in Portuguese.
TEST(QtDialogs, SpeakPortuguese) {
    auto& application = static_cast<app::BrovikApplication&>(test::qtApp());
    ASSERT_TRUE(application.speaksPortuguese()) << "qt6-translations-l10n is not installed";
    reports::Document document = blankPages(2);
    app::ReportPreviewWindow window(document, QStringLiteral("x.pdf"));
    QStringList texts;
    test::whenModalOpens("QPrintDialog", [&](QWidget* dialog) {
        texts << dialog->windowTitle();
        for (const char* name : {"printAll", "pagesRadioButton", "printCurrentPage", "collate"})
            texts << dialog->findChild<QAbstractButton*>(QString::fromLatin1(name))->text();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    window.print();
    EXPECT_EQ(texts.join('|').toStdString(), "Imprimir|Imprimir tudo|Páginas|Página atual|Agrupar");
}

}  // namespace
