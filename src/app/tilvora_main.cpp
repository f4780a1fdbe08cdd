// The desktop program: Tilvora's main window with its browser panes.

#include "ui/desktopsession.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <unistd.h>

int main(int argc, char* argv[])
{
    // The browser engine refuses to run as root with its sandbox on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tilvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.08.09A"));
    // The installed desktop entry, which gives the windows their icon and
    // name in the desktop's task list.
    QGuiApplication::setDesktopFileName(QStringLiteral("tilvora"));

    // The application folder is the program's own folder.
    auto session = tilvora::ui::DesktopSession::start(QCoreApplication::applicationDirPath());
    if (!session)
        return 1;
    return QApplication::exec();
}
