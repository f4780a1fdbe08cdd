#include "ui/shell/pickerfollower.h"

#include "ui/panes/browserpane.h"
#include "ui/shell/mainwindow.h"

#include <QJsonDocument>

#include <array>

namespace tilvora::ui {

using host::Pane;
using namespace Qt::Literals::StringLiterals;

namespace {

struct PickerList {
    const char16_t* id;
    const char16_t* command;
    Pane pane;
    // The value is a number, which the list writes without blanks or zeros.
    bool numeric;
};

const std::array<PickerList, 5> kLists{{
    {u"cmbSurah", u"Surah", Pane::WebSurah, true},
    {u"cmbParah", u"Parah", Pane::WebSurah, true},
    {u"cmbRoot", u"Root", Pane::WebSurah, false},
    {u"cmbWord", u"Word", Pane::WebWord, false},
    {u"cmbSubject", u"Subject", Pane::WebSubject, true},
}};

QString shownValue(const PickerList& list, const host::RenderedView& view)
{
    if (view.name != QStringView(list.command))
        return {};
    if (!list.numeric)
        return view.value;
    bool isNumber = false;
    const int number = view.value.trimmed().toInt(&isNumber);
    return isNumber ? QString::number(number) : QString();
}

} // namespace

PickerFollower::PickerFollower(MainWindow& window) : QObject(&window), m_window(window)
{
    // A picker page that loads (at start, or again) shows what is kept for it.
    for (const Pane pane : {Pane::WebSurah, Pane::WebWord, Pane::WebSubject}) {
        connect(m_window.page(pane), &QWebEnginePage::loadFinished, this, [this, pane](bool ok) {
            if (ok)
                apply(pane);
        });
    }
}

void PickerFollower::follow(const host::RenderedView& view)
{
    if (view.name.startsWith(u"Row"_s))
        return;
    m_shown.clear();
    for (const PickerList& list : kLists)
        m_shown[list.pane].insert(QStringView(list.id).toString(), shownValue(list, view));
    for (const auto& [pane, values] : m_shown)
        apply(pane);
}

void PickerFollower::apply(Pane pane)
{
    const auto found = m_shown.find(pane);
    if (found == m_shown.end())
        return;
    // A value the list does not offer shows its heading. The change is told
    // with the event the window's resets raise, so the list fits its text.
    // A list that shows a choice is at least as wide as the choice, so that
    // a chapter's name is read whole; the lists beside it give up the room.
    static const QString source = uR"((function (values) {
  var context = document.createElement('canvas').getContext('2d');
  function fitChoice(list) {
    var shown = list.options[list.selectedIndex];
    if (!shown || shown.value === '') return;
    var style = getComputedStyle(list);
    context.font = style.fontStyle + ' ' + style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
    var frame = ['paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth'].reduce(function (sum, side) {
      return sum + (parseFloat(style[side]) || 0);
    }, 0);
    list.style.minWidth = Math.ceil(context.measureText(shown.text).width + frame + 2) + 'px';
    list.style.flexShrink = '0';
  }
  for (var id in values) {
    var list = document.getElementById(id);
    if (!list) continue;
    list.style.flexShrink = '';
    if (list.value !== values[id]) {
      list.value = values[id];
      if (list.selectedIndex < 0) list.selectedIndex = 0;
      list.dispatchEvent(new Event('tilvora-reset'));
    }
    fitChoice(list);
  }
})(%1))"_s;
    const QString script = source.arg(QString::fromUtf8(QJsonDocument(found->second).toJson(QJsonDocument::Compact)));
    m_window.page(pane)->runScript(script);
}

} // namespace tilvora::ui
