#include "mushafpage.h"

#include "store/connection.h"
#include "store/dberror.h"

#include <QStringList>

#include <algorithm>

namespace tilvora::mushaf {

namespace {

constexpr char16_t kNoBreakSpace = u'\u00A0';

bool isVerseNumber(const QString& word)
{
    return !word.isEmpty()
        && std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() >= 0x660 && c.unicode() <= 0x669; });
}

bool hasLetter(const QString& word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

std::vector<Word> MushafPage::splitWords(const QString& text, qint32 first)
{
    std::vector<Word> words;
    qint32 verse = first;
    qsizetype start = 0;
    bool joined = false;
    const auto take = [&](qsizetype end, bool nextJoined) {
        const QString word = text.mid(start, end - start);
        if (!word.isEmpty()) {
            Word w{word, Word::Kind::Letters, verse, joined};
            if (isVerseNumber(word)) {
                w.kind = Word::Kind::VerseEnd;
                ++verse;
            } else if (!hasLetter(word)) {
                w.kind = Word::Kind::Sign;
                w.ayahRef = verse;
            }
            words.push_back(w);
        }
        start = end + 1;
        joined = nextJoined;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ') || text[i] == QChar(kNoBreakSpace))
            take(i, text[i] == QChar(kNoBreakSpace));
    }
    take(text.size(), false);
    return words;
}

QString MushafPage::verseText(store::Connection& connection, qint32 ayahRef)
{
    store::RecordSet lines
        = connection.openRecordSet(QStringLiteral("SELECT Data, FirstAyahRef FROM MS_Line_TAB WHERE Kind = "
                                                  "'text' AND FirstAyahRef <= %1 AND LastAyahRef >= %1 "
                                                  "ORDER BY PageNo, LineNo")
                                       .arg(ayahRef));
    QStringList words;
    // A new record set stands on its first row.
    for (; !lines.eof(); lines.moveNext()) {
        for (const Word& word : splitWords(lines.text(0), lines.value(1).toInt())) {
            if (word.kind == Word::Kind::Letters && word.ayahRef == ayahRef)
                words << word.text;
        }
    }
    return words.join(QLatin1Char(' '));
}

MushafPage MushafPage::load(store::Connection& connection, const MushafIndex& index, int page)
{
    if (!index.isPage(page))
        throw store::RefusedValue(QStringLiteral("There is no page %1 in the mushaf.").arg(page));
    MushafPage result;
    result.page = page;
    store::RecordSet texts = connection.openRecordSet(
        QStringLiteral("SELECT LineNo, Data FROM MS_Line_TAB WHERE PageNo = %1 ORDER BY LineNo").arg(page));
    std::size_t k = 0;
    const std::span<const LineEntry> entries = index.linesOf(page);
    for (; !texts.eof() && k < entries.size(); texts.moveNext(), ++k) {
        const LineEntry& entry = entries[k];
        PageLine line{entry.line, entry.kind, entry.surah, texts.text(1), {}};
        if (entry.kind == LineKind::Text)
            line.words = splitWords(line.text, entry.first);
        result.lines.push_back(std::move(line));
    }
    return result;
}

} // namespace tilvora::mushaf
