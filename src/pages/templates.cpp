#include "templates.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

namespace {

// The base texts of the four class slots, at rest and with the focus. Each
// opens its rule and stops after the background colour with "; ": the
// program's direction and font, when a program fills the slot, complete it.
// The blanks differ from slot to slot; pages written before must compare equal.
const std::array<QString, 4> kRestBase = {
    u".CSS0 {color=#2f4f4f; cursor:default; border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #dcf3dc; "_s,
    u".CSS1 {color=#2f4f4f; cursor:default;  border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #faf0e6; "_s,
    u".CSS2 {color=#2f4f4f; cursor:default;  border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #f0f8ff; "_s,
    u".CSS3 {color=#2f4f4f; cursor:default;  border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #ededed; "_s,
};
const std::array<QString, 4> kFocusBase = {
    u".CSS0_Sel {color=#437db0; cursor:hand; border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #dcf3dc; "_s,
    u".CSS1_Sel {color=#437db0; cursor:hand;  border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #faf0e6; "_s,
    u".CSS2_Sel {color=#437db0; cursor:hand; border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center; background-color: #f0f8ff; "_s,
    u".CSS3_Sel {color=#437db0; cursor:hand;  border: -1px solid; border-color: white; height: 15; "
    u"vertical-align: middle; text-align: center;  background-color: #ededed; "_s,
};

bool isTextProgramType(const QString& sysTerm)
{
    return sysTerm == u"MATAN"_s || sysTerm == u"TAFSEER"_s || sysTerm == u"TRANSLATION"_s;
}

} // namespace

QString pageStyle(store::SharedState& state)
{
    std::array<QString, 4> rest = kRestBase;
    std::array<QString, 4> focus = kFocusBase;

    QString style;
    style += kCrLf + u"<style type=text/css>"_s;
    style += kCrLf
        + u"BODY {background-color: white; border: 0px; topmargin: 0px; leftmargin: 0px; "
          u"rightmargin: 0px; onkeydown =\"f(event)\"}"_s;
    style += kCrLf
        + u".Sura {border: 1px groove; dir: rtl; cellspacing: 0px; align: center; width: 100%; "
          u"topmargin: 0px; leftmargin: 0px; rightmargin: 0px;}"_s;

    store::RecordSet& programs = state.gPrograms;
    if (programs.recordCount() > 0) {
        programs.moveFirst();
        programs.setFilter(u"UserSelection = 'True'"_s);
        while (!programs.eof()) {
            if (isTextProgramType(programs.text(u"SysTerm_MasterTypeID"_s))) {
                bool isNumber = false;
                const int slot = programs.value(u"SortOrderUser"_s).toInt(&isNumber);
                // A display order with no class slot styles nothing; its rows
                // still carry their class name.
                if (isNumber && slot >= 0 && slot < 4) {
                    const QString suffix = u" direction: "_s + programs.text(u"TextDirection"_s) + u"; font-family: "_s
                        + programs.text(u"FontName"_s) + u"; font-size: "_s + programs.text(u"FontSize"_s)
                        + u"; font-weight: "_s + programs.text(u"FontBold"_s) + u"; }"_s;
                    rest[slot] += suffix;
                    focus[slot] += suffix;
                }
            }
            programs.moveNext();
        }
        programs.setFilter(QString());
    }

    for (std::size_t slot = 0; slot < rest.size(); ++slot)
        style += kCrLf + rest[slot] + kCrLf + focus[slot];
    style += kCrLf + u"</style>"_s;
    return style;
}

QString pageHead(store::SharedState& state)
{
    QString head = u"<html dir=\"rtl\" > "_s;
    head += kCrLf + u"<head>"_s;
    head += kCrLf + u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"_s;
    head += kCrLf + u"<title>Tilvora</title>"_s;
    head += kCrLf + u"</head>"_s;
    head += kCrLf + u"<SCRIPT FOR=document EVENT=oncontextmenu DEFER>return false;</SCRIPT>"_s;
    head += kCrLf + u"<SCRIPT FOR=document EVENT=onselectstart DEFER>return false;</SCRIPT>"_s;
    head += pageStyle(state);
    return head;
}

const QStringList& refreshKeyHandlerLines()
{
    static const QStringList lines = {
        u"Sub f(n)"_s,
        u"keyascii2 = n.keyCode"_s,
        u"If keyascii2 = 116 Then"_s,
        u"window.event.returnValue = False"_s,
        u"window.event.cancelBubble = True"_s,
        u"window.event.keyCode = 0"_s,
        u"Else"_s,
        u"End If"_s,
        u"End Sub"_s,
    };
    return lines;
}

QString pageTail()
{
    const QStringList lines = QStringList{u"<SCRIPT LANGUAGE=VBScript>"_s, u"<!--"_s} + refreshKeyHandlerLines()
        + QStringList{u"-->"_s, u"</SCRIPT>"_s, u"</BODY></HTML>"_s};
    QString tail;
    for (const QString& line : lines)
        tail += kCrLf + line;
    return tail;
}

} // namespace tilvora::pages
