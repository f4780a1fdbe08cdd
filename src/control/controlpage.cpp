#include "control/controlpage.h"

#include "control/filterclearer.h"
#include "control/htmltext.h"
#include "pages/pagefile.h"
#include "pages/templates.h"
#include "store/queryhelpers.h"
#include "store/recordset.h"

#include <QStringList>

namespace tilvora::control {

using namespace Qt::Literals::StringLiterals;
using store::RecordSet;
using store::SharedState;

namespace {

const QString kTrue = u"True"_s;

// The page's fixed opening: document head, the scripts that switch off the
// context menu and text selection, and the style sheet of the lists (#CSS0)
// and the voice paragraph (#CSS1).
const QStringList kHeadLines = {
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

// The page's closing: f swallows F5 so the pane cannot be reloaded; s sends
// the class name of the changed list or button and the active element's value
// as a control command.
const QStringList kScriptLines = QStringList{u"<SCRIPT LANGUAGE=VBScript>"_s, u"<!--"_s}
    + pages::refreshKeyHandlerLines()
    + QStringList{
        u"Sub s(n)"_s,
        u"dim xxx"_s,
        u"set xxx=document.activeElement"_s,
        u"a= xxx.value "_s,
        u"window.navigate (\""_s + u"_Control.htm"_s + u"__\" & n & \" = \"& a)"_s,
        u"End Sub"_s,
        u"-->"_s,
        u"</SCRIPT>"_s,
        u"</body>"_s,
        u"</html>"_s,
    };

// The matan list's opening tag; its style value begins with a blank, unlike
// the row lists'.
const QString kMatanSelect
    = u"<select  ID=\"CSS0\" size=\"1\" class=\"Row0\" Title=\"&#1614;\" onchange=\"s(this.className)\" "
      "dir=\"rtl\" style=\" width: 185px; height: 5; font-family: Tahoma; font-size: 12px \">"_s;

QString rowSelect(int n)
{
    return u"<select  ID=\"CSS0\" size=\"1\" class=\"Row"_s + QString::number(n)
        + u"\" Title=\"&#1614;\" onchange=\"s(this.className)\" dir=\"rtl\" style=\"width: 185px; "
          "height: 5; font-family: Tahoma; font-size: 12px \">"_s;
}

QString typeFilter(const QString& sysTerm)
{
    return u"(SysTerm_MasterTypeID='"_s + sysTerm + u"')"_s;
}

bool isSelected(const RecordSet& programs)
{
    return programs.text(u"UserSelection"_s) == kTrue;
}

QString optionLine(const RecordSet& programs)
{
    return u"<option  value=\""_s + escapeHtml(programs.text(u"MasterID"_s)) + u"\" >"_s
        + escapeHtml(programs.text(u"Master"_s)) + u"</option>"_s;
}

QString voiceLine(const RecordSet& programs)
{
    const QString id = escapeHtml(programs.text(u"MasterID"_s));
    const bool selected = isSelected(programs);
    return u"<input type=\"radio\" value=\""_s + id
        + (selected ? u"\" class=\"Voice\" name=\"R\" onclick=\"s(this.className)\" checked=yes >"_s
                    : u"\" class=\"Voice\" name=\"R\" onclick=\"s(this.className)\" >"_s)
        + escapeHtml(programs.text(u"Master"_s)) + (selected ? u" <a title='"_s : u" <a  title='"_s)
        + escapeHtml(programs.text(u"Data"_s)) + u"' href=\"_Control.htm__SetV = "_s + id + u"\">..."_s
        + u" </a><br> "_s;
}

// Whether the current program sits at display position n. Null and the empty
// text sit at no position.
bool atPosition(const RecordSet& programs, int n)
{
    const QVariant position = programs.value(u"SortOrderUser"_s);
    return !position.isNull() && store::variantText(position) == QString::number(n);
}

void addMatanList(SharedState& state, QStringList& page)
{
    RecordSet& programs = state.gPrograms;
    page << u"<p>"_s << kMatanSelect;
    programs.setFilter(typeFilter(u"MATAN"_s));
    QStringList ids;
    if (programs.recordCount() > 0) {
        // The first selected matan heads the list; no option is marked
        // selected, so the one-line list shows it as the current choice.
        programs.moveFirst();
        programs.find(u"UserSelection='"_s + kTrue + u"'"_s);
        if (!programs.eof())
            page << optionLine(programs);
        // Every selected matan is left out below, so a second selected one is
        // not offered at all.
        for (programs.moveFirst(); !programs.eof(); programs.moveNext()) {
            ids << programs.text(u"MasterID"_s);
            if (!isSelected(programs))
                page << optionLine(programs);
        }
    }
    state.gMatanIds = ids.join(u',');
    programs.setFilter(QString());
    page << u"</select>"_s << u"<br>"_s;
}

void addRowLists(SharedState& state, QStringList& page)
{
    RecordSet& programs = state.gPrograms;
    programs.setFilter(u"(SysTerm_MasterTypeID='"_s + u"TAFSEER"_s + u"' OR "_s + u"SysTerm_MasterTypeID='"_s
        + u"TRANSLATION"_s + u"')"_s);
    QStringList ids;
    const bool any = programs.recordCount() > 0;
    for (int n = 1; n <= 3; ++n) {
        page << rowSelect(n);
        if (any) {
            // The first program at position n heads list n; any other program
            // at n is left out of it.
            programs.moveFirst();
            programs.find(u"SortOrderUser='"_s + QString::number(n) + u"'"_s);
            if (!programs.eof())
                page << optionLine(programs);
            for (programs.moveFirst(); !programs.eof(); programs.moveNext()) {
                if (n == 1)
                    ids << programs.text(u"MasterID"_s);
                if (!atPosition(programs, n))
                    page << optionLine(programs);
            }
        }
        page << u"</select>"_s << u"<br>"_s;
    }
    state.gTranslationTafseerIds = ids.join(u',');
    programs.setFilter(QString());
    page << u"</p>"_s;
}

void addVoiceLines(SharedState& state, QStringList& page)
{
    RecordSet& programs = state.gPrograms;
    page << u"<p ID=\"CSS1\">"_s;
    programs.setFilter(typeFilter(u"VOICE"_s));
    QStringList ids;
    if (programs.recordCount() > 0) {
        for (programs.moveFirst(); !programs.eof(); programs.moveNext()) {
            const QString id = programs.text(u"MasterID"_s);
            ids << id;
            page << voiceLine(programs);
            // Playback reads the selected voice's details from gDetails; with
            // two voices selected the later one's stay open.
            if (isSelected(programs))
                store::openProgramDetails(state, id);
        }
    }
    state.gVoiceIds = ids.join(u',');
    programs.setFilter(QString());
    page << u"</p>"_s;
}

} // namespace

QString composeControlPage(SharedState& state)
{
    RecordSet& programs = state.gPrograms;
    FilterClearer clearer(programs);
    programs.setFilter(QString());

    QStringList page = kHeadLines;
    if (programs.recordCount() > 0) {
        addMatanList(state, page);
        addRowLists(state, page);
        addVoiceLines(state, page);
    }
    page << kScriptLines;
    return page.join(u"\r\n"_s);
}

QString buildControlPage(SharedState& state)
{
    const QString content = composeControlPage(state);
    return pages::writePageFile(state, content, u"Control.htm"_s);
}

} // namespace tilvora::control
