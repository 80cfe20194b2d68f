#include "app/LaunchArgument.h"
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

TEST(LaunchArgument, CommandLineOptions) {
    struct Case { QStringList arguments; const char* launchArgument; const char* configPath; };
    const Case cases[] = {
        {{}, "", ""},
        {{"brovik:7"}, "brovik:7", ""},
        {{"--config", "/etc/a.ini", "brovik:7"}, "brovik:7", "/etc/a.ini"},
        {{"brovik:7", "--config", "/etc/a.ini"}, "brovik:7", "/etc/a.ini"},
        {{"--config=/etc/a.ini", "8", "9"}, "8", "/etc/a.ini"},
        {{"5", "--config"}, "5", ""},
    };
    for (const Case& c : cases) {
        const LaunchOptions o = LaunchOptions::parse(c.arguments);
        EXPECT_EQ(o.launchArgument, QString::fromUtf8(c.launchArgument)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(o.configPath, QString::fromUtf8(c.configPath)) << c.arguments.join(' ').toStdString();
    }
}
