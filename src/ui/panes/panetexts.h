#pragma once

#include <QCoreApplication>
#include <QJsonObject>

namespace tilvora::ui {

// What the search and picker pages write in English for the reader (their
// button, labels, the lists' first entries, the search box's hint, the
// tooltips), in the reader's language: the table the panes' text module
// (panetexts.js) shows them from.
class PaneTexts {
    Q_DECLARE_TR_FUNCTIONS(PaneTexts)

public:
    static QJsonObject table();
    // The names the control pane's script (panenames.js) gives its controls
    // for a screen reader: { row: "Text in row %1", mediaFolder: "Media
    // folder of %1" } in the reader's language.
    static QJsonObject controlNames();
};

} // namespace tilvora::ui
