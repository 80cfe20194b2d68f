#include "ReportFixtures.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace brovik::reports::test {

std::vector<QString> textsOf(const Page& page) {
    std::vector<QString> out;
    for (const TextRun* run : runsOf<TextRun>(page)) out.push_back(run->text);
    return out;
}

namespace {

// Fonts and images need a GUI application; one for the whole test run.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "brovik_reports_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) app_ = new QGuiApplication(argc, argv);
    }

private:
    QGuiApplication* app_ = nullptr;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
}  // namespace brovik::reports::test
