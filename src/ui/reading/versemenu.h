#pragma once

#include "store/versename.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

namespace tilvora::ui {

// What the reader right-clicked in the reading pane.
struct VerseUnderPointer {
    // The verse (its AyahRef), 0 outside any verse.
    qint32 ayahRef = 0;
    // The verse's name (chapter and "S:A"); empty outside any verse.
    store::VerseName name;
    // The verse's texts as the page shows them, in order, without the verse
    // label that ends the first one.
    QStringList texts;
    // The text the reader has selected in the pane (empty when none).
    QString selectedText;
};

// The reading pane's context menu, made afresh from a list of actions each
// time the reader right-clicks. The window adds the copying actions; any
// other part of the window adds its own with add(), in the order they are
// to appear.
class VerseMenu {
public:
    struct Action {
        // The menu item's object name and its text (with an access key), in
        // English: the menu shows its translation in the "VerseMenu" context,
        // so mark it with QT_TRANSLATE_NOOP("VerseMenu", ...).
        QString name;
        QString text;
        // Whether the item is offered for what was clicked; every verse when
        // not set (and never outside a verse).
        std::function<bool(const VerseUnderPointer&)> available;
        std::function<void(const VerseUnderPointer&)> trigger;
    };

    void add(Action action);
    const QList<Action>& actions() const { return m_actions; }

    // A menu of the actions offered for `clicked`, deleted once closed; null
    // when none is offered.
    QMenu* create(const VerseUnderPointer& clicked, QWidget* parent) const;

    // The texts of "Copy verse": each text on its own line, then the
    // reference as "(Chapter S:A)".
    static QString verseText(const VerseUnderPointer& clicked);
    // The text of "Copy reference": "Chapter S:A".
    static QString referenceText(const VerseUnderPointer& clicked);
    // The texts a page shows for a verse, without the " {S:A}" label.
    static QStringList shownTexts(const QStringList& cellTexts);

private:
    QList<Action> m_actions;
};

} // namespace tilvora::ui
