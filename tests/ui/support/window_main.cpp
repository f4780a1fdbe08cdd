// The window tests need one application object for the whole run, set up as
// the program sets itself up: the browser engine prepared as the program
// prepares it (its sandbox, the pages' accessibility), and the offscreen platform unless another is named, so no
// display is ever needed.
#include "ui/panes/browserpane.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tilvora::ui::prepareBrowserEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Under AddressSanitizer the browser engine's own teardown frees with a
// mismatched delete, inside its library with no frame of ours; that one
// check is off for the window tests, every other program keeps it.
#if defined(__SANITIZE_ADDRESS__)
#define TILVORA_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TILVORA_ADDRESS_SANITIZER
#endif
#endif
#ifdef TILVORA_ADDRESS_SANITIZER
extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif
