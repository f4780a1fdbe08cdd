// The four picker pages: encoding, selector ids, the captions that send
// nothing, the lists they offer (checked against DIC.DAT), and the command
// each pick sends. The page script's command expression is evaluated here
// piece by piece, so a page that builds a malformed command fails.

#include "contentfixture.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QUrl>

namespace tilvora::content_test {
namespace {

struct Option {
    QString value;
    QString text;
};

struct Selector {
    QString id;
    QString command; // the name passed to send() by its change handler
    QList<Option> options;
};

QString unescapeHtml(QString text)
{
    text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s);
    text.replace(u"&#39;"_s, u"'"_s).replace(u"&amp;"_s, u"&"_s);
    return text;
}

struct Page {
    QString html;
    QList<Selector> selectors;

    static Page load(const QString& name)
    {
        Page page;
        QFile file(contentFile(name));
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << name.toStdString();
            return page;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        page.html = utf8.decode(file.readAll());
        EXPECT_FALSE(utf8.hasError()) << name.toStdString() << " is not valid UTF-8";

        static const QRegularExpression select(
            u"<select\\b([^>]*)>(.*?)</select>"_s, QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression id(u"\\bid=\"([^\"]*)\""_s);
        static const QRegularExpression onchange(u"\\bonchange=\"send\\('(\\w+)', this\\.value\\)\""_s);
        static const QRegularExpression option(u"<option\\b[^>]*?value=\"([^\"]*)\"[^>]*>([^<]*)</option>"_s);
        for (const auto& s : select.globalMatch(page.html)) {
            Selector selector;
            selector.id = id.match(s.captured(1)).captured(1);
            selector.command = onchange.match(s.captured(1)).captured(1);
            for (const auto& o : option.globalMatch(s.captured(2)))
                selector.options << Option{unescapeHtml(o.captured(1)), unescapeHtml(o.captured(2))};
            page.selectors << selector;
        }
        return page;
    }

    const Selector* selector(const QString& id) const
    {
        for (const auto& s : selectors)
            if (s.id == id)
                return &s;
        return nullptr;
    }
};

// encodeURIComponent: everything but A-Z a-z 0-9 - _ . ! ~ * ' ( ) is escaped.
QString encodeUriComponent(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, "!~*'()"));
}

// Evaluates the URL expression of the page's send(name, value): a sum of
// quoted literals, `name` and `encodeURIComponent(value)`. Returns an empty
// text when the expression has any other form.
QString commandUrl(const QString& html, const QString& name, const QString& value)
{
    static const QRegularExpression send(
        u"function send\\(name, value\\) \\{(.*?)\\n\\}"_s, QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression assignment(u"location\\.href = ([^;]*);"_s);
    const QString body = send.match(html).captured(1);
    const QString expression = assignment.match(body).captured(1);
    if (expression.isEmpty())
        return {};
    QString url;
    for (const QString& piece : expression.split(u" + "_s)) {
        if (piece.size() >= 2 && piece.startsWith(u'\'') && piece.endsWith(u'\''))
            url += piece.mid(1, piece.size() - 2);
        else if (piece == u"name"_s)
            url += name;
        else if (piece == u"encodeURIComponent(value)"_s)
            url += encodeUriComponent(value);
        else
            return {};
    }
    return url;
}

class PickerPages : public ContentDatabase {
protected:
    static QStringList values(const Selector& s)
    {
        QStringList out;
        for (qsizetype i = 1; i < s.options.size(); ++i)
            out << s.options[i].value;
        return out;
    }

    static QStringList numbers(int from, int to)
    {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << QString::number(i);
        return out;
    }
};

TEST_F(PickerPages, EachPageHasItsSelectorsWithCaptionsThatSendNothing)
{
    const QMap<QString, QList<std::pair<QString, QString>>> expected = {
        {u"WebSurah.Htm"_s, {{u"cmbSurah"_s, u"Surah"_s}, {u"cmbParah"_s, u"Parah"_s}, {u"cmbRoot"_s, u"Root"_s}}},
        {u"WebWord.Htm"_s, {{u"cmbWord"_s, u"Word"_s}}},
        {u"WebSubject.Htm"_s, {{u"cmbSubject"_s, u"Subject"_s}}},
        {u"WebSearch.Htm"_s, {}},
    };
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const Page page = Page::load(it.key());
        EXPECT_TRUE(page.html.contains(u"<meta charset=\"utf-8\">"_s, Qt::CaseInsensitive));
        ASSERT_EQ(page.selectors.size(), it.value().size());
        for (const auto& [id, command] : it.value()) {
            const Selector* s = page.selector(id);
            ASSERT_NE(s, nullptr) << id.toStdString();
            EXPECT_EQ(s->command, command) << id.toStdString();
            ASSERT_GE(s->options.size(), 2) << id.toStdString();
            EXPECT_EQ(s->options.first().value, QString()) << "first option of " << id.toStdString();
            EXPECT_FALSE(s->options.first().text.isEmpty()) << "caption of " << id.toStdString();
            for (qsizetype i = 1; i < s->options.size(); ++i)
                EXPECT_FALSE(s->options[i].value.isEmpty()) << id.toStdString() << " option " << i;
        }
    }
}

TEST_F(PickerPages, PicksSendWellFormedCommands)
{
    for (const QString& name : {u"WebSurah.Htm"_s, u"WebWord.Htm"_s, u"WebSubject.Htm"_s, u"WebSearch.Htm"_s}) {
        SCOPED_TRACE(name.toStdString());
        const Page page = Page::load(name);
        // Nothing is sent for the caption's empty value.
        EXPECT_TRUE(page.html.contains(u"if (value === null || value === undefined || value === '') return;"_s));
        // A relative URL that the host decodes once into "__Name = value".
        EXPECT_EQ(commandUrl(page.html, u"Surah"_s, u"2"_s), u"__Surah = 2"_s);
        const QString typed = u"رحمة? 50% #x & y"_s;
        const QString url = commandUrl(page.html, u"Search"_s, typed);
        EXPECT_FALSE(url.contains(u'?') || url.contains(u'#')) << "would split into query or fragment";
        EXPECT_EQ(QUrl::fromPercentEncoding(url.toUtf8()), u"__Search = "_s + typed);
    }
}

TEST_F(PickerPages, ChapterAndPartListsAreComplete)
{
    const Page page = Page::load(u"WebSurah.Htm"_s);
    const Selector* surah = page.selector(u"cmbSurah"_s);
    const Selector* parah = page.selector(u"cmbParah"_s);
    ASSERT_TRUE(surah && parah);
    EXPECT_EQ(values(*surah), numbers(1, 114));
    EXPECT_EQ(values(*parah), numbers(1, 30));
    // Each chapter shows its Arabic name and its transliteration.
    const auto names = rows(u"SELECT SurahNo, SurahName, Transliteration FROM GN_Surah_TAB ORDER BY SurahNo"_s);
    ASSERT_EQ(names.size(), 114);
    for (int i = 0; i < 114; ++i) {
        const QString text = surah->options.value(i + 1).text;
        EXPECT_TRUE(text.contains(names[i][1]) && text.contains(names[i][2])) << text.toStdString();
    }
}

TEST_F(PickerPages, RootWordAndSubjectListsMatchTheDatabase)
{
    const Page surahPage = Page::load(u"WebSurah.Htm"_s);
    const Selector* root = surahPage.selector(u"cmbRoot"_s);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->options.first().text.contains(u"approx"_s)) << "roots are marked approximate";
    EXPECT_EQ(values(*root),
        column(u"SELECT DISTINCT RootWord FROM RF_Word_TAB WHERE RootWord IS NOT NULL "
               "ORDER BY RootWord COLLATE BINARY"_s));

    const Page wordPage = Page::load(u"WebWord.Htm"_s);
    const Selector* word = wordPage.selector(u"cmbWord"_s);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(values(*word), column(u"SELECT DISTINCT Word FROM RF_Word_TAB ORDER BY Word COLLATE BINARY"_s));

    const Page subjectPage = Page::load(u"WebSubject.Htm"_s);
    const Selector* subject = subjectPage.selector(u"cmbSubject"_s);
    ASSERT_NE(subject, nullptr);
    EXPECT_EQ(values(*subject), column(u"SELECT SubjectID FROM GN_Subject_TAB ORDER BY SubjectID"_s));
}

TEST_F(PickerPages, SearchBoxSubmitsOnEnterAndOnItsButton)
{
    const Page page = Page::load(u"WebSearch.Htm"_s);
    static const QRegularExpression form(u"<form\\b[^>]*onsubmit=\"return (\\w+)\\(\\)\"[^>]*>(.*?)</form>"_s,
        QRegularExpression::DotMatchesEverythingOption);
    const auto match = form.match(page.html);
    ASSERT_TRUE(match.hasMatch());
    EXPECT_TRUE(match.captured(2).contains(u"id=\"txtSearch\""_s));
    EXPECT_TRUE(match.captured(2).contains(u"<button type=\"submit\""_s));
    // The submit handler sends the typed text as a search and cancels the form's own navigation.
    const QRegularExpression handler(u"function "_s + match.captured(1) + u"\\(\\) \\{(.*?)\\n\\}"_s,
        QRegularExpression::DotMatchesEverythingOption);
    const QString body = handler.match(page.html).captured(1);
    EXPECT_TRUE(body.contains(u"send('Search', text);"_s));
    EXPECT_TRUE(body.trimmed().endsWith(u"return false;"_s));
}

TEST_F(PickerPages, PagesLoadNothingFromTheNetwork)
{
    static const QRegularExpression remote(
        u"(https?:|ftp:|//[\\w.-]+/|<link\\b|<img\\b|<iframe\\b|@import)"_s, QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : {u"WebSurah.Htm"_s, u"WebWord.Htm"_s, u"WebSubject.Htm"_s, u"WebSearch.Htm"_s}) {
        const Page page = Page::load(name);
        const auto hit = remote.match(page.html);
        EXPECT_FALSE(hit.hasMatch()) << name.toStdString() << ": " << hit.captured(0).toStdString();
    }
}

} // namespace
} // namespace tilvora::content_test
