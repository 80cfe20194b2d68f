#include "app/ClickPanel.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "app/TaloesPanel.h"
#include "app/WholeNumberEdit.h"
#include "dataset/DataError.h"
#include "dataset/Format.h"
#include "QtTestApp.h"
#include "support/UnreportedLeaks.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brovik::app;

namespace {

const QDateTime kMarch5(QDate(2024, 3, 5), QTime(14, 7, 9));

class FailureLog : public ::testing::Test {
protected:
    void SetUp() override {
        brovik::test::qtApp();
        brovik::fmt::applyRegionalSettings();
        ASSERT_TRUE(dir.isValid());
        logger = std::make_unique<TKelHandleException>(dir.filePath("brovik_erro_bd.log"));
        logger->setClock([] { return kMarch5; });
        logger->setCloseConnections([this] { ++closes; });
    }

    QByteArray logBytes() const {
        QFile f(logger->logFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void fail(const QObject* sender, const QString& message) {
        logger->HandleApplicationException(sender, brovik::data::DataError(message));
    }

    QTemporaryDir dir;
    std::unique_ptr<TKelHandleException> logger;
    int closes = 0;
};

const QByteArray kRule(67, '-');

QByteArray expectedEntry(const QByteArray& form, const QByteArray& caption, const QByteArray& className,
                         const QByteArray& message) {
    return "Exception ocorrida em 05 de Mar\xE7o de 2024 \xE0s 14:07:09\r\n" + kRule + "\r\n" +
           "Form.................: " + form + "\r\n" + "Caption do Form......: " + caption + "\r\n" + kRule +
           "\r\n" + "Classe da Exception..: " + className + "\r\n" + "Mensagem da Exception: " + message +
           "\r\n" + "\r\n";
}

}  // namespace

TEST_F(FailureLog, EntryByteForByteThenAppendedWithoutClosingAgain) {
    TForm1 form;
    fail(form.pTaloes->Op1, "Error reading data from the connection");
    const QByteArray first =
        expectedEntry("Form1", "Mervato Brovik 1.6", "EDataError", "Error reading data from the connection");
    EXPECT_EQ(logBytes(), first);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(logger->closeConnectionsPending());

    fail(&form, "Attempt to reopen an open cursor");
    EXPECT_EQ(logBytes(), first + expectedEntry("Form1", "Mervato Brovik 1.6", "EDataError",
                                                "Attempt to reopen an open cursor"));
    EXPECT_EQ(closes, 1);
}

TEST_F(FailureLog, OnlyStretchesOfTheFixedTextAreLogged) {
    struct Case { const char* message; bool logged; };
    const Case cases[] = {
        {"Error reading data from the connection", true},
        {"Attempt to reopen an open cursor", true},
        {"open cursor", true},
        {"cursor Error", true},  // across the two texts
        {"Attempt to reopen an open cursor Error reading data from the connection", true},
        {"Open cursor", false},
        {"Error reading data from the connection.", false},
        {"Error reading data from the connection\n", false},
        {"error reading data from the connection", false},
        {"Unable to complete network request to host", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(TKelHandleException::isLoggedMessage(c.message), c.logged) << c.message;
}

TEST_F(FailureLog, DroppedFailuresLeaveNoTrace) {
    fail(nullptr, "Error reading data from the connection.");
    fail(nullptr, "");
    fail(nullptr, "Open cursor");
    logger->HandleApplicationException(nullptr, std::runtime_error("conversion failed"));
    EXPECT_FALSE(QFile::exists(logger->logFile()));
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(logger->closeConnectionsPending());
}

TEST_F(FailureLog, EarlierEntriesStayInFront) {
    {
        QFile f(logger->logFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old entry\r\n");
    }
    fail(nullptr, "open cursor");
    EXPECT_TRUE(logBytes().startsWith("old entry\r\nException ocorrida em 05 de Mar\xE7o"));
}

TEST_F(FailureLog, SenderOutsideAnyWindowAndOtherFailureTypes) {
    QObject component;
    component.setObjectName("IBGrade");
    logger->HandleApplicationException(&component, std::runtime_error("open cursor"));
    QObject unnamed;
    fail(&unnamed, "open cursor");
    const QByteArray log = logBytes();
    EXPECT_TRUE(log.contains("Form.................: IBGrade\r\nCaption do Form......: \r\n"));
    EXPECT_TRUE(log.contains("Classe da Exception..: Exception\r\n"));
    EXPECT_TRUE(log.contains("Form.................: QObject\r\n"));
}

TEST_F(FailureLog, UnwritableLogKeepsTheConnectionsAndTheFlag) {
    TKelHandleException blocked(dir.filePath("no/such/folder/x_erro_bd.log"));
    int blockedCloses = 0;
    blocked.setCloseConnections([&] { ++blockedCloses; });
    blocked.HandleApplicationException(nullptr, brovik::data::DataError("open cursor"));
    EXPECT_EQ(blockedCloses, 0);
    EXPECT_TRUE(blocked.closeConnectionsPending());
}

TEST_F(FailureLog, LogPathBesideTheExecutable) {
    struct Case { const char* exe; const char* log; };
    const Case cases[] = {
        {"/opt/mv/Brovik.exe", "/opt/mv/Brovik_erro_bd.log"},
        {"/opt/mv/brovik", "/opt/mv/brovik_erro_bd.log"},
        {"/opt/mv.d/brovik", "/opt/mv.d/brovik_erro_bd.log"},  // a dot in the folder is no extension
        {"/opt/brovik.1.6", "/opt/brovik.1_erro_bd.log"},
        {"/opt/.brovik", "/opt/.brovik_erro_bd.log"},
    };
    for (const Case& c : cases) EXPECT_EQ(TKelHandleException::logPathFor(c.exe), QString::fromUtf8(c.log)) << c.exe;
}

TEST_F(FailureLog, FailureFromAClickHandlerReachesTheHandlerWithoutAMessageBox) {
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QObject::connect(form.pTaloes->ImprimeTaloes, &ClickPanel::clicked, &form,
                     [] { throw brovik::data::DataError("Error reading data from the connection"); });
    QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton);
    QApplication::processEvents();

    EXPECT_EQ(logBytes(), expectedEntry("Form1", "Mervato Brovik 1.6", "EDataError",
                                        "Error reading data from the connection"));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<QMessageBox*>(w), nullptr);
    EXPECT_TRUE(form.isVisible());

    // A dropped failure from an ordinary button goes the same way and changes nothing.
    // Thrown through Qt's own widgets, which do not unwind: Qt leaves its copy of the
    // mouse event and the button's accessibility reference behind.
    brovik::test::UnreportedLeaks qtDoesNotUnwind;
    QPushButton button("x", &form);
    QObject::connect(&button, &QPushButton::clicked, [] { throw std::runtime_error("12a is not a number"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form.isVisible());
}
