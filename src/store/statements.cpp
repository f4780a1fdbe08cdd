#include "statements.h"

#include <QRegularExpression>

namespace tilvora::store {

QString sqlText(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return doubled;
}

bool isWholeNumber(const QString& value)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[+-]?\\d{1,9}\\s*$"));
    return wholeNumber.match(value).hasMatch();
}

} // namespace tilvora::store
