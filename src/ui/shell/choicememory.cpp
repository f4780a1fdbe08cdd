#include "ui/shell/choicememory.h"

#include "control/selection.h"
#include "navigation/mainwindowlogic.h"
#include "store/sharedstate.h"
#include "ui/shell/controlpanefollower.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/usersettings.h"

#include <QAction>
#include <QMenu>

namespace tilvora::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kRememberKey = u"texts/remember"_s;
const QString kVoiceKey = u"texts/voice"_s;

QString rowKey(std::size_t row)
{
    return u"texts/row%1"_s.arg(row);
}

bool offers(const QString& ids, const QString& id)
{
    return ids.split(u',').contains(id);
}

} // namespace

ChoiceMemory::ChoiceMemory(MainWindow& window, store::SharedState& state)
    : QObject(&window), m_window(window), m_state(state)
{
}

void ChoiceMemory::retranslate()
{
    //: Whether the texts and the voice chosen in the control pane are chosen again at the next start.
    m_remember->setText(tr("&Remember My Texts and Voice"));
}

void ChoiceMemory::install(QMenu* viewMenu)
{
    viewMenu->addSeparator();
    m_remember = viewMenu->addAction(QString());
    m_remember->setObjectName(u"MnuRememberTexts"_s);
    m_remember->setCheckable(true);
    m_remember->setChecked(openUserSettings()->value(kRememberKey, true).toBool());
    connect(m_remember, &QAction::toggled, this, [](bool on) { openUserSettings()->setValue(kRememberKey, on); });
    retranslate();
}

bool ChoiceMemory::remembers() const
{
    return m_remember ? m_remember->isChecked() : true;
}

void ChoiceMemory::choose(const QString& name, const QString& masterId)
{
    m_window.logic().runNavigationCommand(
        host::Pane::WebControl, m_state.gAppFolder + u"/_Control.htm__"_s + name + u" = "_s + masterId);
}

void ChoiceMemory::restore()
{
    if (!remembers() || !m_state.gConnection)
        return;
    const auto settings = openUserSettings();
    // Row by row: a text chosen for one row leaves the row it was in, which
    // a later row's choice then fills as it was kept.
    for (std::size_t row = 0; row < control::StoredChoices{}.rows.size(); ++row) {
        if (!settings->contains(rowKey(row)))
            continue;
        const QString id = settings->value(rowKey(row)).toString().trimmed();
        const QString& offered = row == 0 ? m_state.gMatanIds : m_state.gTranslationTafseerIds;
        // The main text is never emptied; a program that is gone is skipped.
        if (id.isEmpty() ? row == 0 : !offers(offered, id))
            continue;
        if (control::storedControlChoices(m_state).rows[row] != id)
            choose(u"Row%1"_s.arg(row), id);
    }
    const QString voice = settings->value(kVoiceKey).toString().trimmed();
    if (!voice.isEmpty() && offers(m_state.gVoiceIds, voice) && control::storedControlChoices(m_state).voice != voice)
        choose(u"Voice"_s, voice);
    m_window.controlPaneFollower().showStored();
}

void ChoiceMemory::save(QSettings& settings) const
{
    settings.setValue(kRememberKey, remembers());
    if (!remembers() || !m_state.gConnection)
        return;
    const control::StoredChoices stored = control::storedControlChoices(m_state);
    for (std::size_t row = 0; row < stored.rows.size(); ++row)
        settings.setValue(rowKey(row), stored.rows[row]);
    settings.setValue(kVoiceKey, stored.voice);
}

} // namespace tilvora::ui
