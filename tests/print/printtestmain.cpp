#include <QGuiApplication>
#include <gtest/gtest.h>

// Text is measured with Qt's fonts, which need an application; no display is used.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
