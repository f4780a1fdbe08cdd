#include "readingpage.h"

#include "store/recordset.h"
#include "templates.h"
#include "viewquery.h"

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
        rows.MoveFirst();
        rows.setFilter(u"(SortOrderUser='0')"_s);
        shownCount = rows.RecordCount();
        rows.setFilter(QString());

        const ViewColumns column(rows);
        const QString tail = PageTail();
        page.reserve(head.size() + estimatePageSize(rows, column.data) + kCloseLastVerse.size() + tail.size());
        page += head;
        const qsizetype bodyStart = page.size();

        QString label;
        for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
            const QVariant data = rows.value(column.data);
            if (data.isNull())
                continue;
            const QString orderText = rows.text(column.sortOrderUser);
            bool isNumber = false;
            const int order = orderText.toInt(&isNumber);
            // A row without a numeric order neither starts a verse nor gets its label.
            const bool opensVerse = isNumber && order == 0;
            label.clear();
            if (opensVerse) {
                label += u" {"_s;
                label += rows.text(column.surahNo);
                label += u':';
                label += rows.text(column.ayahNo);
                label += u'}';
            }
            appendAyahRows(page, rows.text(column.detailId), store::variantText(data), label,
                           rows.text(column.ayahRef), QString(u"CSS"_s + orderText), opensVerse ? 0 : -1,
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
