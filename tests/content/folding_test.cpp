// The searchable texts of DIC.DAT are folded by the program's own Arabic
// folding, so that a folded search text finds every word of the book.

#include "contentfixture.h"

#include "store/arabicfold.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace tilvora::content_test {
namespace {

using Folding = ContentDatabase;

// Blanks of every kind: the texts join pause marks to words with no-break spaces.
const QRegularExpression& blanks()
{
    static const QRegularExpression pattern(u"\\s+"_s, QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

QSet<QString> wordsOf(const QString& text)
{
    QSet<QString> words;
    for (const QString& word : text.split(blanks(), Qt::SkipEmptyParts))
        words.insert(word);
    return words;
}

TEST_F(Folding, EverySearchableTextIsAlreadyFolded)
{
    int checked = 0;
    for (const QStringList& row : rows(u"SELECT DetailID, DataSearchable FROM AP_Detail_TAB "
                                       "WHERE DataSearchable IS NOT NULL"_s)) {
        ++checked;
        EXPECT_EQ(store::foldArabic(row.value(1)), row.value(1)) << "detail " << row.value(0).toStdString();
    }
    EXPECT_GT(checked, 6236 * 5);
}

TEST_F(Folding, EveryWordOfTheBookFoldedIsFoundInEachOfItsVerses)
{
    QHash<int, QSet<QString>> searchableWords;
    for (const QStringList& row : rows(u"SELECT AyahRef, DataSearchable FROM AP_Detail_TAB WHERE MasterID = 1"_s))
        searchableWords.insert(row.value(0).toInt(), wordsOf(row.value(1)));
    ASSERT_EQ(searchableWords.size(), 6236);

    int misses = 0;
    const auto wordRows = rows(u"SELECT Word, AyahRef FROM RF_Word_TAB"_s);
    for (const QStringList& row : wordRows) {
        const QString folded = store::foldArabic(row.value(0));
        if (!searchableWords.value(row.value(1).toInt()).contains(folded) && ++misses <= 10)
            ADD_FAILURE() << row.value(0).toStdString() << " folded is not in the searchable text of verse "
                          << row.value(1).toStdString();
    }
    EXPECT_EQ(misses, 0);
    EXPECT_GT(wordRows.size(), 50000);
}

TEST_F(Folding, TheVowelledTextFoldsToItsSearchableText)
{
    // The simple text with vowel marks, folded, holds the same words as the
    // searchable text built from the text without them.
    static const QRegularExpression noLetter(u"^[^\\x{0621}-\\x{064A}]*$"_s);
    int differing = 0;
    for (const QStringList& row :
        rows(u"SELECT AyahRef, Data, DataSearchable FROM AP_Detail_TAB WHERE MasterID = 2"_s)) {
        QStringList words = store::foldArabic(row.value(1)).split(blanks(), Qt::SkipEmptyParts);
        words.removeIf([](const QString& w) { return noLetter.match(w).hasMatch(); });
        if (words.join(u' ') != row.value(2) && ++differing <= 5)
            ADD_FAILURE() << "verse " << row.value(0).toStdString() << ": " << words.join(u' ').toStdString() << " <> "
                          << row.value(2).toStdString();
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace tilvora::content_test
