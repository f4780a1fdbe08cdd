#include "linefields.h"

namespace tilvora::host {

QString escapeField(const QString& field)
{
    QString escaped;
    escaped.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'\t':
            escaped += QLatin1String("\\t");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString unescapeField(const QString& field)
{
    QString text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c != u'\\' || i + 1 == field.size()) {
            text += c;
            continue;
        }
        const QChar next = field[++i];
        switch (next.unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u't':
            text += u'\t';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'n':
            text += u'\n';
            break;
        default:
            // Not an escape: the backslash stands for itself.
            text += c;
            text += next;
        }
    }
    return text;
}

QString joinFields(const QStringList& fields)
{
    QStringList escaped;
    escaped.reserve(fields.size());
    for (const QString& field : fields)
        escaped.append(escapeField(field));
    return escaped.join(QLatin1Char('\t'));
}

QStringList splitFields(const QString& line, int maxFields)
{
    QStringList fields;
    qsizetype start = 0;
    while (fields.size() + 1 < maxFields) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'), start);
        if (tab < 0)
            break;
        fields.append(unescapeField(line.mid(start, tab - start)));
        start = tab + 1;
    }
    fields.append(unescapeField(line.mid(start)));
    return fields;
}

} // namespace tilvora::host
