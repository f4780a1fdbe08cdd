#include "statements.h"

#include "dberror.h"

namespace tilvora::store {

QString sqlText(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return doubled;
}

namespace {

bool isStatementSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

} // namespace

WholeNumber readWholeNumber(const QString& value)
{
    qsizetype start = 0;
    qsizetype end = value.size();
    while (start < end && isStatementSpace(value.at(start)))
        ++start;
    while (end > start && isStatementSpace(value.at(end - 1)))
        --end;
    bool negative = false;
    if (start < end && (value.at(start) == u'+' || value.at(start) == u'-')) {
        negative = value.at(start) == u'-';
        ++start;
    }
    if (start == end)
        return {};
    constexpr qint64 kLimit = qint64(1) << 31;
    qint64 magnitude = 0;
    bool tooLarge = false;
    for (qsizetype i = start; i < end; ++i) {
        const char16_t c = value.at(i).unicode();
        if (c < u'0' || c > u'9')
            return {};
        if (!tooLarge)
            magnitude = magnitude * 10 + (c - u'0');
        tooLarge = tooLarge || magnitude > kLimit;
    }
    if (tooLarge || magnitude > (negative ? kLimit : kLimit - 1))
        return {std::nullopt, true};
    return {static_cast<qint32>(negative ? -magnitude : magnitude), false};
}

bool isWholeNumber(const QString& value)
{
    return readWholeNumber(value).value.has_value();
}

qint32 requireWholeNumber(const QString& value, const QString& what, const QString& consequence)
{
    const WholeNumber number = readWholeNumber(value);
    if (number.value)
        return *number.value;
    const QString why
        = number.outOfRange ? QStringLiteral("\" is out of range") : QStringLiteral("\" is not a whole number");
    throw RefusedValue(
        QStringLiteral("The ") + what + QStringLiteral(" \"") + value + why + consequence + QLatin1Char('.'));
}

bool holdsControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return true;
    }
    return false;
}

} // namespace tilvora::store
