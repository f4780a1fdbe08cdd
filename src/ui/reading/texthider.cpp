#include "ui/reading/texthider.h"

#include "ui/panes/panescripts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVariant>
#include <QWebEnginePage>

namespace tilvora::ui {

TextHider::TextHider(QWebEnginePage* readingPane, std::function<QStringList()> arabicClasses, QObject* parent)
    : QObject(parent), m_page(readingPane), m_arabicClasses(std::move(arabicClasses))
{
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok && m_hiding)
            start();
    });
}

void TextHider::setHiding(bool hiding)
{
    if (hiding == m_hiding)
        return;
    m_hiding = hiding;
    if (hiding)
        start();
    else
        applyReveal();
}

void TextHider::start()
{
    m_reveal.reset({});
    const QString classes = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(m_arabicClasses())).toJson(QJsonDocument::Compact));
    run(QStringLiteral("window.tilvoraHiding && tilvoraHiding.start(%1)").arg(classes), [this](const QVariant& answer) {
        // Each cell is a line of its own.
        std::vector<mushaf::RevealModel::Unit> words;
        int line = 0;
        for (const QVariant& cell : answer.toList()) {
            const QVariantList pair = cell.toList();
            const auto verse = static_cast<qint32>(pair.value(0).toInt());
            for (int count = pair.value(1).toInt(); count > 0; --count)
                words.push_back({line, verse});
            ++line;
        }
        m_reveal.reset(std::move(words));
        applyReveal();
        emit started(m_reveal.wordCount());
    });
}

void TextHider::applyReveal()
{
    run(QStringLiteral("window.tilvoraHiding && tilvoraHiding.reveal(%1, %2)")
            .arg(m_hiding ? QStringLiteral("true") : QStringLiteral("false"))
            .arg(m_reveal.revealedCount()));
}

void TextHider::run(const QString& call, const std::function<void(const QVariant&)>& answer)
{
    // The reading pane's documents carry the script (hidetext.js).
    PaneScripts::run(m_page, call, answer);
}

} // namespace tilvora::ui
