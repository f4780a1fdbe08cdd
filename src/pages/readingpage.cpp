#include "readingpage.h"

#include "store/recordset.h"
#include "templates.h"
#include "viewquery.h"

#include <iterator>

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

// Appends what WriteAyahRows returns, with the cell text given as text +
// label, straight into the page.
void appendAyahRows(QString& out, QStringView detailId, QStringView text, QStringView label,
                    QStringView verseRef, QStringView className, int order, bool first)
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
    if (text.isEmpty() && label.isEmpty())
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
    out += text;
    out += label;
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
// numbers are written into the object itself and texts are shared, so that
// reading a row's fields allocates nothing.
class FieldText {
public:
    explicit FieldText(const QVariant& value)
    {
        switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
            writeNumber(value.toLongLong());
            break;
        case QMetaType::QString:
            m_text = value.toString();
            m_view = m_text;
            break;
        default:
            m_text = store::variantText(value);
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

// The room the page will take, so that it is built in one allocation.
qsizetype estimatePageSize(store::RecordSet& rows, int dataColumn)
{
    qsizetype size = 0;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        size += rows.value(dataColumn).toString().size() + kRowOverhead;
    return size;
}

} // namespace

QString WriteAyahRows(const QString& detailId, const QString& text, const QString& verseRef,
                      const QString& className, int order, bool first)
{
    QString rows;
    appendAyahRows(rows, detailId, text, {}, verseRef, className, order, first);
    return rows;
}

void CloseTable(QString& body)
{
    body += kCloseLastVerse;
}

QString RenderReadingPage(store::SharedState& state, host::Host& host, const QString& viewName,
                          const QString& viewValue)
{
    // The view query comes first, so that a refused value leaves everything,
    // the program list's cursor included, as it was. The head reads only the
    // program list, which the view query does not touch.
    qint32 resultCount = 0;
    qint32 shownCount = 0;
    const QString statement = BuildViewQuery(state, viewName, viewValue, resultCount);
    const QString head = PageHead(state);

    // The previous page's rows are let go before the new ones are read.
    state.gPageRecords = store::RecordSet();
    state.gPageRecords = state.gConnection->Open(statement);
    store::RecordSet& rows = state.gPageRecords;

    QString page;
    if (rows.RecordCount() > 0) {
        const ViewColumns column(rows);
        const QString tail = PageTail();
        page.reserve(head.size() + estimatePageSize(rows, column.data) + kCloseLastVerse.size() + tail.size());
        page += head;
        const qsizetype bodyStart = page.size();

        // Reused from row to row, so that they keep their room.
        QString label;
        QString className = u"CSS"_s;
        for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
            const FieldText order(rows.value(column.sortOrderUser));
            // The program in order 0 opens each verse. Its rows are the ones
            // shown, counted as the filter (SortOrderUser='0') counts them:
            // a row with a Null text included.
            const bool opensVerse = order.view() == u"0"_s;
            if (opensVerse)
                ++shownCount;
            const QVariant data = rows.value(column.data);
            if (data.isNull())
                continue;
            label.clear();
            if (opensVerse) {
                label += u" {"_s;
                label += FieldText(rows.value(column.surahNo)).view();
                label += u':';
                label += FieldText(rows.value(column.ayahNo)).view();
                label += u'}';
            }
            className.truncate(3);
            className += order.view();
            appendAyahRows(page, FieldText(rows.value(column.detailId)).view(), FieldText(data).view(), label,
                           FieldText(rows.value(column.ayahRef)).view(), className, opensVerse ? 0 : -1,
                           page.size() == bodyStart);
        }
        CloseTable(page);
        page += tail;
    }

    host.setSearchLabel(u"  Search Result(s): "_s + kCrLf + u"   "_s + QString::number(resultCount) + u'/'
                        + QString::number(shownCount));
    return page;
}

} // namespace tilvora::pages
