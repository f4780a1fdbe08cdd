#include "control/selection.h"

#include "store/dberror.h"
#include "store/queryhelpers.h"
#include "store/statements.h"

namespace tilvora::control {

using namespace Qt::Literals::StringLiterals;
using store::SharedState;

namespace {

const QString kCancel = u"CANCEL"_s;

struct Statements {
    QString clearPrevious;
    QString setChosen;
};

const QString kNothingChanged = u", so nothing was changed"_s;

// The program id of a choice, checked before any statement runs.
QString checkedProgramId(const QString& value)
{
    return QString::number(store::requireWholeNumber(value, u"program id"_s, kNothingChanged));
}

// A choice may only store a program that its list offers: a voice is no
// translation, a translation no main text.
void requireOffered(const QString& id, const QString& offeredIds, const QString& kind)
{
    if (!offeredIds.split(u',').contains(id))
        throw store::RefusedValue(
            u"The program "_s + id + u" is not one of the "_s + kind + u" offered"_s + kNothingChanged + u'.');
}

// "Row" is followed by the position of a translation or commentary, 1, 2 or 3.
QString checkedRowPosition(const QString& name)
{
    QString position = name.mid(3);
    if (position != u"1"_s && position != u"2"_s && position != u"3"_s)
        throw store::RefusedValue(
            u"\""_s + name + u"\" is not one of the rows Row0, Row1, Row2 and Row3"_s + kNothingChanged + u'.');
    return position;
}

} // namespace

void applyControlSelection(SharedState& state, const QString& source, const QString& name, const QString& value,
    const std::function<void(qint32)>& playVoice)
{
    Statements statements;
    bool voiceChoice = false;
    QString id;
    if (source == u"CONTROL"_s) {
        if (name == u"Row0"_s) {
            id = checkedProgramId(value);
            requireOffered(id, state.gMatanIds, u"main texts"_s);
            statements.clearPrevious = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"False"_s
                + u", SortOrderUser = 0   WHERE     (MasterID IN ("_s + state.gMatanIds + u"))"_s;
            statements.setChosen = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"True"_s
                + u", SortOrderUser = 0                     WHERE     (MasterID = "_s + id + u")"_s;
        } else if (name.left(3) == u"Row"_s) {
            const QString n = checkedRowPosition(name);
            // No program at all: the row is emptied.
            const bool emptied = value.trimmed().isEmpty();
            if (!emptied) {
                id = checkedProgramId(value);
                requireOffered(id, state.gTranslationTafseerIds, u"translations and commentaries"_s);
                statements.setChosen = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"True"_s
                    + u", SortOrderUser = '"_s + n + u"' WHERE     (MasterID = "_s + id + u")"_s;
            }
            statements.clearPrevious = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"False"_s
                + u", SortOrderUser = 0   WHERE     (MasterID IN ("_s + state.gTranslationTafseerIds + u")"_s
                + u" AND SortOrderUser = "_s + n + u")"_s;
        } else if (name == u"Voice"_s) {
            voiceChoice = true;
            id = checkedProgramId(value);
            requireOffered(id, state.gVoiceIds, u"voices"_s);
            statements.clearPrevious = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"False"_s
                + u"    WHERE     (MasterID IN ("_s + state.gVoiceIds + u"))"_s;
            statements.setChosen = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"True"_s
                + u"    WHERE     (MasterID = "_s + id + u")"_s;
        }
    }

    if (!statements.clearPrevious.isEmpty()) {
        // Both or neither: a refused second statement must not leave the
        // previous choice cleared with nothing chosen in its place.
        store::Connection::Transaction transaction(*state.gConnection);
        state.gConnection->execute(statements.clearPrevious);
        if (!statements.setChosen.isEmpty())
            state.gConnection->execute(statements.setChosen);
        transaction.commit();
    }

    if (voiceChoice)
        store::openProgramDetails(state, id);
    store::selectedProgramIds(state);
    if (voiceChoice && playVoice)
        playVoice(state.gLastAyahRef);
}

StoredChoices storedControlChoices(const SharedState& state)
{
    StoredChoices choices;
    store::RecordSet programs = state.gPrograms.clone();
    // The first program of the type that `holds` says is there.
    const auto first = [&programs](const QString& filter, const std::function<bool()>& holds) {
        programs.setFilter(filter);
        if (programs.recordCount() > 0) {
            for (programs.moveFirst(); !programs.eof(); programs.moveNext()) {
                if (holds())
                    return programs.text(u"MasterID"_s);
            }
        }
        return QString();
    };
    const auto selected = [&programs] { return programs.text(u"UserSelection"_s) == u"True"_s; };
    choices.rows[0] = first(u"(SysTerm_MasterTypeID='MATAN')"_s, selected);
    for (int n = 1; n < static_cast<int>(choices.rows.size()); ++n) {
        // As the control page heads its list n: the first program at n.
        choices.rows[static_cast<std::size_t>(n)]
            = first(u"(SysTerm_MasterTypeID='TAFSEER' OR SysTerm_MasterTypeID='TRANSLATION')"_s,
                [&programs, n] { return programs.text(u"SortOrderUser"_s) == QString::number(n); });
    }
    choices.voice = first(u"(SysTerm_MasterTypeID='VOICE')"_s, selected);
    return choices;
}

void setProgramData(SharedState& state, const QString& masterId)
{
    if (state.gMediaPathResult != kCancel) {
        const QString id = checkedProgramId(masterId);
        if (store::holdsControlCharacter(state.gMediaPathResult))
            throw store::RefusedValue(u"The media folder holds a control character"_s + kNothingChanged + u'.');
        state.gConnection->execute(u"UPDATE   AP_Master_TAB   SET Data = '"_s + store::sqlText(state.gMediaPathResult)
            + u"'    WHERE     (MasterID = "_s + id + u")"_s);
    }
    store::selectedProgramIds(state);

    // Playback takes the folder of the first selected voice in the program
    // list; its details must be that voice's too, whichever voice's folder
    // was just set.
    store::RecordSet voices = state.gPrograms.clone();
    voices.setFilter(u"(SysTerm_MasterTypeID='"_s + u"VOICE"_s + u"' AND UserSelection ='"_s + u"True"_s + u"')"_s);
    if (voices.recordCount() > 0) {
        voices.moveFirst();
        store::openProgramDetails(state, voices.text(u"MasterID"_s));
    }
}

} // namespace tilvora::control
