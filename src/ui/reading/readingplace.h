#pragma once

#include "host/host.h"

class QWebEnginePage;

namespace tilvora::ui {

// Where the reading pane opens each new page: at its top, or, for the same
// verses shown with other texts, at the verse that was at the top; and the
// line a page without verses shows. The pane's documents carry a script
// (readingplace.js) that does it; prepare() sets what the next one does.
class ReadingPlace {
public:
    explicit ReadingPlace(QWebEnginePage* readingPane);

    void prepare(const host::ReadingPageView& view);

private:
    QWebEnginePage* m_page;
};

} // namespace tilvora::ui
