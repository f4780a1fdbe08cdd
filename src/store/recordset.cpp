#include "recordset.h"

#include "criterion.h"
#include "dberror.h"

#include <QLocale>

namespace tilvora::store {

RecordSet::RecordSet() = default;

RecordSet::RecordSet(std::shared_ptr<const RowTable> table) : m_table(std::move(table))
{
    showAllRows();
}

RecordSet::~RecordSet() = default;
RecordSet::RecordSet(RecordSet&&) noexcept = default;
RecordSet& RecordSet::operator=(RecordSet&&) noexcept = default;

void RecordSet::showAllRows()
{
    m_visible.clear();
    if (m_table) {
        m_visible.resize(m_table->rowCount());
        for (std::size_t i = 0; i < m_visible.size(); ++i)
            m_visible[i] = i;
    }
    m_position = 0;
}

void RecordSet::moveFirst()
{
    if (m_visible.empty())
        throw DbError(
            DbError::NoCurrentRecord, QStringLiteral("There is no record to move to: the record set is empty."));
    m_position = 0;
}

void RecordSet::moveNext()
{
    if (eof())
        throw DbError(
            DbError::NoCurrentRecord, QStringLiteral("There is no next record: the record set is past its end."));
    ++m_position;
}

void RecordSet::setFilter(const QString& criterionText)
{
    if (criterionText.trimmed().isEmpty()) {
        m_filterText.clear();
        showAllRows();
        return;
    }
    const Criterion criterion = Criterion::parse(criterionText);
    std::vector<std::size_t> visible;
    const std::size_t rowCount = m_table ? m_table->rowCount() : 0;
    for (std::size_t row = 0; row < rowCount; ++row) {
        if (rowMatches(row, criterion))
            visible.push_back(row);
    }
    m_visible = std::move(visible);
    m_position = 0;
    m_filterText = criterionText;
}

void RecordSet::find(const QString& criterionText)
{
    const Criterion criterion = Criterion::parse(criterionText);
    while (!eof() && !rowMatches(m_visible[m_position], criterion))
        ++m_position;
}

RecordSet RecordSet::clone() const
{
    return RecordSet(m_table);
}

int RecordSet::fieldCount() const
{
    return m_table ? static_cast<int>(m_table->columns().size()) : 0;
}

QString RecordSet::fieldName(int position) const
{
    if (position < 0 || position >= fieldCount())
        throw DbError(
            DbError::ItemNotFound, QStringLiteral("The record set has no field at position %1.").arg(position));
    return m_table->columns().at(position);
}

int RecordSet::fieldIndex(const QString& name) const
{
    if (!m_table)
        return -1;
    const QStringList& columns = m_table->columns();
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int RecordSet::requireField(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError(DbError::ItemNotFound, QStringLiteral("The record set has no field named \"%1\".").arg(name));
    return index;
}

void RecordSet::requireCurrentRow() const
{
    if (eof())
        throw DbError(DbError::NoCurrentRecord,
            QStringLiteral("There is no current record: the record set is empty or past its end."));
}

QVariant RecordSet::value(const QString& name) const
{
    return value(requireField(name));
}

QVariant RecordSet::value(int position) const
{
    return cell(position).toVariant();
}

const RowTable::Cell& RecordSet::cell(int position) const
{
    if (position < 0 || position >= fieldCount())
        throw DbError(
            DbError::ItemNotFound, QStringLiteral("The record set has no field at position %1.").arg(position));
    requireCurrentRow();
    return m_table->cell(m_visible[m_position], position);
}

QString RecordSet::text(const QString& name) const
{
    return variantText(value(name));
}

QString RecordSet::text(int position) const
{
    return variantText(value(position));
}

bool RecordSet::rowMatches(std::size_t row, const Criterion& criterion) const
{
    struct Evaluator {
        const RecordSet& records;
        std::size_t row;
        bool operator()(const Criterion::Node& node) const
        {
            switch (node.kind) {
            case Criterion::Node::Kind::And:
                return (*this)(*node.left) && (*this)(*node.right);
            case Criterion::Node::Kind::Or:
                return (*this)(*node.left) || (*this)(*node.right);
            case Criterion::Node::Kind::Compare:
                break;
            }
            if (node.fieldIndex < 0)
                node.fieldIndex = records.requireField(node.field);
            const int field = node.fieldIndex;
            return Criterion::compare(records.m_table->cell(row, field).toVariant(), node.op, node.value);
        }
    };
    return Evaluator{*this, row}(criterion.root());
}

QString variantText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

} // namespace tilvora::store
