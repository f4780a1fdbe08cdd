// The widget tests need one QApplication for the whole run, made before any
// test. They run on the offscreen platform unless QT_QPA_PLATFORM names
// another, also when CTest lists them, so no display is ever needed.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
