#include "ui/shell/desktopsession.h"

#include "store/storestartup.h"
#include "ui/dialogs/logictext.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/reading/readingcomfort.h"
#include "ui/recitation/gstaudioplayer.h"
#include "ui/shell/choicememory.h"
#include "ui/shell/interfacelanguage.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/usersettings.h"

#include <QMessageBox>

namespace tilvora::ui {

namespace {

void reportStartupFailure(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, DesktopSession::startupFailureTitle(),
        //: %1 is the reason, in a paragraph of its own.
        DesktopSession::tr("Tilvora cannot start.\n\n%1").arg(LogicText::translated(message)), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

DesktopSession::DesktopSession() = default;

DesktopSession::~DesktopSession()
{
    // The window and its logic go before the state they use.
    m_window.reset();
}

QString DesktopSession::startupFailureTitle()
{
    return tr("Tilvora");
}

std::unique_ptr<DesktopSession> DesktopSession::start(const QString& appFolder)
{
    // The player's sound system starts beside the window's construction.
    GstAudioPlayer::prepareInBackground();
    // A damaged settings file is mended before anything reads it.
    const SettingsRepair settingsRepair = repairUserSettings();
    // The windows speak the reader's language from the first message on.
    InterfaceLanguage::instance().setFolders({appFolder + QStringLiteral("/translations"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations")});
    InterfaceLanguage::instance().applyStoredChoice();
    std::unique_ptr<DesktopSession> session(new DesktopSession);
    // The splash is painted at once: the window's load keeps the program
    // busy until the window shows, and the splash closes at the load's end.
    // Meanwhile the content file is checked on a thread of its own; nothing
    // reads the file before its check has found it sound.
    store::ContentCheck check(appFolder);
    SplashWindow splash;
    splash.showNow();
    try {
        store::startStore(session->m_state, check);
    } catch (const store::StartupError& failure) {
        splash.close();
        reportStartupFailure(failure.message());
        return nullptr;
    }
    session->m_window = std::make_unique<MainWindow>(session->m_state);
    try {
        session->m_window->load();
        splash.close();
    } catch (const store::StartupError& failure) {
        splash.close();
        session->m_window.reset();
        reportStartupFailure(failure.message());
        return nullptr;
    } catch (const std::exception& failure) {
        splash.close();
        session->m_window.reset();
        reportStartupFailure(QString::fromLocal8Bit(failure.what()));
        return nullptr;
    }
    session->m_window->restoreWindowPlace();
    session->m_window->show();
    if (settingsRepair.outcome != SettingsRepair::Outcome::Sound) {
        QMessageBox box(QMessageBox::Warning, startupFailureTitle(), settingsRepair.text(), QMessageBox::Ok,
            session->m_window.get());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    // The reader's own texts and voice, chosen again.
    session->m_window->choiceMemory().restore();
    // Then the place where reading stopped last time.
    session->m_window->comfort().restoreLastPlace();
    return session;
}

} // namespace tilvora::ui
