#include "pagemarkup.h"

namespace tilvora::mushaf {

namespace {

// The margin's words for a division that begins on a line.
QString markText(const DivisionMark& mark)
{
    if (mark.division == QLatin1String("part"))
        return QStringLiteral("الجزء ") + arabicDigits(mark.number);
    if (mark.division == QLatin1String("quarter")) {
        static const QString kShares[] = {QString(), QStringLiteral("¼ "), QStringLiteral("½ "), QStringLiteral("¾ ")};
        const int hizb = (mark.number + 3) / 4;
        return kShares[(mark.number - 1) % 4] + QStringLiteral("الحزب ") + arabicDigits(hizb);
    }
    if (mark.division == QLatin1String("sajda"))
        return QStringLiteral("۩");
    return {};
}

QString marksOf(const PageDivisions& divisions, int line)
{
    QString marks;
    for (const DivisionMark& mark : divisions.beginning) {
        const QString text = markText(mark);
        if (mark.line == line && !text.isEmpty())
            marks += QStringLiteral("<span class=\"mk %1\">%2</span>").arg(mark.division, text);
    }
    return marks.isEmpty() ? marks : QStringLiteral("<div class=\"marks\">%1</div>").arg(marks);
}

void markWords(const PageLine& line, SpreadMarkup& spread, QString& html)
{
    bool first = true;
    for (const Word& word : line.words) {
        if (!first)
            html += word.joined ? QStringLiteral("&nbsp;") : QStringLiteral(" ");
        first = false;
        const QString text = word.text.toHtmlEscaped();
        switch (word.kind) {
        case Word::Kind::Letters:
            html += QStringLiteral("<span class=\"w\" data-v=\"%1\" data-i=\"%2\">%3</span>")
                        .arg(word.ayahRef)
                        .arg(spread.words.size())
                        .arg(text);
            spread.words.push_back({line.number, word.ayahRef});
            break;
        case Word::Kind::VerseEnd:
            html += QStringLiteral("<span class=\"e\" data-v=\"%1\">%2</span>").arg(word.ayahRef).arg(text);
            break;
        case Word::Kind::Sign:
            html += QStringLiteral("<span class=\"s\">%1</span>").arg(text);
            break;
        }
    }
}

void markPage(const MushafPage& page, const MushafIndex& index, SpreadMarkup& spread)
{
    const PageDivisions divisions = index.divisionsAt(page.page);
    QString& html = spread.html;
    html += QStringLiteral("<div class=\"page %1\" data-page=\"%2\"><div class=\"lines\">")
                .arg(page.page % 2 == 1 ? QStringLiteral("odd") : QStringLiteral("even"))
                .arg(page.page);
    for (const PageLine& line : page.lines) {
        html += QStringLiteral("<div class=\"line\" data-l=\"%1\">").arg(line.number);
        switch (line.kind) {
        case LineKind::Title:
            html += QStringLiteral("<div class=\"title\" data-s=\"%1\">%2</div>")
                        .arg(line.surah)
                        .arg(line.text.toHtmlEscaped());
            break;
        case LineKind::Basmala:
            html += QStringLiteral("<div class=\"basmala\">%1</div>").arg(line.text.toHtmlEscaped());
            break;
        case LineKind::Text:
            html += QStringLiteral("<div class=\"text\">");
            markWords(line, spread, html);
            html += QStringLiteral("</div>");
            break;
        }
        html += marksOf(divisions, line.number);
        html += QStringLiteral("</div>");
    }
    html += QStringLiteral("</div><div class=\"number\">%1</div></div>").arg(arabicDigits(page.page));
}

} // namespace

QString arabicDigits(int number)
{
    QString text = QString::number(number);
    for (QChar& c : text)
        c = QChar(c.unicode() - u'0' + 0x660);
    return text;
}

SpreadMarkup markSpread(const std::vector<MushafPage>& pages, const MushafIndex& index)
{
    SpreadMarkup spread;
    spread.html = QStringLiteral("<div class=\"spread\">");
    for (const MushafPage& page : pages)
        markPage(page, index, spread);
    spread.html += QStringLiteral("</div>");
    return spread;
}

} // namespace tilvora::mushaf
