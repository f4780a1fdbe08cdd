#pragma once

#include "host/host.h"
#include "support/printing.h"
#include "ui/shell/desktopsession.h"

#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>

class QMenu;
class QPoint;
class QWebEnginePage;
class QWidget;

namespace tilvora::ui::test {

// A message box that was shown during a test, as the user saw it.
struct ShownMessage {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

// Answers every message box the moment it is shown (OK) and keeps what it
// said, so that a test can check the boxes and no box blocks a test.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    const QList<ShownMessage>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    QTimer m_timer;
    QList<ShownMessage> m_messages;
};

// Right-clicks `point` of `input` and gives the menu that opens (null, with
// a failure, when none opened in time).
QMenu* verseMenuAt(QWidget* input, const QPoint& point);

// Every test runs the real window on its own copy of the application folder
// that the content build made (DIC.DAT, the picker pages, the demo voice).
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program on the copy and waits for chapter 1 (or what the
    // condition names) in the reading pane and for the picker and control pages.
    void startProgram(
        const QString& readingPaneReady = QStringLiteral("document.querySelectorAll('table.sura').length === 7"));
    // Closes the window as the user does, and ends the run.
    void closeProgram();
    // Closes the window as the user does and waits until it has kept the
    // reading place and the settings.
    static void closeAndWait(MainWindow& window);
    // Resizes a window and waits until it has the size it can take.
    static void resizeAndWait(QWidget& window, QSize size);
    // The reader's own folders (settings, bookmarks) of this test.
    QString userDataFolder() const { return m_userDir.path() + QStringLiteral("/data"); }

    QString appFolder() const { return m_dir.path() + QLatin1Char('/') + m_appFolderName; }
    DesktopSession& session() { return *m_session; }
    MainWindow& window();
    QWebEnginePage* page(host::Pane pane);

    // Runs a script in the page's own world and gives its result (an invalid
    // value when it did not answer in time).
    QVariant evaluate(host::Pane pane, const QString& script, int timeoutMs = 10000);
    // Waits until the script gives true in the page.
    bool waitUntil(host::Pane pane, const QString& condition, int timeoutMs = 15000);
    // Waits until the pane's page has connected to the window.
    bool waitForBridge(host::Pane pane, int timeoutMs = 15000);
    // The label beside the search box once it shows `caption` (it follows
    // the reading pane's page when that has been painted), or as it stands
    // when it did not in time.
    QString searchLabelOnceIt(const QString& caption, int timeoutMs = 5000);

    // A point of the pane's view, in its coordinates, at the centre of the
    // element that the script (an expression) names.
    QPoint elementCentre(host::Pane pane, const QString& elementExpression);
    // The widget of the pane that receives mouse and key input.
    QWidget* inputWidget(host::Pane pane);

    // A single value read from the copy's database.
    QVariant queryValue(const QString& statement);

    // The main window's picture, saved as <build>/artifacts/<name>.png.
    QImage saveScreenshot(const QString& name);

    const QList<ShownMessage>& messages() const { return m_watcher->messages(); }

    // The name of the copy's folder, set before SetUp to try another.
    QString m_appFolderName = QStringLiteral("app");
    // Fails the test for every message box that was shown.
    void expectNoMessages() const;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_userDir;
    std::unique_ptr<MessageBoxWatcher> m_watcher;
    std::unique_ptr<DesktopSession> m_session;
};

} // namespace tilvora::ui::test
