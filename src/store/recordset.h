#pragma once

#include "rowtable.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

namespace tilvora::store {

class Criterion;

// A client-side copy of a statement's rows with a cursor: the rows are taken
// when the statement runs and later statements do not change them. A filter
// narrows the rows that the cursor walks and counts; clone() gives a second
// cursor over the same rows. Fields are found by name (letter case ignored)
// or by position; a Null value is a null QVariant. Values of BOOLEAN columns
// are presented as bool.
//
// A default-constructed record set is closed: it has no columns and no rows.
class RecordSet {
public:
    RecordSet();
    explicit RecordSet(std::shared_ptr<const RowTable> table);
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;
    RecordSet(RecordSet&&) noexcept;
    RecordSet& operator=(RecordSet&&) noexcept;

    bool isOpen() const { return m_table != nullptr; }

    // Rows passing the filter in force.
    int recordCount() const { return static_cast<int>(m_visible.size()); }
    // Fails with NoCurrentRecord when no row passes the filter.
    void moveFirst();
    // Fails with NoCurrentRecord when already past the end.
    void moveNext();
    // True past the last row (the record-set EOF).
    bool eof() const { return m_position >= m_visible.size(); }

    // The criterion forms of a record-set filter: Field = 'value' with the
    // value compared by value against number and Boolean columns, joined by
    // AND and OR, with parentheses. The empty text clears the filter. The
    // cursor moves to the first passing row.
    void setFilter(const QString& criterion);
    const QString& filter() const { return m_filterText; }

    // Moves forward from the current row (skipping none) to the first row that
    // satisfies the criterion; past the end when none does.
    void find(const QString& criterion);

    // A second cursor over the same rows, positioned at the first row, with no filter.
    RecordSet clone() const;

    int fieldCount() const;
    QString fieldName(int position) const;
    // Position of a column by name with letter case ignored; -1 when absent.
    int fieldIndex(const QString& name) const;
    // The current row's value; fails with ItemNotFound for an unknown name or
    // position and with NoCurrentRecord when there is no current row.
    QVariant value(const QString& name) const;
    QVariant value(int position) const;
    // The value's text form: Null as the empty text, Booleans as True/False.
    QString text(const QString& name) const;
    QString text(int position) const;
    // The current row's value as it is kept, read without making a QVariant;
    // fails as value() does.
    const RowTable::Cell& cell(int position) const;

private:
    void requireCurrentRow() const;
    int requireField(const QString& name) const;
    bool rowMatches(std::size_t row, const Criterion& criterion) const;
    void showAllRows();

    std::shared_ptr<const RowTable> m_table;
    std::vector<std::size_t> m_visible;
    std::size_t m_position = 0;
    QString m_filterText;
};

// The text form of a field value as the program writes it into statements,
// pages and captions: Null is the empty text, a Boolean is True or False, a
// number is written in its shortest decimal form.
QString variantText(const QVariant& value);

} // namespace tilvora::store
