#include "control/voicemenu.h"

#include "control/filterclearer.h"
#include "control/selection.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"
#include "store/statements.h"

#include <utility>
#include <vector>

namespace tilvora::control {

using namespace Qt::Literals::StringLiterals;
using store::RecordSet;
using store::SharedState;

namespace {

const QString kVoiceFilter = u"(SysTerm_MasterTypeID='"_s + u"VOICE"_s + u"')"_s;

// The menu item a voice's SortOrderUser names, or -1 when it names none
// (Null, not a whole number, negative, or beyond the last item).
int itemIndexOf(const QVariant& sortOrderUser)
{
    if (sortOrderUser.isNull())
        return -1;
    bool ok = false;
    const int index = store::variantText(sortOrderUser).toInt(&ok);
    return ok && index >= 0 && index < VoiceMenu::kItemCount ? index : -1;
}

} // namespace

VoiceMenu::VoiceMenu()
{
    for (int k = 0; k < kItemCount; ++k) {
        Item& item = m_items[static_cast<std::size_t>(k)];
        item.visible = k == 0;
        item.caption = u"Voice "_s + QString::number(k + 1);
    }
}

void VoiceMenu::setupMenu(SharedState& state, host::Host& host)
{
    m_dataPathVisible = false;
    std::vector<std::pair<int, Item>> set;
    {
        RecordSet& programs = state.gPrograms;
        FilterClearer clearer(programs);
        programs.setFilter(kVoiceFilter);
        if (programs.recordCount() > 0) {
            for (programs.moveFirst(); !programs.eof(); programs.moveNext()) {
                const int index = itemIndexOf(programs.value(u"SortOrderUser"_s));
                if (index < 0)
                    continue;
                Item& item = m_items[static_cast<std::size_t>(index)];
                item.visible = true;
                item.caption = programs.text(u"Description"_s) + u" ["_s + programs.text(u"Data"_s) + u"]"_s;
                item.tag = programs.text(u"MasterID"_s);
                m_dataPathVisible = true;
                set.emplace_back(index, item);
            }
        }
    }
    for (const auto& [index, item] : set)
        host.setVoiceMenuItem(index, item.visible, item.caption, item.tag);
    host.setDataPathMenuVisible(m_dataPathVisible);
}

void VoiceMenu::mnuDPVoiceClick(SharedState& state, host::Host& host, int index, const MediaFolderDialog& showDialog)
{
    if (index < 0 || index >= kItemCount) {
        host.reportError(
            u"The voice menu has no item "_s + QString::number(index) + u", so no media folder was set."_s);
        return;
    }
    const QString tag = m_items[static_cast<std::size_t>(index)].tag;
    if (tag.isEmpty()) {
        host.reportError(u"No voice uses the menu item \""_s + m_items[static_cast<std::size_t>(index)].caption
            + u"\", so there is no media folder to set."_s);
        return;
    }

    // Only the dialog's two buttons give an answer; a dialog closed any other
    // way leaves this, and nothing is stored.
    state.gMediaPathResult = u"CANCEL"_s;
    const host::MediaFolderDialogAnswer answer = showDialog ? showDialog(tag) : host::MediaFolderDialogAnswer{};
    const bool accepted = answer.outcome == host::MediaFolderDialogAnswer::Outcome::Accepted;
    if (accepted) {
        state.gMediaPathResult = answer.folder;
        setupMenu(state, host);
    } else {
        state.gMediaPathResult = u"CANCEL"_s;
    }

    setProgramData(state, tag);
    // The refill above ran before the folder was stored; this one shows it.
    if (accepted)
        setupMenu(state, host);
    if (accepted && answer.oneFilePerChapter)
        host.alignChapterFiles(tag);
}

int voiceMenuIndexOf(SharedState& state, const QString& masterId)
{
    const QString id = QString::number(
        store::requireWholeNumber(masterId, u"voice id"_s, u", so no media folder can be set for it"_s));

    QVariant sortOrderUser;
    try {
        sortOrderUser = store::lookupField(state.gPrograms, u"MasterID"_s, id, u"SortOrderUser"_s);
    } catch (const store::DbError& error) {
        if (error.number() != store::DbError::NoCurrentRecord)
            throw;
        throw store::RefusedValue(u"No program has the id "_s + id + u", so no media folder can be set for it."_s);
    }
    if (state.gPrograms.text(u"SysTerm_MasterTypeID"_s) != u"VOICE"_s)
        throw store::RefusedValue(
            u"The program with the id "_s + id + u" is not a voice, so it has no media folder to set."_s);
    const int index = itemIndexOf(sortOrderUser);
    if (index < 0)
        throw store::RefusedValue(u"The voice with the id "_s + id
            + u" has no item in the voice menu (its place there is \""_s + store::variantText(sortOrderUser)
            + u"\"; items go from 0 to 19), so no media folder can be set for it."_s);
    return index;
}

} // namespace tilvora::control
