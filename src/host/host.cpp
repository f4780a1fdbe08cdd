#include "host.h"

#include <array>
#include <utility>

namespace tilvora::host {

namespace {
const std::array<std::pair<Pane, const char*>, 6> kPaneNames{{
    {Pane::WebSearch, "WebSearch"},
    {Pane::WebSurah, "WebSurah"},
    {Pane::WebWord, "WebWord"},
    {Pane::WebSubject, "WebSubject"},
    {Pane::WebControl, "WebControl"},
    {Pane::WebMain, "WebMain"},
}};
} // namespace

QString paneName(Pane pane)
{
    for (const auto& [p, name] : kPaneNames) {
        if (p == pane)
            return QString::fromLatin1(name);
    }
    return {};
}

bool paneFromName(const QString& name, Pane* pane)
{
    for (const auto& [p, n] : kPaneNames) {
        if (name == QLatin1String(n)) {
            *pane = p;
            return true;
        }
    }
    return false;
}

} // namespace tilvora::host
