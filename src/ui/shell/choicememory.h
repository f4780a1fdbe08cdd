#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QSettings;

namespace tilvora::store {
struct SharedState;
}

namespace tilvora::ui {

class MainWindow;

// The reader's texts (the rows of the control pane) and voice, kept in the
// settings file between runs. The program starts with its own choices, as
// the text host does; after start the window chooses the reader's again,
// one by one, as the control pane's lists and buttons choose them. A choice
// whose program no longer exists is left out without a word. "View >
// Remember my texts and voice" turns it off.
class ChoiceMemory : public QObject {
    Q_OBJECT

public:
    ChoiceMemory(MainWindow& window, store::SharedState& state);

    // Adds the menu item to the View menu.
    void install(QMenu* viewMenu);
    // The menu item's text in the language now applied.
    void retranslate();
    bool remembers() const;
    // Chooses the texts and voice kept last time, when remembered.
    void restore();
    // Keeps what is chosen now (when remembered), and whether to remember.
    void save(QSettings& settings) const;

    QAction* rememberAction() const { return m_remember; }

private:
    // Makes the choice as the control page sends it.
    void choose(const QString& name, const QString& masterId);

    MainWindow& m_window;
    store::SharedState& m_state;
    QAction* m_remember = nullptr;
};

} // namespace tilvora::ui
