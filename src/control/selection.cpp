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

void requireWholeNumber(const QString& value)
{
    if (!store::isWholeNumber(value))
        throw store::RefusedValue(u"The program id \""_s + value
                                  + u"\" is not a whole number, so nothing was changed."_s);
}

} // namespace

void ApplyControlSelection(SharedState& state, const QString& source, const QString& name, const QString& value,
                           const std::function<void(qint32)>& playVoice)
{
    Statements statements;
    bool voiceChoice = false;
    if (source == u"CONTROL"_s) {
        if (name == u"Row0"_s) {
            statements.clearPrevious = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"False"_s
                + u", SortOrderUser = 0   WHERE     (MasterID IN ("_s + state.gMatanIds + u"))"_s;
            statements.setChosen = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"True"_s
                + u", SortOrderUser = 0                     WHERE     (MasterID = "_s + value + u")"_s;
        } else if (name.left(3) == u"Row"_s) {
            const QString n = name.right(1);
            statements.clearPrevious = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"False"_s
                + u", SortOrderUser = 0   WHERE     (MasterID IN ("_s + state.gTranslationTafseerIds + u")"_s
                + u" AND SortOrderUser = "_s + n + u")"_s;
            statements.setChosen = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"True"_s
                + u", SortOrderUser = '"_s + n + u"' WHERE     (MasterID = "_s + value + u")"_s;
        } else if (name == u"Voice"_s) {
            voiceChoice = true;
            statements.clearPrevious = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"False"_s
                + u"    WHERE     (MasterID IN ("_s + state.gVoiceIds + u"))"_s;
            statements.setChosen = u"UPDATE   AP_Master_TAB   SET UserSelection = "_s + u"True"_s
                + u"    WHERE     (MasterID = "_s + value + u")"_s;
        }
    }

    if (!statements.setChosen.isEmpty()) {
        requireWholeNumber(value);
        // Both or neither: a refused second statement must not leave the
        // previous choice cleared with nothing chosen in its place.
        store::Connection::Transaction transaction(*state.gConnection);
        state.gConnection->Execute(statements.clearPrevious);
        state.gConnection->Execute(statements.setChosen);
        transaction.commit();
    }

    if (voiceChoice)
        store::OpenProgramDetails(state, value);
    store::SelectedProgramIds(state);
    if (voiceChoice && playVoice)
        playVoice(state.gLastAyahRef);
}

void SetProgramData(SharedState& state, const QString& masterId)
{
    if (state.gMediaPathResult != kCancel) {
        requireWholeNumber(masterId);
        state.gConnection->Execute(u"UPDATE   AP_Master_TAB   SET Data = '"_s + store::sqlText(state.gMediaPathResult)
                                   + u"'    WHERE     (MasterID = "_s + masterId + u")"_s);
    }
    store::SelectedProgramIds(state);

    // Playback takes the folder of the first selected voice in the program
    // list; its details must be that voice's too, whichever voice's folder
    // was just set.
    store::RecordSet voices = state.gPrograms.Clone();
    voices.setFilter(u"(SysTerm_MasterTypeID='"_s + u"VOICE"_s + u"' AND UserSelection ='"_s + u"True"_s + u"')"_s);
    if (voices.RecordCount() > 0) {
        voices.MoveFirst();
        store::OpenProgramDetails(state, voices.text(u"MasterID"_s));
    }
}

} // namespace tilvora::control
