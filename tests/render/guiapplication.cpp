// The QGuiApplication the render tests need for fonts, created once before
// the first test (run with QT_QPA_PLATFORM=offscreen).
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "brisalta_tests_render";
        static char* argv[] = {name, nullptr};
        mApp = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { mApp.reset(); }

private:
    std::unique_ptr<QGuiApplication> mApp;
};

[[maybe_unused]] ::testing::Environment* const kGuiApplication =
    ::testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
