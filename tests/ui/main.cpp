// Widget tests drive real widgets, so they run inside a QApplication (offscreen).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Tests close windows one after another; that must not quit the application.
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
