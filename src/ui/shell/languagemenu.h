#pragma once

#include <QObject>

class QActionGroup;
class QMenu;

namespace tilvora::ui {

// View > Language: "System Default" or one of the shipped languages, each by
// its own name. A choice applies at once (every window puts its texts in the
// language) and is kept for the next start.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    explicit LanguageMenu(QMenu* viewMenu);

    // The menu's own texts in the language now applied.
    void retranslate();

private:
    void choose(const QString& code);
    void showChoice();

    QMenu* m_menu = nullptr;
    QActionGroup* m_group = nullptr;
};

} // namespace tilvora::ui
