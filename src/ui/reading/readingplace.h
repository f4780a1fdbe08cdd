#pragma once

#include "host/host.h"

namespace tilvora::ui {

class PanePage;

// Where the reading pane opens each new page: at its top, or, for the same
// verses shown with other texts, at the verse that was at the top; and the
// line a page without verses shows. The pane's documents carry a script
// module (readingplace.js) that does it; prepare() sets what the next one
// does.
class ReadingPlace {
public:
    explicit ReadingPlace(PanePage* readingPane);

    void prepare(const host::ReadingPageView& view);

private:
    PanePage* m_page;
};

} // namespace tilvora::ui
