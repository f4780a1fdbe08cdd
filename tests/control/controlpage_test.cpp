#include "controlfixture.h"

#include "control/controlpage.h"
#include "support/files.h"

using namespace Qt::Literals::StringLiterals;
using tilvora::control::buildControlPage;
using tilvora::control::composeControlPage;
using tilvora::testing::readPageFile;

namespace {

// The page's fixed lines, written out here independently of the builder.
const QStringList kHead = {
    u"<html dir=\"rtl\" > "_s,
    u"<head>"_s,
    u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"_s,
    u"<title>Tilvora Control</title>"_s,
    u"</head>"_s,
    u"<body scroll =no topmargin =0 bottommargin = 0 rightmargin=7 onkeydown =\"f(event)\">"_s,
    u"<SCRIPT FOR=document EVENT=oncontextmenu DEFER>return false;</SCRIPT>"_s,
    u"<SCRIPT FOR=document EVENT=onselectstart DEFER>return false;</SCRIPT>"_s,
    u"<style type=text/css>"_s,
    u"a {cursor: hand; text-decoration: none; font-weight: bold;}"_s,
    u"BODY {background-color: white; border: 0px}"_s,
    u"#CSS0 {width: 185px; height: 5; font-family: Tahoma; font-size: 12px}"_s,
    u"#CSS1 {font-family: Tahoma; font-size: 12px; height: 5; width: 185px}"_s,
    u"</style>"_s,
};

const QStringList kScript = {
    u"<SCRIPT LANGUAGE=VBScript>"_s,
    u"<!--"_s,
    u"Sub f(n)"_s,
    u"keyascii2 = n.keyCode"_s,
    u"If keyascii2 = 116 Then"_s,
    u"window.event.returnValue = False"_s,
    u"window.event.cancelBubble = True"_s,
    u"window.event.keyCode = 0"_s,
    u"Else"_s,
    u"End If"_s,
    u"End Sub"_s,
    u"Sub s(n)"_s,
    u"dim xxx"_s,
    u"set xxx=document.activeElement"_s,
    u"a= xxx.value "_s,
    u"window.navigate (\"_Control.htm__\" & n & \" = \"& a)"_s,
    u"End Sub"_s,
    u"-->"_s,
    u"</SCRIPT>"_s,
    u"</body>"_s,
    u"</html>"_s,
};

const QString kMatanSelect
    = u"<select  ID=\"CSS0\" size=\"1\" class=\"Row0\" Title=\"&#1614;\" onchange=\"s(this.className)\" dir=\"rtl\" "
      "style=\" width: 185px; height: 5; font-family: Tahoma; font-size: 12px \">"_s;

QString rowSelect(int n)
{
    return u"<select  ID=\"CSS0\" size=\"1\" class=\"Row%1\" Title=\"&#1614;\" onchange=\"s(this.className)\" "
           "dir=\"rtl\" style=\"width: 185px; height: 5; font-family: Tahoma; font-size: 12px \">"_s.arg(n);
}

QString option(const QString& id, const QString& name)
{
    return u"<option  value=\"%1\" >%2</option>"_s.arg(id, name);
}

QString page(const QStringList& body)
{
    return (kHead + body + kScript).join(u"\r\n"_s);
}

// The option values of each list in page order (Row0, Row1, Row2, Row3).
QList<QStringList> listValues(const QString& text)
{
    QList<QStringList> lists;
    for (const QString& line : text.split(u"\r\n"_s)) {
        if (line.startsWith(u"<select"_s))
            lists.append(QStringList());
        else if (line.startsWith(u"<option  value=\""_s))
            lists.last() << line.section(u'"', 1, 1);
    }
    return lists;
}

// The voice lines of a page.
QStringList voiceLines(const QString& text)
{
    return text.split(u"\r\n"_s).filter(u"<input type=\"radio\""_s);
}

class ControlPageTest : public ControlFixture { };

TEST_F(ControlPageTest, WholePageForATypicalProgramTable)
{
    add({.id = 1, .type = kMatan, .master = u"Uthmani"_s, .selected = true, .order = 0});
    add({.id = 2, .type = kMatan, .master = u"Simple"_s, .order = 0});
    add({.id = 10, .type = kTranslation, .master = u"English"_s, .selected = true, .order = 1});
    add({.id = 11, .type = kTranslation, .master = u"Urdu"_s, .selected = true, .order = 2});
    add({.id = 12, .type = kTranslation, .master = u"French"_s, .order = 0});
    add({.id = 20, .type = kTafseer, .master = u"Notes"_s, .selected = true, .order = 3});
    add({.id = 30, .type = kVoice, .master = u"Reader A"_s, .selected = true, .order = 0, .data = u"/media/a"_s});
    add({.id = 31, .type = kVoice, .master = u"Reader B"_s, .order = 1});
    addDetails(30, {1, 2, 3});
    addDetails(31, {7});
    loadPrograms();

    const QString path = buildControlPage(m_state);

    EXPECT_EQ(path, m_db.folder() + u"/Control.htm"_s);
    const QString expected = page({
        u"<p>"_s,
        kMatanSelect,
        option(u"1"_s, u"Uthmani"_s),
        option(u"2"_s, u"Simple"_s),
        u"</select>"_s,
        u"<br>"_s,
        // Programs of both text types in list order: French (0), English (1),
        // Urdu (2), Notes (3); the program at n heads list n.
        rowSelect(1),
        option(u"10"_s, u"English"_s),
        option(u"12"_s, u"French"_s),
        option(u"11"_s, u"Urdu"_s),
        option(u"20"_s, u"Notes"_s),
        u"</select>"_s,
        u"<br>"_s,
        rowSelect(2),
        option(u"11"_s, u"Urdu"_s),
        option(u"12"_s, u"French"_s),
        option(u"10"_s, u"English"_s),
        option(u"20"_s, u"Notes"_s),
        u"</select>"_s,
        u"<br>"_s,
        rowSelect(3),
        option(u"20"_s, u"Notes"_s),
        option(u"12"_s, u"French"_s),
        option(u"10"_s, u"English"_s),
        option(u"11"_s, u"Urdu"_s),
        u"</select>"_s,
        u"<br>"_s,
        u"</p>"_s,
        u"<p ID=\"CSS1\">"_s,
        u"<input type=\"radio\" value=\"30\" class=\"Voice\" name=\"R\" onclick=\"s(this.className)\" checked=yes "
        ">Reader A <a title='/media/a' href=\"_Control.htm__SetV = 30\">... </a><br> "_s,
        u"<input type=\"radio\" value=\"31\" class=\"Voice\" name=\"R\" onclick=\"s(this.className)\" >Reader B "
        "<a  title='' href=\"_Control.htm__SetV = 31\">... </a><br> "_s,
        u"</p>"_s,
    });
    EXPECT_EQ(readPageFile(path), expected);

    EXPECT_EQ(m_state.gMatanIds, u"1,2"_s);
    EXPECT_EQ(m_state.gTranslationTafseerIds, u"12,10,11,20"_s);
    EXPECT_EQ(m_state.gVoiceIds, u"30,31"_s);
    EXPECT_EQ(detailRefs(), u"1,2,3"_s);
    EXPECT_TRUE(m_state.gPrograms.filter().isEmpty());
    EXPECT_EQ(m_state.gPrograms.recordCount(), 8);
}

TEST_F(ControlPageTest, EmptyProgramTableGivesHeadAndScriptOnly)
{
    loadPrograms();
    m_state.gMatanIds = u"earlier"_s;

    const QString path = buildControlPage(m_state);

    EXPECT_EQ(readPageFile(path), page({}));
    EXPECT_EQ(m_state.gMatanIds, u"earlier"_s);
    EXPECT_FALSE(m_state.gDetails.isOpen());
}

TEST_F(ControlPageTest, ListOrderEdgeCases)
{
    // Two matans selected; two programs at position 1; one at 0 and one Null
    // (at no position); nothing at position 2.
    add({.id = 1, .type = kMatan, .master = u"A"_s, .order = 0});
    add({.id = 2, .type = kMatan, .master = u"B"_s, .selected = true, .order = 0});
    add({.id = 3, .type = kMatan, .master = u"C"_s, .selected = true, .order = 0});
    add({.id = 10, .type = kTranslation, .master = u"Zero"_s, .order = 0});
    add({.id = 11, .type = kTranslation, .master = u"OneA"_s, .selected = true, .order = 1});
    add({.id = 12, .type = kTranslation, .master = u"OneB"_s, .selected = true, .order = 1});
    add({.id = 13, .type = kTafseer, .master = u"Null"_s, .order = QVariant()});
    add({.id = 14, .type = kTafseer, .master = u"Three"_s, .selected = true, .order = 3});
    loadPrograms();
    m_state.gPrograms.setFilter(u"(SysTerm_MasterTypeID='VOICE')"_s);

    const QList<QStringList> lists = listValues(composeControlPage(m_state));

    ASSERT_EQ(lists.size(), 4);
    // The first selected matan heads; the other selected one is not offered.
    EXPECT_EQ(lists[0], (QStringList{u"2"_s, u"1"_s}));
    // The first at position 1 heads list 1; the other is left out of it.
    EXPECT_EQ(lists[1], (QStringList{u"11"_s, u"10"_s, u"13"_s, u"14"_s}));
    // No heading at position 2; positions 0 and Null are offered everywhere.
    EXPECT_EQ(lists[2], (QStringList{u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s}));
    EXPECT_EQ(lists[3], (QStringList{u"14"_s, u"10"_s, u"11"_s, u"12"_s, u"13"_s}));
    EXPECT_EQ(m_state.gMatanIds, u"1,2,3"_s);
    EXPECT_EQ(m_state.gTranslationTafseerIds, u"10,11,12,13,14"_s);
    // A filter left on the program list is ignored and cleared.
    EXPECT_TRUE(m_state.gPrograms.filter().isEmpty());
    EXPECT_EQ(m_state.gPrograms.recordCount(), 8);
}

TEST_F(ControlPageTest, SelectedVoicesAreCheckedAndTheLastOnesDetailsStayOpen)
{
    add({.id = 30, .type = kVoice, .master = u"A"_s, .selected = true, .order = 0});
    add({.id = 31, .type = kVoice, .master = u"B"_s, .order = 1});
    add({.id = 32, .type = kVoice, .master = u"C"_s, .selected = true, .order = 2});
    addDetails(30, {1});
    addDetails(31, {4});
    addDetails(32, {5, 6});
    loadPrograms();

    const QStringList lines = voiceLines(composeControlPage(m_state));

    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains(u"checked=yes >A <a title="_s));
    EXPECT_TRUE(lines[1].contains(u"onclick=\"s(this.className)\" >B <a  title="_s));
    EXPECT_TRUE(lines[2].contains(u"checked=yes >C <a title="_s));
    EXPECT_EQ(detailRefs(), u"5,6"_s);

    execute(u"UPDATE AP_Master_TAB SET UserSelection = 0"_s);
    loadPrograms();
    m_state.gDetails = {};
    EXPECT_FALSE(composeControlPage(m_state).contains(u"checked=yes"_s));
    EXPECT_FALSE(m_state.gDetails.isOpen());
}

TEST_F(ControlPageTest, MissingPartsGiveListsWithoutThoseOptions)
{
    // No matan selected, nothing at positions 1 and 3, no voice at all.
    add({.id = 1, .type = kMatan, .master = u"A"_s, .order = 0});
    add({.id = 10, .type = kTranslation, .master = u"T"_s, .selected = true, .order = 2});
    loadPrograms();

    QString text = composeControlPage(m_state);

    EXPECT_EQ(listValues(text), (QList<QStringList>{{u"1"_s}, {u"10"_s}, {u"10"_s}, {u"10"_s}}));
    EXPECT_TRUE(text.contains(u"<p ID=\"CSS1\">\r\n</p>\r\n<SCRIPT LANGUAGE=VBScript>"_s));
    EXPECT_EQ(m_state.gVoiceIds, QString());

    // Only a voice: every list is written, with no option.
    execute(u"DELETE FROM AP_Master_TAB"_s);
    add({.id = 30, .type = kVoice, .master = u"V"_s, .order = 0});
    loadPrograms();
    text = composeControlPage(m_state);
    EXPECT_TRUE(text.contains(
        u"<p>\r\n"_s + kMatanSelect + u"\r\n</select>\r\n<br>\r\n"_s + rowSelect(1) + u"\r\n</select>\r\n<br>\r\n"_s));
    EXPECT_TRUE(text.contains(rowSelect(3) + u"\r\n</select>\r\n<br>\r\n</p>\r\n<p ID=\"CSS1\">\r\n<input"_s));
    EXPECT_EQ(m_state.gMatanIds, QString());
    EXPECT_EQ(m_state.gTranslationTafseerIds, QString());
    EXPECT_EQ(m_state.gVoiceIds, u"30"_s);
}

TEST_F(ControlPageTest, NamesAndFoldersAreHtmlEscaped)
{
    add({.id = 1, .type = kMatan, .master = u"<b>A & \"B\"</b>"_s, .selected = true});
    add({.id = 30,
        .type = kVoice,
        .master = u"Qari's"_s,
        .selected = true,
        .order = 0,
        .data = u"/media/Qari's <new> & \"old\""_s});
    loadPrograms();

    const QString text = composeControlPage(m_state);

    EXPECT_TRUE(text.contains(option(u"1"_s, u"&lt;b&gt;A &amp; &quot;B&quot;&lt;/b&gt;"_s)));
    EXPECT_TRUE(text.contains(u">Qari&#39;s <a title='/media/Qari&#39;s &lt;new&gt; &amp; &quot;old&quot;' "
                              "href=\"_Control.htm__SetV = 30\">"_s));
}

} // namespace
