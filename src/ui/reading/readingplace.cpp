#include "ui/reading/readingplace.h"

#include "ui/panes/browserpane.h"

#include <QJsonObject>

namespace tilvora::ui {

ReadingPlace::ReadingPlace(PanePage* readingPane) : m_page(readingPane)
{
    prepare({});
}

void ReadingPlace::prepare(const host::ReadingPageView& view)
{
    m_page->paneScripts().configure(PaneScripts::Module::Place,
        QJsonObject{{QStringLiteral("keepTopVerse"), view.keepTopVerse},
            {QStringLiteral("emptyPageText"), view.emptyPageText}});
}

} // namespace tilvora::ui
