#include "ui/shell/languagemenu.h"

#include "ui/shell/interfacelanguage.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace tilvora::ui {

LanguageMenu::LanguageMenu(QMenu* viewMenu) : QObject(viewMenu)
{
    viewMenu->addSeparator();
    m_menu = viewMenu->addMenu(QString());
    m_menu->setObjectName(QStringLiteral("MnuLanguage"));
    m_group = new QActionGroup(m_menu);
    QAction* system = m_menu->addAction(QString());
    system->setObjectName(QStringLiteral("MnuLanguage_system"));
    system->setData(QString());
    m_menu->addSeparator();
    for (const InterfaceLanguage::Language& language : InterfaceLanguage::shipped()) {
        QAction* action = m_menu->addAction(language.nativeName);
        action->setObjectName(QStringLiteral("MnuLanguage_") + language.code);
        action->setData(language.code);
    }
    for (QAction* action : m_menu->actions()) {
        if (action->isSeparator())
            continue;
        action->setCheckable(true);
        m_group->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { choose(action->data().toString()); });
    }
    connect(&InterfaceLanguage::instance(), &InterfaceLanguage::changed, this, &LanguageMenu::showChoice);
    retranslate();
    showChoice();
}

void LanguageMenu::retranslate()
{
    //: The View menu's submenu that sets the language of the program's windows.
    m_menu->setTitle(tr("&Language"));
    //: The language of the system (the default), as opposed to one chosen here.
    m_menu->actions().constFirst()->setText(tr("System Default"));
}

void LanguageMenu::choose(const QString& code)
{
    InterfaceLanguage::storeChoice(code);
    InterfaceLanguage::instance().apply(code);
}

void LanguageMenu::showChoice()
{
    const QString chosen = InterfaceLanguage::instance().choice();
    for (QAction* action : m_group->actions())
        action->setChecked(action->data().toString() == chosen);
}

} // namespace tilvora::ui
