#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

namespace tilvora::store {

// A parsed record-set criterion: comparisons of a field with a value, joined
// by AND and OR (AND binds tighter), with parentheses.
class Criterion {
public:
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Like };

    struct Node {
        enum class Kind { Compare, And, Or } kind = Kind::Compare;
        // Comparison.
        QString field;
        Op op = Op::Equal;
        QString value;
        bool valueWasQuoted = false;
        // The field's position, resolved on first use against one record set.
        mutable int fieldIndex = -1;
        // And / Or.
        std::unique_ptr<Node> left;
        std::unique_ptr<Node> right;
    };

    // Fails with DbError::BadCriterion when the text is not a criterion.
    static Criterion parse(const QString& text);

    const Node& root() const { return *m_root; }

    // Compares one field value with a criterion's value text: by number with
    // number values, by truth with Booleans, by text (letter case ignored)
    // otherwise. A Null field satisfies no comparison.
    static bool compare(const QVariant& fieldValue, Op op, const QString& value);

private:
    std::unique_ptr<Node> m_root;
};

} // namespace tilvora::store
