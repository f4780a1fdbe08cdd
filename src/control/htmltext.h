#pragma once

#include <QString>

namespace tilvora::control {

// A value made safe to stand in an HTML page, in element text and in an
// attribute quoted with either kind of quote: & < > " ' become &amp; &lt;
// &gt; &quot; &#39;. (QString::toHtmlEscaped leaves the apostrophe alone,
// which would cut an attribute written between apostrophes.)
QString escapeHtml(const QString& text);

} // namespace tilvora::control
