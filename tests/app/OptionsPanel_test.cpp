#include "app/BarcodeStandardBox.h"
#include "app/ClickPanel.h"
#include "app/LowerCaseEdit.h"
#include "app/TForm1.h"
#include "app/TaloesPanel.h"
#include "app/WholeNumberEdit.h"
#include "QtTestApp.h"
#include "support/TestPaths.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace brovik::app;
using brovik::tickets::Layout;

namespace {

class OptionsPanel : public ::testing::Test {
protected:
    void SetUp() override {
        brovik::test::qtApp();
        form = std::make_unique<TForm1>(QStringLiteral("brovik:128700"));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        panel = form->pTaloes;
    }

    // Replaces the whole text, as a user selecting it and typing over it.
    static void typeOver(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
        else QTest::keyClicks(box, text);
    }

    std::unique_ptr<TForm1> form;
    TaloesPanel* panel = nullptr;
};

}  // namespace

TEST_F(OptionsPanel, InitialValuesShownThroughTheirMasks) {
    EXPECT_EQ(panel->EditRemessa->text(), "128700");
    EXPECT_EQ(panel->Op1->text(), "01");
    EXPECT_EQ(panel->Op2->text(), "99");
    EXPECT_EQ(panel->Tl1->text(), "0000001");
    EXPECT_EQ(panel->Tl2->text(), "99999999");
    EXPECT_EQ(panel->vRatio->text(), "3");
    EXPECT_EQ(panel->vModul->text(), "1");

    const brovik::tickets::TicketOptions v = form->panelValues();
    EXPECT_EQ(v.batchText, "128700");
    EXPECT_EQ(v.op1, 1);
    EXPECT_EQ(v.op2, 99);
    EXPECT_EQ(v.tl1, 1);
    EXPECT_EQ(v.tl2, 99999999);
    EXPECT_FALSE(v.decrescente);
    EXPECT_EQ(v.layout, Layout::Flow);
    EXPECT_EQ(v.remark, "");
    EXPECT_EQ(v.barcodeEntry, 0);
    EXPECT_EQ(v.ratio, 3);
    EXPECT_EQ(v.modul, 1);
}

TEST_F(OptionsPanel, WholeNumberBoxesReadingRules) {
    struct Case { WholeNumberEdit* box; const char* typed; qint64 reads; const char* shownAfterwards; };
    const Case cases[] = {
        {panel->Op1, "0", 1, "01"},          // below the minimum
        {panel->Tl1, "0", 1, "0000001"},
        {panel->Tl1, "", 1, "0000001"},      // empty reads 0, below the minimum
        {panel->Tl2, "", 0, "0000000"},      // no minimum: emptied reads 0
        {panel->Op2, "0", 0, "00"},
        {panel->Op2, "7", 7, "07"},
        {panel->Op2, "-", 0, "00"},          // still not a number: the minimum
        {panel->Op1, "-", 1, "01"},
        {panel->Op2, "-3", -3, "-03"},
        {panel->Tl2, "12345678901", 12345678901, "12345678901"},
        {panel->Tl2, "99999999999999999999", 0, "0000000"},  // too large to be a number
    };
    for (const Case& c : cases) {
        typeOver(c.box, QString::fromUtf8(c.typed));
        EXPECT_EQ(c.box->value(), c.reads) << c.box->objectName().toStdString() << " '" << c.typed << "'";
        panel->edtObservacao->setFocus();  // leaving the box shows it through its mask
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.shownAfterwards)) << c.box->objectName().toStdString();
    }
}

TEST_F(OptionsPanel, WholeNumberTextFromCodeIgnoresForeignCharacters) {
    struct Case { const char* text; qint64 op1; qint64 op2; };
    const Case cases[] = {
        {"12a", 12, 12}, {"a1b2", 12, 12}, {"abc", 1, 0}, {"1-2", 1, 0}, {"1,6", 2, 2}, {"0,4", 1, 0}, {" 05 ", 5, 5},
    };
    for (const Case& c : cases) {
        panel->Op1->setText(QString::fromUtf8(c.text));
        panel->Op2->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(panel->Op1->value(), c.op1) << c.text;
        EXPECT_EQ(panel->Op2->value(), c.op2) << c.text;
    }
}

TEST_F(OptionsPanel, WholeNumberKeyFilterAndEscape) {
    typeOver(panel->Op2, "4x.b5");  // letters and a full stop are refused
    EXPECT_EQ(panel->Op2->text(), "45");
    QTest::keyClicks(panel->Op2, "-");  // a minus only in front
    EXPECT_EQ(panel->Op2->text(), "45");

    panel->edtObservacao->setFocus();
    EXPECT_EQ(panel->Op2->text(), "45");
    typeOver(panel->Op2, "3");
    QTest::keyClick(panel->Op2, Qt::Key_Escape);
    EXPECT_EQ(panel->Op2->text(), "45");  // the value shown before editing
    EXPECT_EQ(panel->Op2->selectedText(), "45");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(OptionsPanel, RemarkEntersLowerCase) {
    panel->edtObservacao->setFocus();
    QTest::keyClicks(panel->edtObservacao, "URGENTE Ja 12 ");
    QTest::sendKeyEvent(QTest::Click, panel->edtObservacao, Qt::Key_Ccedilla, QString::fromUtf8("Ç"), Qt::ShiftModifier);
    QTest::keyClicks(panel->edtObservacao, "A");
    EXPECT_EQ(panel->edtObservacao->text(), QString::fromUtf8("urgente ja 12 ça"));
    EXPECT_EQ(form->panelValues().remark, QString::fromUtf8("urgente ja 12 ça"));
}

TEST_F(OptionsPanel, BarcodeFreeTextSelectsNoEntry) {
    BarcodeStandardBox* box = panel->cbbPadraoCodBar;
    ASSERT_EQ(box->count(), 23);
    EXPECT_EQ(box->itemText(9), "10.Code93Extended");
    EXPECT_EQ(box->itemText(22), "23.CodeEAN128C");

    box->setCurrentIndex(19);
    EXPECT_EQ(form->panelValues().barcodeEntry, 19);

    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "xyz");
    EXPECT_EQ(box->currentText(), "xyz");
    EXPECT_EQ(form->panelValues().barcodeEntry, -1);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->panelValues().barcodeEntry, -1);
    EXPECT_EQ(box->count(), 23);  // typed text never becomes an entry

    box->setCurrentIndex(3);
    EXPECT_EQ(form->panelValues().barcodeEntry, 3);
}

TEST_F(OptionsPanel, RadioGroupsGiveLayoutAndOrder) {
    EXPECT_FALSE(panel->Decrescente->isVisible());
    panel->Colunado->click();
    EXPECT_EQ(form->panelValues().layout, Layout::Columns);
    EXPECT_TRUE(panel->Crescente->isChecked());  // another group
    panel->Centralizado->click();
    EXPECT_EQ(form->panelValues().layout, Layout::Centred);
    EXPECT_FALSE(panel->TF->isChecked());
    panel->Decrescente->setChecked(true);
    EXPECT_TRUE(form->panelValues().decrescente);
    EXPECT_FALSE(panel->Crescente->isChecked());
}

TEST_F(OptionsPanel, TabOrderSkipsHiddenControlsAndClickPanels) {
    panel->Op1->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        // The editable barcode box takes the focus through its text line.
        visited << (w->parentWidget() == panel->cbbPadraoCodBar ? panel->cbbPadraoCodBar : w)->objectName();
    }
    EXPECT_EQ(visited, QStringList({"Op1", "Op2", "Tl1", "Tl2", "Crescente", "TF", "edtObservacao", "cbbPadraoCodBar",
                                    "EditRemessa"}));
}

TEST_F(OptionsPanel, EscapeNeverEndsTheProgram) {
    QWidget* const targets[] = {form.get(), panel, panel->EditRemessa, panel->Op1, panel->edtObservacao,
                                panel->cbbPadraoCodBar, panel->TF};
    for (QWidget* w : targets) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key_V, Qt::AltModifier);  // the underlined letter has no key behind it
        EXPECT_TRUE(form->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->ImprimeTaloes->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(panel->Cancelar->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(OptionsPanel, CancelarHidesThePanelAndClosesTheWindow) {
    QTest::mouseClick(panel->ImprimeTaloes, Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());  // the run is not there yet: the click does nothing
    QTest::mouseClick(panel->Cancelar, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisibleTo(form.get()));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(OptionsPanel, WindowOuterSizeCentredInTheWorkArea) {
    EXPECT_EQ(form->frameGeometry().size(), TForm1::kOuterSize);
    EXPECT_EQ(form->frameGeometry().center(), form->screen()->availableGeometry().center());
    EXPECT_EQ(form->windowTitle(), "Mervato Brovik 1.6");
    EXPECT_EQ(form->objectName(), "Form1");
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());  // not resizable
    EXPECT_EQ(panel->geometry(), QRect(8, 8, 339, 348));
    EXPECT_TRUE(QRect(QPoint(), form->size()).contains(panel->geometry()));  // the whole panel in view
}

TEST_F(OptionsPanel, LooksAsDesigned) {
    const QImage shot = form->grab().toImage();
    const QString png = QDir(QString::fromUtf8(brovik::test::kBinaryDir)).filePath("options-panel.png");
    shot.save(png);
    const auto at = [&](int x, int y) { return shot.pixelColor(x, y).rgb() & 0xFFFFFF; };
    // Positions in the window: the panel sits at 8,8.
    EXPECT_EQ(at(8 + 5, 8 + 340), 0xC0C0C0u) << "silver panel";
    EXPECT_EQ(at(8 + 11 + 3, 8 + 81 + 30), 0xC0C0C0u) << "silver radio group";
    EXPECT_EQ(at(8 + 30 + 2, 8 + 304 + 2), 0x000080u) << "navy ImprimeTaloes";
    EXPECT_EQ(at(8 + 169 + 133, 8 + 304 + 23), 0x000080u) << "navy Cancelar";
    bool whiteCaption = false;
    for (int x = 8 + 30; x < 8 + 165 && !whiteCaption; ++x)
        whiteCaption = at(x, 8 + 304 + 12) == 0xFFFFFFu;
    EXPECT_TRUE(whiteCaption) << "white caption on ImprimeTaloes";
    const QFont font = panel->findChild<QLabel*>("Label7")->font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 11);
}
