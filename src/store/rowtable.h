#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QVariant>

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace tilvora::store {

// The rows of a statement, kept compactly: each value is a small typed cell,
// and the bytes of every text and blob lie in a few large blocks owned by
// the table, so that reading many rows allocates nothing per value and
// letting them go costs next to nothing. A QString or QVariant is made only
// when a value is read as one.
class RowTable {
public:
    // One value as the statement gave it.
    class Cell {
    public:
        enum class Kind : quint8 { Null, Integer, Boolean, Real, Text, Blob };

        Kind kind() const { return m_kind; }
        qint64 integer() const { return m_integer; }
        double real() const { return m_real; }
        // The UTF-8 bytes of a text, the bytes of a blob.
        QByteArrayView bytes() const { return {m_bytes, m_size}; }

        // As the rows were presented before being kept compactly: Null as a
        // null QVariant, Booleans as bool, whole numbers as qint64, texts as
        // QString, blobs as QByteArray.
        QVariant toVariant() const;

    private:
        friend class RowTable;

        Kind m_kind = Kind::Null;
        quint32 m_size = 0;
        union {
            qint64 m_integer = 0;
            double m_real;
            const char* m_bytes;
        };
    };

    RowTable();
    ~RowTable();
    RowTable(const RowTable&) = delete;
    RowTable& operator=(const RowTable&) = delete;

    void addColumn(const QString& name, bool boolean);
    const QStringList& columns() const { return m_columns; }
    bool isBooleanColumn(int column) const { return m_booleanColumns[static_cast<std::size_t>(column)]; }

    // The values of a row, one call per column in column order.
    void appendNull();
    void appendInteger(qint64 value);
    void appendBoolean(bool value);
    void appendReal(double value);
    void appendText(const char* utf8, int size);
    void appendBlob(const void* data, int size);

    std::size_t rowCount() const { return m_columns.isEmpty() ? 0 : m_cellCount / std::size_t(m_columns.size()); }
    const Cell& cell(std::size_t row, int column) const
    {
        const std::size_t index = row * std::size_t(m_columns.size()) + std::size_t(column);
        return *std::launder(reinterpret_cast<const Cell*>(&m_chunks[index >> kChunkShift][index & (kChunkCells - 1)]));
    }

private:
    // Cells are kept in chunks of a fixed count, so that a growing table
    // never copies the cells it has (a whole-book page has half a million).
    static constexpr std::size_t kChunkShift = 12;
    static constexpr std::size_t kChunkCells = std::size_t(1) << kChunkShift;
    // The room of one cell; a chunk's memory is touched only as far as it is
    // filled.
    struct alignas(Cell) CellRoom {
        std::byte bytes[sizeof(Cell)];
    };

    Cell& newCell();
    const char* keep(const void* data, int size);

    QStringList m_columns;
    std::vector<bool> m_booleanColumns;
    std::vector<std::unique_ptr<CellRoom[]>> m_chunks;
    std::size_t m_cellCount = 0;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_room = 0;
};

} // namespace tilvora::store
