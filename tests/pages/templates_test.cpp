#include "pages/templates.h"

#include "support/fixturedb.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::pages::pageHead;
using tilvora::pages::pageStyle;
using tilvora::pages::pageTail;
using tilvora::store::SharedState;
using tilvora::testing::FixtureDb;

namespace {

const QString kBase[8] = {
    u".CSS0 {color=#2f4f4f; cursor:default; border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #dcf3dc; "_s,
    u".CSS0_Sel {color=#437db0; cursor:hand; border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #dcf3dc; "_s,
    u".CSS1 {color=#2f4f4f; cursor:default;  border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #faf0e6; "_s,
    u".CSS1_Sel {color=#437db0; cursor:hand;  border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #faf0e6; "_s,
    u".CSS2 {color=#2f4f4f; cursor:default;  border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #f0f8ff; "_s,
    u".CSS2_Sel {color=#437db0; cursor:hand; border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center; background-color: #f0f8ff; "_s,
    u".CSS3 {color=#2f4f4f; cursor:default;  border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #ededed; "_s,
    u".CSS3_Sel {color=#437db0; cursor:hand;  border: -1px solid; border-color: white; height: 15; vertical-align: middle; text-align: center;  background-color: #ededed; "_s,
};
const QString kTahoma = u" direction: rtl; font-family: Tahoma; font-size: 14; font-weight: bold; }"_s;

// The style sheet with the given ending for each of the eight class lines.
QString styleSheet(const QStringList& suffixes)
{
    QString style
        = u"\r\n<style type=text/css>"
          u"\r\nBODY {background-color: white; border: 0px; topmargin: 0px; leftmargin: 0px; rightmargin: 0px; "
          u"onkeydown =\"f(event)\"}"
          u"\r\n.Sura {border: 1px groove; dir: rtl; cellspacing: 0px; align: center; width: 100%; topmargin: 0px; leftmargin: 0px; rightmargin: 0px;}"_s;
    for (int line = 0; line < 8; ++line)
        style += u"\r\n"_s + kBase[line] + suffixes.value(line);
    return style + u"\r\n</style>"_s;
}

QString styleOf(FixtureDb& db)
{
    SharedState state;
    db.open(state);
    QString style = pageStyle(state);
    EXPECT_EQ(state.gPrograms.filter(), QString()); // left unfiltered for the next reader
    return style;
}

} // namespace

TEST(PageTemplates, HeadAndTailAreTheFixedTexts)
{
    SharedState noPrograms; // a closed program list: every slot keeps its base text
    EXPECT_EQ(pageHead(noPrograms),
        u"<html dir=\"rtl\" > "
        u"\r\n<head>"
        u"\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        u"\r\n<title>Tilvora</title>"
        u"\r\n</head>"
        u"\r\n<SCRIPT FOR=document EVENT=oncontextmenu DEFER>return false;</SCRIPT>"
        u"\r\n<SCRIPT FOR=document EVENT=onselectstart DEFER>return false;</SCRIPT>"_s
            + styleSheet({}));
    EXPECT_EQ(pageTail(),
        u"\r\n<SCRIPT LANGUAGE=VBScript>\r\n<!--\r\nSub f(n)\r\nkeyascii2 = n.keyCode"
        u"\r\nIf keyascii2 = 116 Then\r\nwindow.event.returnValue = False"
        u"\r\nwindow.event.cancelBubble = True\r\nwindow.event.keyCode = 0\r\nElse\r\nEnd If"
        u"\r\nEnd Sub\r\n-->\r\n</SCRIPT>\r\n</BODY></HTML>"_s);

    // The blanks differ from slot to slot; the line lengths pin them down.
    const QStringList lines = pageStyle(noPrograms).split(u"\r\n"_s);
    const int lengths[] = {0, 21, 117, 134, 163, 164, 164, 165, 164, 163, 164, 165, 8};
    ASSERT_EQ(lines.size(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i;
}

TEST(PageTemplates, SelectedTextProgramsFillTheirSlots)
{
    { // one program at order 0: slot 0 closed, the others open
        FixtureDb db;
        db.program(1, FixtureDb::Matan, true, 0);
        db.program(2, FixtureDb::Translation, false, 1); // not selected
        EXPECT_EQ(styleOf(db), styleSheet({kTahoma, kTahoma}));
    }
    { // a translation at order 2 fills slot 2 only
        FixtureDb db;
        db.program(5, FixtureDb::Translation, true, 2, u"ltr"_s, u"Arial"_s, u"12px"_s, 400);
        const QString arial = u" direction: ltr; font-family: Arial; font-size: 12px; font-weight: 400; }"_s;
        EXPECT_EQ(styleOf(db), styleSheet({{}, {}, {}, {}, arial, arial}));
    }
    { // two programs in one slot both add, in record order; a Null font leaves a gap
        FixtureDb db;
        db.program(1, FixtureDb::Tafseer, true, 3, u"rtl"_s, QVariant());
        db.program(2, FixtureDb::Tafseer, true, 3);
        const QString both = u" direction: rtl; font-family: ; font-size: 14; font-weight: bold; }"_s + kTahoma;
        EXPECT_EQ(styleOf(db), styleSheet({{}, {}, {}, {}, {}, {}, both, both}));
    }
}

TEST(PageTemplates, OtherProgramsStyleNothing)
{
    FixtureDb db;
    db.program(1, FixtureDb::Voice, true, 0); // a voice is no text program
    db.program(2, FixtureDb::Translation, true, 7); // an order with no class slot
    db.program(3, FixtureDb::Translation, true, -1);
    EXPECT_EQ(styleOf(db), styleSheet({}));
}
