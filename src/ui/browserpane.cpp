#include "browserpane.h"

#include <QDesktopServices>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

namespace tilvora::ui {

using host::Pane;

namespace {

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

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

// A page that only exists to catch the first navigation of a window a page
// asked to open (a link with a target, window.open) and hand it to the pane
// that asked.
class NewWindowCatcher : public QWebEnginePage {
public:
    NewWindowCatcher(QWebEngineProfile* profile, std::function<void(const QUrl&)> onNavigation, QObject* parent)
        : QWebEnginePage(profile, parent), m_onNavigation(std::move(onNavigation))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        if (m_onNavigation) {
            auto onNavigation = std::move(m_onNavigation);
            m_onNavigation = nullptr;
            onNavigation(url);
        }
        deleteLater();
        return false;
    }

private:
    std::function<void(const QUrl&)> m_onNavigation;
};

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

bool isRemoteAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp")
        || scheme == QLatin1String("ws") || scheme == QLatin1String("wss");
}

void RemoteRequestBlocker::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (isRemoteAddress(info.requestUrl()))
        info.block(true);
}

QWebEngineProfile* createPaneProfile(QObject* parent)
{
    // A profile without a storage name is off the record.
    auto* profile = new QWebEngineProfile(parent);
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile->setUrlRequestInterceptor(new RemoteRequestBlocker(profile));
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    return profile;
}

PanePage::PanePage(Pane pane, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), m_pane(pane), m_bridge(new PaneBridge(this)), m_channel(new QWebChannel(this))
{
    m_channel->registerObject(QStringLiteral("tilvoraPane"), m_bridge);
    setWebChannel(m_channel, QWebEngineScript::MainWorld);
    installScripts();
    connect(this, &QWebEnginePage::loadStarted, m_bridge, &PaneBridge::documentReplaced);
}

void PanePage::installScripts()
{
    const DocumentBinding binding = documentBinding(m_pane);
    const bool useChannel = binding.contextMenu || binding.doubleClick;

    if (useChannel) {
        QWebEngineScript channelScript;
        channelScript.setName(QStringLiteral("tilvora-qwebchannel"));
        channelScript.setSourceCode(resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")));
        channelScript.setInjectionPoint(QWebEngineScript::DocumentCreation);
        channelScript.setWorldId(QWebEngineScript::MainWorld);
        channelScript.setRunsOnSubFrames(false);
        scripts().insert(channelScript);
    }

    if (m_pane == Pane::WebMain) {
        QWebEngineScript layoutScript;
        layoutScript.setName(QStringLiteral("tilvora-reading-layout"));
        layoutScript.setSourceCode(resourceText(QStringLiteral(":/tilvora/panes/readinglayout.js")));
        layoutScript.setInjectionPoint(QWebEngineScript::DocumentCreation);
        layoutScript.setWorldId(QWebEngineScript::MainWorld);
        layoutScript.setRunsOnSubFrames(false);
        scripts().insert(layoutScript);
    }

    QJsonObject config;
    config.insert(QStringLiteral("reportContextMenu"), binding.contextMenu);
    config.insert(QStringLiteral("reportDoubleClick"), binding.doubleClick);
    config.insert(QStringLiteral("verseMenu"), binding.verseMenu);
    config.insert(QStringLiteral("useChannel"), useChannel);
    const QString source = QStringLiteral("(function (config) {\n%1\n})(%2);")
                               .arg(resourceText(QStringLiteral(":/tilvora/panes/panecompat.js")),
                                    QString::fromUtf8(QJsonDocument(config).toJson(QJsonDocument::Compact)));
    QWebEngineScript compatScript;
    compatScript.setName(QStringLiteral("tilvora-compat"));
    compatScript.setSourceCode(source);
    compatScript.setInjectionPoint(QWebEngineScript::DocumentReady);
    compatScript.setWorldId(QWebEngineScript::MainWorld);
    compatScript.setRunsOnSubFrames(false);
    scripts().insert(compatScript);
}

QString PanePage::navigationText(const QUrl& url)
{
    return QUrl::fromPercentEncoding(url.toEncoded());
}

void PanePage::navigateTo(const QString& target)
{
    // A plain path (the program's page files) or an address with a scheme.
    const QUrl asUrl(target);
    const bool hasScheme = asUrl.isValid() && asUrl.scheme().size() > 1 && !target.startsWith(QLatin1Char('/'));
    load(hasScheme ? asUrl : QUrl::fromLocalFile(target));
}

bool PanePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // Frames inside a pane are handled like the pane itself.
    if (m_pane != Pane::WebMain && m_navigationHandler && m_navigationHandler(m_pane, navigationText(url)))
        return false;
    if (isRemoteAddress(url)) {
        // The page going to a remote address, or a link followed in one of
        // its frames, opens in the desktop's browser; a frame that only asks
        // for a remote source gets nothing.
        if (isMainFrame || type == NavigationTypeLinkClicked)
            QDesktopServices::openUrl(url);
        return false;
    }
    return true;
}

QWebEnginePage* PanePage::createWindow(WebWindowType type)
{
    Q_UNUSED(type);
    // A page never opens windows of its own: the address goes through this
    // pane's own handling and, unless it is a command or remote, loads here.
    return new NewWindowCatcher(profile(), [this](const QUrl& url) {
        if (acceptNavigationRequest(url, NavigationTypeLinkClicked, true))
            load(url);
    }, this);
}

} // namespace tilvora::ui
