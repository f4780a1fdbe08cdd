#pragma once

#include "mushaf/revealmodel.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QWebEnginePage;

namespace tilvora::ui {

// "Hide the text" in the verse table: the Quran text's words, from the verse
// at the top of the pane on, are hidden in their place and come back in
// reading order as the reveal model says (a word, the rest of a cell or a
// verse, everything). The page stays as written: a script of the pane's own
// (hidetext.js) wraps the words and hides them by style. A new page shown
// while hiding is hidden from its top verse.
class TextHider : public QObject {
    Q_OBJECT
public:
    // `arabicClasses` gives the class names of the cells that hold the Quran
    // text on the page being shown (CSS0 and the like).
    TextHider(QWebEnginePage* readingPane, std::function<QStringList()> arabicClasses, QObject* parent = nullptr);

    bool isHiding() const { return m_hiding; }
    void setHiding(bool hiding);
    mushaf::RevealModel& reveal() { return m_reveal; }
    // Shows what the reveal model says, after it was changed.
    void applyReveal();

signals:
    // The words are wrapped and hidden (how many).
    void started(int words);

private:
    void start();
    void run(const QString& call, const std::function<void(const QVariant&)>& answer = {});

    QWebEnginePage* m_page;
    std::function<QStringList()> m_arabicClasses;
    bool m_hiding = false;
    mushaf::RevealModel m_reveal;
};

} // namespace tilvora::ui
