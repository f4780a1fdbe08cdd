// The desktop program: Tilvora's main window with its browser panes.

#include "store/userfolder.h"
#include "ui/dialogs/logictext.h"
#include "ui/panes/browserpane.h"
#include "ui/shell/desktopsession.h"
#include "ui/shell/interfacelanguage.h"
#include "ui/shell/menushortcutstyle.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    tilvora::ui::prepareBrowserEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tilvora"));
    QCoreApplication::setApplicationVersion(tilvora::shownVersion());
    // The installed desktop entry, which gives the windows their icon and
    // name in the desktop's task list.
    QGuiApplication::setDesktopFileName(QStringLiteral("tilvora"));
    // Menu shortcuts that read as typed in right-to-left menus too.
    QApplication::setStyle(new tilvora::ui::MenuShortcutStyle);

    // The application folder is the program's own folder, or for an
    // installed program the reader's own folder.
    // The messages before the window are in the system's language; the
    // session applies the reader's own choice once the settings are sound.
    tilvora::ui::InterfaceLanguage::instance().apply(QString());
    QString problem;
    const QString appFolder = tilvora::store::applicationFolderFor(QCoreApplication::applicationDirPath(), &problem);
    if (!problem.isEmpty()) {
        problem = tilvora::ui::LogicText::translated(problem);
        QMessageBox box(appFolder.isEmpty() ? QMessageBox::Critical : QMessageBox::Warning,
            tilvora::ui::DesktopSession::startupFailureTitle(),
            appFolder.isEmpty() ? tilvora::ui::DesktopSession::tr("Tilvora cannot start.\n\n%1").arg(problem) : problem,
            QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    if (appFolder.isEmpty())
        return 1;
    auto session = tilvora::ui::DesktopSession::start(appFolder);
    if (!session)
        return 1;
    return QApplication::exec();
}
