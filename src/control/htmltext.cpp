#include "control/htmltext.h"

namespace tilvora::control {

using namespace Qt::Literals::StringLiterals;

QString escapeHtml(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;"_s;
            break;
        case u'<':
            escaped += u"&lt;"_s;
            break;
        case u'>':
            escaped += u"&gt;"_s;
            break;
        case u'"':
            escaped += u"&quot;"_s;
            break;
        case u'\'':
            escaped += u"&#39;"_s;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace tilvora::control
