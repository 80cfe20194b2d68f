// Fonts and text measurement need a QGuiApplication; one lives for the whole test run.
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[24] = "brovik_barcode_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
