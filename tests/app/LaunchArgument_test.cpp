#include "app/TForm1.h"
#include "app/TaloesPanel.h"
#include "QtTestApp.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace brovik::app;

TEST(LaunchArgument, FillsTheBatchBox) {
    brovik::test::qtApp();
    struct Case { const char* argument; const char* batchText; };
    const Case cases[] = {
        {"brovik:128700", "128700"},
        {"BROVIK:128700", "128700"},
        {"BroVik:128700", "128700"},
        {"128700", "128700"},
        {"brovik:128700/", "128700/"},   // not checked, not trimmed
        {"brovik: 12 ", " 12 "},
        {"brovik:", "128693"},           // nothing remains: the design text stays
        {"BROVIK:", "128693"},
        {"", "128693"},
        {"brovik:brovik:5", "5"},
        {"x brovik:5", "x 5"},           // removed wherever it stands
        {"12a", "12a"},
    };
    for (const Case& c : cases) {
        TForm1 form(QString::fromUtf8(c.argument));
        EXPECT_EQ(form.pTaloes->EditRemessa->text(), QString::fromUtf8(c.batchText)) << c.argument;
    }
}
