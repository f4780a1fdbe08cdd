#include "ui/reading/versemenu.h"

#include <QCoreApplication>
#include <QMenu>
#include <QRegularExpression>

namespace tilvora::ui {

void VerseMenu::add(Action action)
{
    m_actions.append(std::move(action));
}

QMenu* VerseMenu::create(const VerseUnderPointer& clicked, QWidget* parent) const
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("VerseMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Action& action : m_actions) {
        const bool offered = action.available ? action.available(clicked) : clicked.ayahRef > 0;
        if (!offered)
            continue;
        // The text in the reader's language as the menu opens.
        QAction* item = menu->addAction(QCoreApplication::translate("VerseMenu", action.text.toUtf8().constData()));
        item->setObjectName(action.name);
        const auto trigger = action.trigger;
        QObject::connect(item, &QAction::triggered, menu, [trigger, clicked] {
            if (trigger)
                trigger(clicked);
        });
    }
    if (menu->actions().isEmpty()) {
        delete menu;
        return nullptr;
    }
    return menu;
}

QString VerseMenu::verseText(const VerseUnderPointer& clicked)
{
    QStringList lines = clicked.texts;
    lines.append(QLatin1Char('(') + clicked.name.citation() + QLatin1Char(')'));
    return lines.join(QLatin1Char('\n'));
}

QString VerseMenu::referenceText(const VerseUnderPointer& clicked)
{
    return clicked.name.citation();
}

QStringList VerseMenu::shownTexts(const QStringList& cellTexts)
{
    static const QRegularExpression label(QStringLiteral("\\s*\\{\\d+:\\d+\\}\\s*$"));
    QStringList texts;
    for (const QString& cell : cellTexts) {
        QString text = cell;
        text.remove(label);
        text = text.trimmed();
        if (!text.isEmpty())
            texts.append(text);
    }
    return texts;
}

} // namespace tilvora::ui
