#include "ui/reading/readingplace.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace tilvora::ui {

namespace {

const QString kScriptName = QStringLiteral("tilvora-reading-place");

QString scriptSource(const host::ReadingPageView& view)
{
    static const QString text = [] {
        QFile file(QStringLiteral(":/tilvora/panes/readingplace.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    QJsonObject config;
    config.insert(QStringLiteral("keepTopVerse"), view.keepTopVerse);
    config.insert(QStringLiteral("emptyPageText"), view.emptyPageText);
    return QStringLiteral("(function (config) {\n%1\n})(%2);")
        .arg(text, QString::fromUtf8(QJsonDocument(config).toJson(QJsonDocument::Compact)));
}

} // namespace

ReadingPlace::ReadingPlace(QWebEnginePage* readingPane) : m_page(readingPane)
{
    prepare({});
}

void ReadingPlace::prepare(const host::ReadingPageView& view)
{
    QWebEngineScriptCollection& scripts = m_page->scripts();
    for (const QWebEngineScript& old : scripts.find(kScriptName))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setSourceCode(scriptSource(view));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
}

} // namespace tilvora::ui
