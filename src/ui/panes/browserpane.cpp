#include "ui/panes/browserpane.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTimer>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineView>

#include <unistd.h>

namespace tilvora::ui {

using host::Pane;

namespace {

// Which document events of a pane the window handles: the right-click of the
// three picker pages (their selectors are reset), and the double-click (the
// verse is recited) and the right-click (the verse menu) of the reading page.
struct DocumentBinding {
    bool contextMenu = false;
    bool doubleClick = false;
    bool verseMenu = false;
};

DocumentBinding documentBinding(Pane pane)
{
    switch (pane) {
    case Pane::WebWord:
    case Pane::WebSubject:
    case Pane::WebSurah:
        return {true, false};
    case Pane::WebMain:
        return {false, true, true};
    case Pane::WebSearch:
    case Pane::WebControl:
        break;
    }
    return {};
}

} // namespace

void PaneBridge::ready()
{
    m_connected = true;
    emit pageConnected();
}

void PaneBridge::contextMenu()
{
    emit contextMenuRequested();
}

void PaneBridge::doubleClick(const QString& verseTableId)
{
    emit doubleClicked(verseTableId);
}

void PaneBridge::verseMenu(const QString& verseTableId, const QStringList& texts, const QString& selectedText)
{
    emit verseMenuRequested(verseTableId, texts, selectedText);
}

void PaneBridge::verseKey(const QString& action, const QString& verseTableId, const QStringList& texts, int x, int y)
{
    emit verseKeyPressed(action, verseTableId, texts, QPoint(x, y));
}

void prepareBrowserEngine()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Read by the engine once, as it starts. It builds the pages' tree only
    // while an assistive technology is listening.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
}

bool isRemoteAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp")
        || scheme == QLatin1String("ws") || scheme == QLatin1String("wss");
}

namespace {

bool isInFolder(const QUrl& url, const QString& folder)
{
    if (!url.isLocalFile() || folder.isEmpty())
        return false;
    const QString path = QDir::cleanPath(url.toLocalFile());
    const QString root = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(root);
}

} // namespace

bool isOwnAddress(const QUrl& url, const QString& appFolder)
{
    return url == QUrl(QStringLiteral("about:blank")) || isInFolder(url, appFolder);
}

void RemoteRequestBlocker::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl url = info.requestUrl();
    // Files outside the application folder (and other local schemes) are
    // blocked too: a page reads only the program's own files.
    if (isRemoteAddress(url) || (url.isLocalFile() && !isInFolder(url, m_appFolder)))
        info.block(true);
}

QWebEngineProfile* createPaneProfile(const QString& appFolder, QObject* parent)
{
    // A profile without a storage name is off the record.
    auto* profile = new QWebEngineProfile(parent);
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setUrlRequestInterceptor(new RemoteRequestBlocker(appFolder, profile));
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // No shipped or generated page reads another file by script; a page
    // cannot read files through fetch or XMLHttpRequest either.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    return profile;
}

PanePage::PanePage(Pane pane, QWebEngineProfile* profile, const QString& appFolder, QObject* parent)
    : QWebEnginePage(profile, parent),
      m_pane(pane),
      m_bridge(new PaneBridge(this)),
      m_channel(new QWebChannel(this)),
      m_scripts(this, modulesOf(pane)),
      m_appFolder(appFolder)
{
    m_channel->registerObject(QStringLiteral("tilvoraPane"), m_bridge);
    // The web channel only where the window handles the page's events.
    const DocumentBinding binding = documentBinding(pane);
    if (binding.contextMenu || binding.doubleClick || binding.verseMenu)
        setWebChannel(m_channel, QWebEngineScript::MainWorld);
    m_scripts.configure(PaneScripts::Module::Compat, compatSettings(pane));
    // The reader's own clicks and keys in this pane, which let a link open
    // in the desktop's browser.
    qApp->installEventFilter(this);
    connect(this, &QWebEnginePage::loadStarted, m_bridge, &PaneBridge::documentReplaced);
    connect(this, &QWebEnginePage::loadStarted, this, [this] { m_documentRequested = true; });
}

std::vector<PaneScripts::Module> PanePage::modulesOf(Pane pane)
{
    using Module = PaneScripts::Module;
    switch (pane) {
    case Pane::WebMain:
        return {Module::Channel, Module::Layout, Module::Place, Module::Recitation, Module::Compat, Module::Cursor,
            Module::Comfort, Module::Hiding};
    case Pane::WebWord:
    case Pane::WebSubject:
    case Pane::WebSurah:
        return {Module::Channel, Module::Compat, Module::Texts, Module::Comfort};
    case Pane::WebControl:
        return {Module::Compat, Module::Names, Module::Comfort};
    case Pane::WebSearch:
        break;
    }
    return {Module::Compat, Module::Texts, Module::Comfort};
}

QJsonObject PanePage::compatSettings(Pane pane)
{
    const DocumentBinding binding = documentBinding(pane);
    return {{QStringLiteral("reportContextMenu"), binding.contextMenu},
        {QStringLiteral("reportDoubleClick"), binding.doubleClick}, {QStringLiteral("verseMenu"), binding.verseMenu},
        {QStringLiteral("useChannel"), binding.contextMenu || binding.doubleClick}};
}

QString PanePage::navigationText(const QUrl& url)
{
    return QUrl::fromPercentEncoding(url.toEncoded());
}

void PanePage::runScript(const QString& script, const std::function<void(const QVariant&)>& answer)
{
    if (m_documentRequested) {
        PaneScripts::run(this, script, answer);
        return;
    }
    if (answer)
        QTimer::singleShot(0, this, [answer] { answer(QVariant()); });
}

void PanePage::navigateTo(const QString& target)
{
    m_documentRequested = true;
    // A plain path (the program's page files) or an address with a scheme.
    const QUrl asUrl(target);
    const bool hasScheme = asUrl.isValid() && asUrl.scheme().size() > 1 && !target.startsWith(QLatin1Char('/'));
    load(hasScheme ? asUrl : QUrl::fromLocalFile(target));
}

bool PanePage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        QWebEngineView* view = QWebEngineView::forPage(this);
        if (widget && view && (widget == view || view->isAncestorOf(widget)))
            m_readerInput.start();
    }
    return QWebEnginePage::eventFilter(watched, event);
}

bool PanePage::readerActedJustNow() const
{
    return m_readerInput.isValid() && m_readerInput.elapsed() < kReaderInputMs;
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // Frames inside a pane are handled like the pane itself.
    if (m_pane != Pane::WebMain && m_navigationHandler && m_navigationHandler(m_pane, navigationText(url)))
        return false;
    if (isRemoteAddress(url)) {
        // A link the reader clicked opens in the desktop's browser; a script,
        // a load or a frame that goes to a remote address gets nothing.
        if (type == NavigationTypeLinkClicked && readerActedJustNow())
            QDesktopServices::openUrl(url);
        return false;
    }
    Q_UNUSED(isMainFrame);
    // A pane shows only the program's own files and the empty page.
    return isOwnAddress(url, m_appFolder);
}

QWebEnginePage* PanePage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    // A page opens no windows of its own.
    return nullptr;
}

} // namespace tilvora::ui
