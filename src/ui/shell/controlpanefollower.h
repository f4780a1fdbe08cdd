#pragma once

#include <QObject>

namespace tilvora::store {
struct SharedState;
}

namespace tilvora::ui {

class MainWindow;

// Keeps the control pane showing what the choices store. The control page is
// written once, at start: a choice that moves a text out of another row (the
// same text chosen for a second row) or a choice refused leaves the page's
// lists showing what is no longer stored. Each list of a row of translations
// and commentaries also gets an entry that empties its row.
class ControlPaneFollower : public QObject {
    Q_OBJECT

public:
    ControlPaneFollower(MainWindow& window, store::SharedState& state);

    // Sets every list and the voice buttons of the control pane to the
    // stored choices.
    void showStored();

    // The caption of the entry that empties a row.
    static QString emptyRowCaption();

private:
    MainWindow& m_window;
    store::SharedState& m_state;
};

} // namespace tilvora::ui
