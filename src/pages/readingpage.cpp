#include "readingpage.h"

#include "store/recordset.h"
#include "templates.h"
#include "utf8decode.h"
#include "viewquery.h"

#include <algorithm>
#include <iterator>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

namespace {

// The fixed pieces of a verse table and its cells. The verse table's ID is the
// verse reference (playback reads it back on a double-click) and each cell's ID
// is its DetailID.
const QString kCloseVerse = u"</table>"_s;
const QString kAnchorStart = u"<a name=\""_s;
const QString kBookmark = u"Bookmark_"_s;
const QString kAnchorEnd = u"\"></a>"_s;
const QString kTableStart = u" <table Class=\"sura\" ID=\""_s;
const QString kTableEnd = u"\"  align=\"center\">"_s;
const QString kCellStart = u"<TR><TD "_s;
const QString kCellId = u" ID=\""_s;
const QString kQuote = u"\""_s;
const QString kClass = u" class='"_s;
const QString kOnFocus = u"'; onfocus=\"this.className='"_s;
const QString kOnBlur = u"_Sel'\" ; onblur=\"this.className='"_s;
const QString kCellText = u"'\" >"_s;
const QString kCellEnd = u"</TD></TR>"_s;
const QString kCloseLastVerse = u"</TABLE>"_s;

// What one row adds besides its text and label, generously: the cell's fixed
// pieces, its id and class names, and a verse start.
constexpr qsizetype kRowOverhead = 240;

// Appends what WriteAyahRows returns straight into the page; `appendText`
// appends the cell's text and label, and `hasText` says whether there is any.
template <typename Page, typename AppendText>
void appendAyahRows(Page& out, QStringView detailId, QStringView verseRef, QStringView className, int order, bool first,
    bool hasText, AppendText&& appendText)
{
    if (order == 0) {
        if (!first) {
            out += kCrLf;
            out += kCloseVerse;
        }
        out += kCrLf;
        out += kAnchorStart;
        out += kBookmark;
        out += verseRef;
        out += kAnchorEnd;
        out += kCrLf;
        out += kTableStart;
        out += verseRef;
        out += kTableEnd;
    }
    if (!hasText)
        return;
    out += kCrLf;
    out += kCellStart;
    out += kCellId;
    out += detailId;
    out += kQuote;
    out += kClass;
    out += className;
    out += kOnFocus;
    out += className;
    out += kOnBlur;
    out += className;
    out += kCellText;
    appendText();
    out += kCellEnd;
}

// Position of a column of the view's rows, resolved once per page.
struct ViewColumns {
    int data, sortOrderUser, surahNo, ayahNo, detailId, ayahRef;

    explicit ViewColumns(const store::RecordSet& rows)
        : data(rows.fieldIndex(u"Data"_s)),
          sortOrderUser(rows.fieldIndex(u"SortOrderUser"_s)),
          surahNo(rows.fieldIndex(u"SurahNo"_s)),
          ayahNo(rows.fieldIndex(u"ayahno"_s)),
          detailId(rows.fieldIndex(u"DetailID"_s)),
          ayahRef(rows.fieldIndex(u"AyahRef"_s))
    {
    }
};

// The text form of a field value, as store::variantText writes it: whole
// numbers are written into the object itself, so that reading a row's
// numbers allocates nothing.
class FieldText {
public:
    explicit FieldText(const store::RowTable::Cell& cell)
    {
        if (cell.kind() == store::RowTable::Cell::Kind::Integer) {
            writeNumber(cell.integer());
        } else {
            m_text = store::variantText(cell.toVariant());
            m_view = m_text;
        }
    }
    FieldText(const FieldText&) = delete;
    FieldText& operator=(const FieldText&) = delete;

    QStringView view() const { return m_view; }

private:
    void writeNumber(qint64 number)
    {
        char16_t* const end = m_digits + std::size(m_digits);
        char16_t* digit = end;
        quint64 rest = number < 0 ? 0 - quint64(number) : quint64(number);
        do {
            *--digit = char16_t(u'0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (number < 0)
            *--digit = u'-';
        m_view = QStringView(digit, end);
    }

    char16_t m_digits[20];
    QString m_text;
    QStringView m_view;
};

// The page, written into the buffer of one QString: fixed pieces are copied
// and the rows' texts decoded from UTF-8 straight in, with no QString made
// per value. The buffer grows when an estimate falls short.
class PageBuffer {
public:
    explicit PageBuffer(qsizetype room) { m_page.resize(room); }

    PageBuffer& operator+=(QStringView text)
    {
        char16_t* out = reserve(text.size());
        std::copy(text.utf16(), text.utf16() + text.size(), out);
        m_size += text.size();
        return *this;
    }
    PageBuffer& operator+=(QChar c) { return *this += QStringView(&c, 1); }

    // A text as QString::fromUtf8 decodes it.
    void appendUtf8(QByteArrayView utf8)
    {
        char16_t* out = reserve(utf8.size() + 1);
        m_size += decodeUtf8(utf8, out) - out;
    }

    qsizetype size() const { return m_size; }

    QString take()
    {
        m_page.truncate(m_size);
        return std::move(m_page);
    }

private:
    char16_t* reserve(qsizetype count)
    {
        if (m_page.size() - m_size < count)
            m_page.resize(std::max(m_page.size() * 2, m_size + count));
        return reinterpret_cast<char16_t*>(m_page.data()) + m_size;
    }

    QString m_page;
    qsizetype m_size = 0;
};

// The room the page will take, so that it is built in one allocation: a text
// never takes more UTF-16 units than it has UTF-8 bytes.
qsizetype estimatePageSize(store::RecordSet& rows, int dataColumn)
{
    qsizetype size = 0;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        size += rows.cell(dataColumn).bytes().size() + kRowOverhead;
    return size;
}

// The views whose pages are kept: those of at least this many rows, the
// two shown last.
constexpr int kKeptRowsAtLeast = 4000;
constexpr std::size_t kKeptPages = 2;

void reportRendered(
    host::Host& host, const QString& viewName, const QString& viewValue, qint32 shownCount, qint32 resultCount)
{
    host.setSearchLabel(u"  Search Result(s): "_s + kCrLf + u"   "_s + QString::number(resultCount) + u'/'
        + QString::number(shownCount));
    host.viewRendered({viewName, viewValue, shownCount, resultCount});
}

} // namespace

QString writeAyahRows(const QString& detailId, const QString& text, const QString& verseRef, const QString& className,
    int order, bool first)
{
    QString rows;
    appendAyahRows(rows, detailId, verseRef, className, order, first, !text.isEmpty(), [&] { rows += text; });
    return rows;
}

void closeTable(QString& body)
{
    body += kCloseLastVerse;
}

QString renderReadingPage(
    store::SharedState& state, host::Host& host, const QString& viewName, const QString& viewValue)
{
    // The view query comes first, so that a refused value leaves everything,
    // the program list's cursor included, as it was. The head reads only the
    // program list, which the view query does not touch.
    qint32 resultCount = 0;
    qint32 shownCount = 0;
    const QString statement = buildViewQuery(state, viewName, viewValue, resultCount);
    const QString head = pageHead(state);

    const QString dataVersion = state.gConnection->dataVersion();
    store::KeptPages& kept = state.gKeptPages;
    const auto same = std::find_if(kept.begin(), kept.end(), [&](const store::KeptPage& page) {
        return page.statement == statement && page.head == head && page.dataVersion == dataVersion;
    });
    if (same != kept.end()) {
        kept.splice(kept.begin(), kept, same);
        state.gPageRecords = same->rows.clone();
        // Where making the page leaves the cursor: past the last row.
        for (state.gPageRecords.moveFirst(); !state.gPageRecords.eof(); state.gPageRecords.moveNext()) { }
        reportRendered(host, viewName, viewValue, same->shownCount, resultCount);
        return same->page;
    }

    // The previous page's rows are let go before the new ones are read.
    state.gPageRecords = store::RecordSet();
    state.gPageRecords = state.gConnection->openRecordSet(statement);
    store::RecordSet& rows = state.gPageRecords;

    QString page;
    if (rows.recordCount() > 0) {
        using Kind = store::RowTable::Cell::Kind;
        const ViewColumns column(rows);
        const QString tail = pageTail();
        PageBuffer out(head.size() + estimatePageSize(rows, column.data) + kCloseLastVerse.size() + tail.size());
        out += head;
        const qsizetype bodyStart = out.size();

        // Reused from row to row, so that they keep their room.
        QString label;
        QString className = u"CSS"_s;
        for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
            const FieldText order(rows.cell(column.sortOrderUser));
            // The program in order 0 opens each verse. Its rows are the ones
            // shown, counted as the filter (SortOrderUser='0') counts them:
            // a row with a Null text included.
            const bool opensVerse = order.view() == u"0"_s;
            if (opensVerse)
                ++shownCount;
            const store::RowTable::Cell& data = rows.cell(column.data);
            if (data.kind() == Kind::Null)
                continue;
            label.clear();
            if (opensVerse) {
                label += u" {"_s;
                label += FieldText(rows.cell(column.surahNo)).view();
                label += u':';
                label += FieldText(rows.cell(column.ayahNo)).view();
                label += u'}';
            }
            className.truncate(3);
            className += order.view();
            // A text is written as it is kept, in UTF-8; other values in
            // their text form.
            const bool isText = data.kind() == Kind::Text;
            std::optional<FieldText> dataText;
            if (!isText)
                dataText.emplace(data);
            const bool hasText = !label.isEmpty() || (isText ? !data.bytes().isEmpty() : !dataText->view().isEmpty());
            appendAyahRows(out, FieldText(rows.cell(column.detailId)).view(),
                FieldText(rows.cell(column.ayahRef)).view(), className, opensVerse ? 0 : -1, out.size() == bodyStart,
                hasText, [&] {
                    if (isText)
                        out.appendUtf8(data.bytes());
                    else
                        out += dataText->view();
                    out += label;
                });
        }
        out += kCloseLastVerse;
        out += tail;
        page = out.take();
    }

    if (rows.recordCount() >= kKeptRowsAtLeast) {
        kept.push_front(store::KeptPage{statement, head, dataVersion, rows.clone(), page, shownCount});
        if (kept.size() > kKeptPages)
            kept.pop_back();
    }
    reportRendered(host, viewName, viewValue, shownCount, resultCount);
    return page;
}

} // namespace tilvora::pages
