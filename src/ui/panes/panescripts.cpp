#include "ui/panes/panescripts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <map>

namespace tilvora::ui {

namespace {

const QString kScriptName = QStringLiteral("tilvora-panes");
// The world of every pane script and of the window's requests to a page: the
// page's own, where its elements' handlers and our modules meet.
constexpr quint32 kWorld = QWebEngineScript::MainWorld;

QString resourceText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The name a module's measures carry, and its file.
struct ModuleSource {
    const char* name;
    const char* file;
};

ModuleSource moduleSource(PaneScripts::Module module)
{
    using Module = PaneScripts::Module;
    switch (module) {
    case Module::Channel:
        return {"channel", ":/qtwebchannel/qwebchannel.js"};
    case Module::Layout:
        return {"layout", ":/tilvora/panes/readinglayout.js"};
    case Module::Place:
        return {"place", ":/tilvora/panes/readingplace.js"};
    case Module::Recitation:
        return {"recitation", ":/tilvora/panes/recitemark.js"};
    case Module::Compat:
        return {"compat", ":/tilvora/panes/panecompat.js"};
    case Module::Names:
        return {"names", ":/tilvora/panes/panenames.js"};
    case Module::Texts:
        return {"texts", ":/tilvora/panes/panetexts.js"};
    case Module::Cursor:
        return {"cursor", ":/tilvora/panes/versecursor.js"};
    case Module::Comfort:
        return {"comfort", ":/tilvora/panes/readingcomfort.js"};
    case Module::Hiding:
        return {"hiding", ":/tilvora/panes/hidetext.js"};
    }
    return {"", ""};
}

QString moduleText(PaneScripts::Module module)
{
    static std::map<PaneScripts::Module, QString> texts;
    auto found = texts.find(module);
    if (found == texts.end()) {
        QString text = resourceText(QString::fromLatin1(moduleSource(module).file));
        // The channel's library defines its class for the page's scripts.
        if (module == PaneScripts::Module::Channel)
            text += QStringLiteral("\nwindow.QWebChannel = QWebChannel;");
        found = texts.emplace(module, text).first;
    }
    return found->second;
}

bool needsNoSettings(PaneScripts::Module module)
{
    return module == PaneScripts::Module::Channel || module == PaneScripts::Module::Layout
        || module == PaneScripts::Module::Recitation || module == PaneScripts::Module::Hiding;
}

QString jsonText(const QJsonValue& value)
{
    // A value wrapped in an array, which QJsonDocument writes, unwrapped.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

} // namespace

PaneScripts::PaneScripts(QWebEnginePage* page, const std::vector<Module>& modules) : m_page(page)
{
    for (const Module module : modules)
        m_entries.push_back({module, needsNoSettings(module) ? QJsonValue(QJsonValue::Null) : QJsonValue()});
    install();
}

void PaneScripts::configure(Module module, const QJsonValue& config)
{
    // The same settings again leave the scripts as they are: installing them
    // anew costs the engine a copy of every script for each of its renderers.
    bool changed = false;
    for (Entry& entry : m_entries) {
        if (entry.module == module && entry.config != config) {
            entry.config = config;
            changed = true;
        }
    }
    if (changed)
        install();
}

QString PaneScripts::bundle() const
{
    static const QString loader = resourceText(QStringLiteral(":/tilvora/panes/paneloader.js"));
    QString modules;
    for (const Entry& entry : m_entries) {
        if (entry.config.isUndefined())
            continue;
        modules += QStringLiteral("{name: '%1', config: %2, run: function (config, pane) {\n%3\n}},\n")
                       .arg(QLatin1String(moduleSource(entry.module).name), jsonText(entry.config),
                           moduleText(entry.module));
    }
    return QStringLiteral("(function (modules) {\n%1\n})([\n%2]);\n").arg(loader, modules);
}

void PaneScripts::install()
{
    QWebEngineScriptCollection& scripts = m_page->scripts();
    for (const QWebEngineScript& old : scripts.find(kScriptName))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setSourceCode(bundle());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(kWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
}

void PaneScripts::run(QWebEnginePage* page, const QString& script, const std::function<void(const QVariant&)>& answer)
{
    if (answer)
        page->runJavaScript(script, kWorld, answer);
    else
        page->runJavaScript(script, kWorld);
}

} // namespace tilvora::ui
