#include "criterion.h"

#include "dberror.h"
#include "recordset.h"

#include <QRegularExpression>

namespace tilvora::store {

namespace {

using Node = Criterion::Node;
using Op = Criterion::Op;

[[noreturn]] void badCriterion(const QString& text)
{
    throw DbError(DbError::BadCriterion, QStringLiteral("The record filter \"%1\" cannot be read.").arg(text));
}

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) { }

    std::unique_ptr<Node> parseAll()
    {
        auto node = parseOr();
        skipBlanks();
        if (m_pos != m_text.size())
            badCriterion(m_text);
        return node;
    }

private:
    std::unique_ptr<Node> parseOr()
    {
        auto left = parseAnd();
        while (takeKeyword(QStringLiteral("OR"))) {
            auto node = std::make_unique<Node>();
            node->kind = Node::Kind::Or;
            node->left = std::move(left);
            node->right = parseAnd();
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto left = parseTerm();
        while (takeKeyword(QStringLiteral("AND"))) {
            auto node = std::make_unique<Node>();
            node->kind = Node::Kind::And;
            node->left = std::move(left);
            node->right = parseTerm();
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<Node> parseTerm()
    {
        skipBlanks();
        if (take(u'(')) {
            auto inner = parseOr();
            skipBlanks();
            if (!take(u')'))
                badCriterion(m_text);
            return inner;
        }
        auto node = std::make_unique<Node>();
        node->field = parseFieldName();
        node->op = parseOperator();
        parseValue(*node);
        return node;
    }

    QString parseFieldName()
    {
        skipBlanks();
        if (take(u'[')) {
            const qsizetype end = m_text.indexOf(u']', m_pos);
            if (end < 0)
                badCriterion(m_text);
            QString name = m_text.mid(m_pos, end - m_pos);
            m_pos = end + 1;
            return name;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_'))
            ++m_pos;
        if (m_pos == start)
            badCriterion(m_text);
        return m_text.mid(start, m_pos - start);
    }

    Op parseOperator()
    {
        skipBlanks();
        if (take(u'='))
            return Op::Equal;
        if (take(u'<')) {
            if (take(u'>'))
                return Op::NotEqual;
            if (take(u'='))
                return Op::LessEqual;
            return Op::Less;
        }
        if (take(u'>')) {
            if (take(u'='))
                return Op::GreaterEqual;
            return Op::Greater;
        }
        if (takeKeyword(QStringLiteral("LIKE")))
            return Op::Like;
        badCriterion(m_text);
    }

    void parseValue(Node& node)
    {
        skipBlanks();
        if (m_pos < m_text.size() && (m_text[m_pos] == u'\'' || m_text[m_pos] == u'#')) {
            const QChar quote = m_text[m_pos++];
            QString value;
            for (;;) {
                if (m_pos >= m_text.size())
                    badCriterion(m_text);
                const QChar c = m_text[m_pos++];
                if (c == quote) {
                    if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                        value += quote;
                        ++m_pos;
                        continue;
                    }
                    break;
                }
                value += c;
            }
            node.value = value;
            node.valueWasQuoted = true;
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !m_text[m_pos].isSpace() && m_text[m_pos] != u')')
            ++m_pos;
        if (m_pos == start)
            badCriterion(m_text);
        node.value = m_text.mid(start, m_pos - start);
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool take(QChar c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    // A keyword stands alone: blanks or a parenthesis or a quote follow it.
    bool takeKeyword(const QString& keyword)
    {
        skipBlanks();
        if (m_text.mid(m_pos, keyword.size()).compare(keyword, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype after = m_pos + keyword.size();
        if (after < m_text.size() && (m_text[after].isLetterOrNumber() || m_text[after] == u'_'))
            return false;
        m_pos = after;
        return true;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

bool likeMatches(const QString& text, const QString& pattern)
{
    // Record-set patterns use * or % for any characters.
    QString rx;
    for (const QChar c : pattern) {
        if (c == u'*' || c == u'%')
            rx += QStringLiteral(".*");
        else
            rx += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression re(QRegularExpression::anchoredPattern(rx),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re.match(text).hasMatch();
}

template <typename T> bool applyOrder(const T& a, Op op, const T& b)
{
    switch (op) {
    case Op::Equal:
        return a == b;
    case Op::NotEqual:
        return a != b;
    case Op::Less:
        return a < b;
    case Op::LessEqual:
        return a <= b;
    case Op::Greater:
        return a > b;
    case Op::GreaterEqual:
        return a >= b;
    case Op::Like:
        return false;
    }
    return false;
}

std::optional<bool> truthOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || t == QStringLiteral("-1")
        || t == QStringLiteral("1"))
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0 || t == QStringLiteral("0"))
        return false;
    return std::nullopt;
}

} // namespace

Criterion Criterion::parse(const QString& text)
{
    Criterion criterion;
    criterion.m_root = Parser(text).parseAll();
    return criterion;
}

bool Criterion::compare(const QVariant& fieldValue, Op op, const QString& value)
{
    if (fieldValue.isNull())
        return false;
    if (op == Op::Like)
        return likeMatches(variantText(fieldValue), value);
    switch (fieldValue.typeId()) {
    case QMetaType::Bool: {
        const auto truth = truthOf(value);
        if (!truth)
            return false;
        return applyOrder(int(fieldValue.toBool()), op, int(*truth));
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double: {
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        if (!ok) {
            const auto truth = truthOf(value);
            if (!truth)
                return false;
            return applyOrder(fieldValue.toDouble(), op, *truth ? -1.0 : 0.0);
        }
        return applyOrder(fieldValue.toDouble(), op, number);
    }
    default: {
        const QString fieldText = fieldValue.toString();
        const int order = fieldText.compare(value, Qt::CaseInsensitive);
        return applyOrder(order, op, 0);
    }
    }
}

} // namespace tilvora::store
