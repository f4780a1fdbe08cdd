#include "ui/shell/controlpanefollower.h"

#include "control/selection.h"
#include "store/sharedstate.h"
#include "ui/panes/browserpane.h"
#include "ui/shell/mainwindow.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tilvora::ui {

using namespace Qt::Literals::StringLiterals;

ControlPaneFollower::ControlPaneFollower(MainWindow& window, store::SharedState& state)
    : QObject(&window), m_window(window), m_state(state)
{
    connect(m_window.page(host::Pane::WebControl), &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok)
            showStored();
    });
}

QString ControlPaneFollower::emptyRowCaption()
{
    //: The entry of a row's list of texts that empties the row.
    return tr("\u2014 None \u2014");
}

void ControlPaneFollower::showStored()
{
    if (!m_state.gConnection)
        return;
    const control::StoredChoices stored = control::storedControlChoices(m_state);
    QJsonArray rows;
    for (const QString& id : stored.rows)
        rows.append(id);
    // The page's lists are told apart by their class ("Row0".."Row3"). The
    // empty entry has the empty value, which the page's own handler sends
    // as the row's choice.
    static const QString script = uR"((function (rows, voice, emptyCaption) {
  var lists = document.getElementsByTagName('select');
  for (var i = 0; i < lists.length; ++i) {
    var list = lists[i];
    var row = /^Row([0-3])$/.exec(list.className);
    if (!row) continue;
    var n = Number(row[1]);
    if (n > 0 && !list.querySelector('option.tilvora-empty-row')) {
      var empty = document.createElement('option');
      empty.value = '';
      empty.className = 'tilvora-empty-row';
      empty.textContent = emptyCaption;
      list.appendChild(empty);
    }
    list.value = rows[n] || '';
  }
  var voices = document.querySelectorAll('input.Voice');
  for (var k = 0; k < voices.length; ++k) voices[k].checked = voices[k].value === voice;
})(%1, %2, %3))"_s;
    const auto json = [](const QJsonValue& value) {
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    };
    m_window.page(host::Pane::WebControl)
        ->runScript(script.arg(json(rows), json(stored.voice), json(emptyRowCaption())));
}

} // namespace tilvora::ui
