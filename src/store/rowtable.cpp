#include "rowtable.h"

#include <algorithm>
#include <cstring>

namespace tilvora::store {

namespace {

// Texts are kept in blocks of this size, or one of their own when longer.
constexpr std::size_t kBlockSize = std::size_t{256} * 1024;

// Where an empty text points: a text is never a null pointer, as SQLite
// gives none for one either.
constexpr char kEmptyText[] = "";

} // namespace

QVariant RowTable::Cell::toVariant() const
{
    switch (m_kind) {
    case Kind::Null:
        return QVariant();
    case Kind::Integer:
        return QVariant(m_integer);
    case Kind::Boolean:
        return QVariant(m_integer != 0);
    case Kind::Real:
        return QVariant(m_real);
    case Kind::Text:
        return QVariant(QString::fromUtf8(bytes()));
    case Kind::Blob:
        return QVariant(QByteArray(m_bytes, m_size));
    }
    return QVariant();
}

RowTable::RowTable() = default;
RowTable::~RowTable() = default;

void RowTable::addColumn(const QString& name, bool boolean)
{
    m_columns.append(name);
    m_booleanColumns.push_back(boolean);
}

void RowTable::appendNull()
{
    newCell();
}

void RowTable::appendInteger(qint64 value)
{
    Cell& cell = newCell();
    cell.m_kind = Cell::Kind::Integer;
    cell.m_integer = value;
}

void RowTable::appendBoolean(bool value)
{
    Cell& cell = newCell();
    cell.m_kind = Cell::Kind::Boolean;
    cell.m_integer = value ? 1 : 0;
}

void RowTable::appendReal(double value)
{
    Cell& cell = newCell();
    cell.m_kind = Cell::Kind::Real;
    cell.m_real = value;
}

void RowTable::appendText(const char* utf8, int size)
{
    Cell& cell = newCell();
    cell.m_kind = Cell::Kind::Text;
    cell.m_size = quint32(size);
    cell.m_bytes = size > 0 ? keep(utf8, size) : kEmptyText;
}

void RowTable::appendBlob(const void* data, int size)
{
    Cell& cell = newCell();
    cell.m_kind = Cell::Kind::Blob;
    cell.m_size = quint32(size);
    cell.m_bytes = size > 0 ? keep(data, size) : nullptr;
}

RowTable::Cell& RowTable::newCell()
{
    const std::size_t offset = m_cellCount & (kChunkCells - 1);
    if (offset == 0)
        m_chunks.push_back(std::make_unique_for_overwrite<CellRoom[]>(kChunkCells));
    ++m_cellCount;
    return *new (&m_chunks.back()[offset]) Cell();
}

const char* RowTable::keep(const void* data, int size)
{
    const auto bytes = std::size_t(size);
    if (bytes > m_room) {
        const std::size_t blockSize = std::max(kBlockSize, bytes);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
        m_free = m_blocks.back().get();
        m_room = blockSize;
    }
    char* kept = m_free;
    std::memcpy(kept, data, bytes);
    m_free += bytes;
    m_room -= bytes;
    return kept;
}

} // namespace tilvora::store
