#pragma once

#include "host/host.h"
#include "ui/panes/panescripts.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <functional>

class QWebChannel;
class QWebEngineProfile;

namespace tilvora::ui {

// The object a pane's pages reach through the web channel ("tilvoraPane"):
// the compatibility script calls it with the events the window handles.
class PaneBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The page's script has connected; its events reach the window from now on.
    Q_INVOKABLE void ready();
    // A right-click in the page.
    Q_INVOKABLE void contextMenu();
    // A double-click; the id of the focused element's offset parent.
    Q_INVOKABLE void doubleClick(const QString& verseTableId);
    // A right-click in the reading page: the id of the verse table under the
    // pointer (empty outside any), the texts of its cells as shown, and the
    // text the reader has selected.
    Q_INVOKABLE void verseMenu(const QString& verseTableId, const QStringList& texts, const QString& selectedText);
    // A key on the reading page's verse cursor: "recite" (Enter), "menu"
    // (the menu key, Shift+F10) or "copy" (Ctrl+C with nothing selected);
    // the verse table's id, the texts of its cells, and for "menu" the
    // verse's corner in the page's viewport (CSS pixels).
    Q_INVOKABLE void verseKey(
        const QString& action, const QString& verseTableId, const QStringList& texts, int x, int y);

    // Whether the document now in the pane has connected.
    bool isConnected() const { return m_connected; }
    void documentReplaced() { m_connected = false; }

signals:
    void pageConnected();
    void contextMenuRequested();
    void doubleClicked(const QString& verseTableId);
    void verseMenuRequested(const QString& verseTableId, const QStringList& texts, const QString& selectedText);
    void verseKeyPressed(const QString& action, const QString& verseTableId, const QStringList& texts, QPoint at);

private:
    bool m_connected = false;
};

// Keeps the panes' pages to the program's own files: every request for a
// remote address or for a file outside the application folder that a page
// makes for itself (a picture, a style sheet, a script, a frame) is blocked.
class RemoteRequestBlocker : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    RemoteRequestBlocker(QString appFolder, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent), m_appFolder(std::move(appFolder))
    {
    }
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QString m_appFolder;
};

// The browser profile of one window: off the record (nothing is kept on disk,
// nothing is shared with another window or run), remote requests and files
// outside the application folder blocked, no file read by script.
QWebEngineProfile* createPaneProfile(const QString& appFolder, QObject* parent);

// Sets up the browser engine's environment; called before the application
// object exists. The engine refuses to run as root with its sandbox on, and
// on Linux it keeps the pages out of the accessibility tree unless asked:
// with this, a screen reader reads the panes' pages.
void prepareBrowserEngine();

// True for the addresses that open in the desktop's browser, never in a pane.
bool isRemoteAddress(const QUrl& url);
// True for the addresses a pane shows: files in the application folder and
// the empty page.
bool isOwnAddress(const QUrl& url, const QString& appFolder);

// The page of one pane. Every navigation it is about to make is offered to
// the navigation handler first, with the URL's percent-escapes decoded once
// (blanks as written); the reading pane's navigations are never offered.
// A cancelled navigation leaves the page in place. A pane loads only the
// program's own files and the empty page, and opens no windows; a remote
// address opens in the desktop's browser only from a link the reader has
// just clicked. The pane's scripts (paneScripts()) run in every document the
// page loads, the web channel in those of the panes whose events the window
// handles.
class PanePage : public QWebEnginePage {
    Q_OBJECT
public:
    // Returns true to cancel the navigation (it carried a command).
    using NavigationHandler = std::function<bool(host::Pane, const QString& url)>;

    PanePage(host::Pane pane, QWebEngineProfile* profile, const QString& appFolder, QObject* parent = nullptr);

    host::Pane pane() const { return m_pane; }
    PaneBridge* bridge() const { return m_bridge; }
    PaneScripts& paneScripts() { return m_scripts; }
    // Runs `script` in the world of the pane's scripts, in the document the
    // page shows. Before the page was asked for any document there is none:
    // the script is dropped (an answer comes, empty) rather than starting the
    // engine's renderer for an empty page. The pane's scripts, which carry
    // the same settings, run in the first document when it comes.
    void runScript(const QString& script, const std::function<void(const QVariant&)>& answer = {});
    void setNavigationHandler(NavigationHandler handler) { m_navigationHandler = std::move(handler); }

    // Loads a file path or URL. Loading the address already shown reads it
    // again, so a page file that was rewritten shows its new text.
    void navigateTo(const QString& target);

    // The URL text a navigation handler receives for `url`.
    static QString navigationText(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How long after the reader's click or key a link may open the desktop's browser.
    static constexpr qint64 kReaderInputMs = 2000;

    // The pane's modules, and the settings of its compatibility module.
    static std::vector<PaneScripts::Module> modulesOf(host::Pane pane);
    static QJsonObject compatSettings(host::Pane pane);
    bool readerActedJustNow() const;

    host::Pane m_pane;
    bool m_documentRequested = false;
    PaneBridge* m_bridge;
    QWebChannel* m_channel;
    PaneScripts m_scripts;
    NavigationHandler m_navigationHandler;
    QString m_appFolder;
    QElapsedTimer m_readerInput;
};

} // namespace tilvora::ui
