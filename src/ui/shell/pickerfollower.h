#pragma once

#include "host/host.h"

#include <QJsonObject>
#include <QObject>

#include <map>

namespace tilvora::ui {

class MainWindow;

// Keeps every picker showing what the reading pane shows: the list whose
// choice made the page shows that choice, every other list its heading. A
// list that still showed an earlier choice would take no new pick of that
// same entry (no change event), so a chapter, part, root, word or subject
// shown by a search, a bookmark or another list could not be picked again.
class PickerFollower : public QObject {
public:
    explicit PickerFollower(MainWindow& window);

    // A reading page was rendered; a change of texts ("Row...") shows the
    // same verses and leaves the pickers as they are.
    void follow(const host::RenderedView& view);

private:
    // Sets the lists of one picker pane to the values kept for it.
    void apply(host::Pane pane);

    MainWindow& m_window;
    // For each picker pane, each list's id and the value it shows ("" for
    // its heading).
    std::map<host::Pane, QJsonObject> m_shown;
};

} // namespace tilvora::ui
