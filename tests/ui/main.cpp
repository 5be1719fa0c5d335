// Widget tests drive real widgets, so they run inside a QApplication (offscreen).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Widget tests need no screen; test discovery at build time runs without one too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests close windows one after another; that must not quit the application.
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
