#pragma once

#include "store/sharedstate.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

namespace tilvora::ui {

class MainWindow;

// One run of the desktop program: the shared state and the main window.
class DesktopSession {
    Q_DECLARE_TR_FUNCTIONS(DesktopSession)

public:
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Start-up in `appFolder`: the store steps (DIC.DAT opened, the
    // selections restored), the splash, the main window and its load, the
    // splash closed and the window shown. A failure is reported in a message
    // box and gives nothing; the caller then ends the program.
    static std::unique_ptr<DesktopSession> start(const QString& appFolder);

    // The title of the start-up failure's message box.
    static QString startupFailureTitle();

    store::SharedState& state() { return m_state; }
    MainWindow& window() { return *m_window; }

private:
    DesktopSession();

    store::SharedState m_state;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace tilvora::ui
