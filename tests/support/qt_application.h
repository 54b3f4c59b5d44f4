#pragma once

#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace kolven::test {

// The test program's one application, made on first use and ended once the
// tests are over but before the program's static objects are: Qt frees its
// font cache only while the application still exists.
inline void useApplication()
{
    static const bool made = [] {
        static int argc = 1;
        static char name[] = "kolven_platform_qt_tests";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        struct Ending final : ::testing::Environment {
            QApplication* app;
            explicit Ending(QApplication* made) : app(made) {}
            void TearDown() override { delete app; }
        };
        ::testing::AddGlobalTestEnvironment(new Ending(new QApplication(argc, argv)));
        return true;
    }();
    (void)made;
}

}  // namespace kolven::test
