// One QApplication for the whole test run, offscreen unless the caller chose a platform.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_ui";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
        // The settings the window keeps go to a folder of this test process alone: not the
        // user's, and not those of test programs running beside it.
        QStandardPaths::setTestModeEnabled(true);
        settings_ = std::make_unique<QTemporaryDir>();
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, settings_->path());
    }
    void TearDown() override {
        application_.reset();
        settings_.reset();
    }

private:
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QTemporaryDir> settings_;
};

[[maybe_unused]] const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
