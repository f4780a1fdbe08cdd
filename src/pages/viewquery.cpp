#include "viewquery.h"

#include "store/arabicfold.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"
#include "store/statements.h"

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

namespace {

// Every view selects the same columns from the same four-table join, ordered
// verse by verse and, within a verse, by the user's program order; the
// renderer depends on both.
const QString kSelectPiece = u"SELECT AP_Detail_TAB.*, MD_Ayah_TAB.SurahNo, MD_Ayah_TAB.AyahNo, AP_Master_TAB.Master, "
                             u"AP_TypesMaster_TAB.MasterType as MasterType, AP_Master_TAB.MasterID as MasterID, "
                             u"AP_TypesMaster_TAB.MasterTypeID as MasterTypeID, MD_Ayah_TAB.ParahNo AS ParahNo, "
                             u"AP_Master_TAB.SortOrderUser, AP_TypesMaster_TAB.SysTerm AS SysTerm_MasterTypeID "_s;
const QString kJoinPiece
    = u" FROM ((MD_Ayah_TAB INNER JOIN AP_Detail_TAB ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef) "
      u"INNER JOIN AP_Master_TAB ON AP_Detail_TAB.MasterID = AP_Master_TAB.MasterID) INNER JOIN "
      u"AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID"_s;
const QString kOrderPiece = u" ORDER BY MD_Ayah_TAB.SurahNo, MD_Ayah_TAB.AyahNo, AP_Master_TAB.SortOrderUser"_s;

// The verses of a whole-database search: every text program, selected or not.
const QString kSearchLookupStart
    = u"SELECT DISTINCT AP_Detail_TAB.AyahRef FROM AP_Detail_TAB INNER JOIN (AP_Master_TAB INNER JOIN "
      u"AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID) ON "
      u"AP_Detail_TAB.MasterID = AP_Master_TAB.MasterID WHERE ((AP_TypesMaster_TAB.SysTerm IN ('MATAN', "
      u"'TAFSEER', 'TRANSLATION')) AND (AP_Detail_TAB.Data LIKE '%"_s;

// The same verses when the search text is empty, which matches every text
// that is not Null: the texts' nullness is tested instead of running LIKE
// over every row. The program's MasterID is kept from choosing an index, so
// that the verses are read in order from the index of the texts' verses that
// the content build adds (AP_Detail_Text_IDX), where there is one.
const QString kEveryTextVerseLookup
    = u"SELECT DISTINCT AyahRef FROM AP_Detail_TAB WHERE (Data IS NOT NULL OR DataSearchable IS NOT NULL) AND "
      u"+MasterID IN (SELECT AP_Master_TAB.MasterID FROM AP_Master_TAB INNER JOIN AP_TypesMaster_TAB ON "
      u"AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID WHERE AP_TypesMaster_TAB.SysTerm IN "
      u"('MATAN', 'TAFSEER', 'TRANSLATION')) ORDER BY AyahRef"_s;

QString referenceCondition(const QString& refs, const QString& selectedIds)
{
    return u" WHERE ((AP_Detail_TAB.AyahRef IN ("_s + refs + u")) AND (AP_Master_TAB.MasterID IN ("_s + selectedIds
        + u")))"_s;
}

// Runs a verse lookup into gVerseRefs and returns its references as a comma list.
QString lookUpVerses(store::SharedState& state, const QString& statement, qint32& resultCount)
{
    state.gVerseRefs = state.gConnection->openRecordSet(statement);
    QString refs = store::joinFieldValues(state.gVerseRefs, store::kDef, store::kDef);
    resultCount = state.gVerseRefs.recordCount();
    return refs;
}

// A chapter, part or subject value goes into the statement unquoted, so it
// must be a whole number; anything else is refused before the statement runs,
// and only the number read from it is spliced.
QString checkedNumber(const QString& viewName, const QString& value)
{
    QString what;
    if (viewName == u"Surah"_s)
        what = u"chapter number"_s;
    else if (viewName == u"Parah"_s)
        what = u"part number"_s;
    else
        what = u"subject number"_s;
    return QString::number(store::requireWholeNumber(value, what));
}

// A word, root or search text with a control character in it (a NUL cuts a
// statement short) is refused before anything runs.
void requirePlainText(const QString& viewName, const QString& value)
{
    if (!store::holdsControlCharacter(value))
        return;
    const QString what = viewName == u"Search"_s ? u"search text"_s : viewName == u"Root"_s ? u"root"_s : u"word"_s;
    throw store::RefusedValue(u"The "_s + what + u" holds a control character, so nothing was searched for."_s);
}

} // namespace

QString searchLookupStatement(const QString& viewValue)
{
    // Arabic is searched in its folded form, as the searchable texts are
    // stored; a text without Arabic letters is searched as typed.
    QString text = store::searchFormOf(viewValue);
    const qsizetype star = text.indexOf(u'*');
    if (star < 0)
        return QString();
    // The whole database: the text with its first "*" taken out.
    text.remove(star, 1);
    if (text.isEmpty())
        return kEveryTextVerseLookup;
    const QString quoted = store::sqlText(text);
    return kSearchLookupStart + quoted + u"%' OR AP_Detail_TAB.DataSearchable LIKE '%"_s + quoted
        + u"%')) ORDER By AP_Detail_TAB.AyahRef"_s;
}

QString buildViewQuery(
    store::SharedState& state, const QString& viewName, const QString& viewValue, qint32& resultCount)
{
    QString number;
    if (viewName == u"Surah"_s || viewName == u"Parah"_s || viewName == u"Subject"_s)
        number = checkedNumber(viewName, viewValue);
    if (viewName == u"Word"_s || viewName == u"Root"_s || viewName == u"Search"_s)
        requirePlainText(viewName, viewValue);

    state.gVerseRefs = store::RecordSet();
    const QString& selectedIds = state.gSelectedIds;
    QString condition;

    if (viewName == u"Surah"_s) {
        condition = u" WHERE ((MD_Ayah_TAB.SurahNo = "_s + number + u") AND (AP_Master_TAB.MasterID IN ("_s
            + selectedIds + u")))"_s;
    } else if (viewName == u"Parah"_s) {
        condition = u" WHERE ((MD_Ayah_TAB.ParahNo = "_s + number + u") AND (AP_Master_TAB.MasterID IN ("_s
            + selectedIds + u")))"_s;
    } else if (viewName == u"Word"_s) {
        const QString refs = lookUpVerses(state,
            u"SELECT AyahRef FROM RF_Word_TAB WHERE Word = '"_s + store::sqlText(viewValue) + u"' ORDER By AyahRef"_s,
            resultCount);
        condition = referenceCondition(refs, selectedIds);
    } else if (viewName == u"Root"_s) {
        const QString refs = lookUpVerses(state,
            u"SELECT AyahRef FROM RF_Word_TAB WHERE RootWord = '"_s + store::sqlText(viewValue)
                + u"' ORDER By AyahRef"_s,
            resultCount);
        condition = referenceCondition(refs, selectedIds);
    } else if (viewName == u"Subject"_s) {
        const QString refs = lookUpVerses(state,
            u"SELECT AyahRef FROM RF_Subject_TAB WHERE SubjectID = "_s + number + u" ORDER By AyahRef"_s, resultCount);
        condition = referenceCondition(refs, selectedIds);
    } else if (viewName == u"Search"_s) {
        const QString lookup = searchLookupStatement(viewValue);
        QString refs;
        if (!lookup.isEmpty()) {
            refs = lookUpVerses(state, lookup, resultCount);
        } else {
            // Only the page shown last, matched in memory: nothing is spliced
            // into a statement here but the references found. Every text is
            // a search text here, the letters _DEF too.
            refs = store::joinMatchingVerses(state.gPageRecords, store::searchFormOf(viewValue));
            resultCount = refs == u"0"_s ? 0 : static_cast<qint32>(refs.count(u',')) + 1;
        }
        condition = referenceCondition(refs, selectedIds);
    }

    // The control page asks for the verses shown last again after a change of
    // the program selection ("Row0", "Row1", ...).
    if (viewName.startsWith(u"Row"_s)) {
        const QString refs = store::joinFieldValues(state.gPageRecords, store::kDef, u"AyahRef"_s);
        condition = referenceCondition(refs, selectedIds);
        resultCount = state.gPageRecords.recordCount();
    }

    QString statement;
    statement.reserve(kSelectPiece.size() + kJoinPiece.size() + condition.size() + kOrderPiece.size() + 3);
    statement += kSelectPiece;
    statement += kJoinPiece;
    statement += u' ';
    statement += condition;
    statement += u' ';
    statement += kOrderPiece;
    statement += u';';
    return statement;
}

} // namespace tilvora::pages
