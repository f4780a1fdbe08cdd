#pragma once

#include "host/host.h"

#include <QObject>
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

    // Whether the document now in the pane has connected.
    bool isConnected() const { return m_connected; }
    void documentReplaced() { m_connected = false; }

signals:
    void pageConnected();
    void contextMenuRequested();
    void doubleClicked(const QString& verseTableId);
    void verseMenuRequested(const QString& verseTableId, const QStringList& texts, const QString& selectedText);

private:
    bool m_connected = false;
};

// Keeps the panes' local pages away from the network: every request for a
// remote address that a page makes for itself (a picture, a style sheet, a
// script, a frame) is blocked. Navigations to remote addresses never get
// here: the pane hands them to the desktop's browser first.
class RemoteRequestBlocker : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// The browser profile of one window: off the record (nothing is kept on disk,
// nothing is shared with another window or run), remote requests blocked.
QWebEngineProfile* createPaneProfile(QObject* parent);

// True for the addresses that open in the desktop's browser, never in a pane.
bool isRemoteAddress(const QUrl& url);

// The page of one pane. Every navigation it is about to make is offered to
// the navigation handler first, with the URL's percent-escapes decoded once
// (blanks as written); the reading pane's navigations are never offered.
// A cancelled navigation leaves the page in place. Remote addresses open in
// the desktop's browser. The compatibility script and the web channel are
// installed in every document the page loads.
class PanePage : public QWebEnginePage {
    Q_OBJECT
public:
    // Returns true to cancel the navigation (it carried a command).
    using NavigationHandler = std::function<bool(host::Pane, const QString& url)>;

    PanePage(host::Pane pane, QWebEngineProfile* profile, QObject* parent = nullptr);

    host::Pane pane() const { return m_pane; }
    PaneBridge* bridge() const { return m_bridge; }
    void setNavigationHandler(NavigationHandler handler) { m_navigationHandler = std::move(handler); }

    // Loads a file path or URL. Loading the address already shown reads it
    // again, so a page file that was rewritten shows its new text.
    void navigateTo(const QString& target);

    // The URL text a navigation handler receives for `url`.
    static QString navigationText(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    void installScripts();

    host::Pane m_pane;
    PaneBridge* m_bridge;
    QWebChannel* m_channel;
    NavigationHandler m_navigationHandler;
};

} // namespace tilvora::ui
