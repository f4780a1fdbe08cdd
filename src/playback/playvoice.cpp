#include "playback/playvoice.h"

#include "playback/mediafilefinder.h"
#include "playback/verserecording.h"
#include "playback/voicefolder.h"
#include "store/dberror.h"
#include "store/versename.h"

#include <exception>

namespace tilvora::playback {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A failure found by playback itself (not by the store), with a description
// in plain words that becomes the title of the "Cannot Access..." box.
struct PlaybackFailure {
    QString description;
};

// Clears the program list's filter as soon as the voice has been read (or
// could not be), before the search yields to other handlers, which expect the
// list unfiltered. This is the one place playback narrows it.
class FilterClearer {
public:
    explicit FilterClearer(store::RecordSet& records) : m_records(records) { }
    ~FilterClearer() { m_records.setFilter(QString()); }
    FilterClearer(const FilterClearer&) = delete;
    FilterClearer& operator=(const FilterClearer&) = delete;

private:
    store::RecordSet& m_records;
};

struct SelectedVoice {
    // Its name, as the control pane shows it.
    QString name;
    // Its media folder, as stored.
    QString folder;
};

// The selected voice. Fails with NoCurrentRecord when no voice is selected.
SelectedVoice selectedVoice(store::RecordSet& programs)
{
    const FilterClearer clearer(programs);
    programs.moveFirst();
    programs.setFilter(QStringLiteral("(SysTerm_MasterTypeID='") + QStringLiteral("VOICE")
        + QStringLiteral("' AND UserSelection ='") + QStringLiteral("True") + QStringLiteral("')"));
    const QString folder = programs.text(QStringLiteral("Data"));
    return {programs.text(QStringLiteral("Master")), folder};
}

// The verse's start position in seconds. Blank is the store's no-data
// failure; anything but a finite number from 0 on is refused.
double startPosition(const QString& position)
{
    if (position.isEmpty())
        throw store::DbError(
            store::DbError::NoData, QStringLiteral("The verse has no start position in the current voice."));
    double seconds = 0;
    if (!parseStartPosition(position, &seconds))
        throw PlaybackFailure{
            QStringLiteral("The start position \"%1\" of the verse is not a number of seconds.").arg(position)};
    return seconds;
}

void showNotFound(host::Host& host, const QString& name, const QString& storedFolder)
{
    host.showMessage(host::MessageIcon::Information, QStringLiteral("Media Files not found..."),
        QStringLiteral("Media File ") + name + QStringLiteral(" is not present at the specified path...") + kLineBreak
            + QStringLiteral("Current Path : ") + storedFolder + kLineBreak + kLineBreak
            + QStringLiteral(
                "Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !"));
}

void showNoData(host::Host& host)
{
    host.showMessage(host::MessageIcon::Critical, QStringLiteral("Tilvora - ProgramID : "),
        QStringLiteral("No Data found in the Database for Current Voice in Programs registered...") + kLineBreak
            + kLineBreak + QStringLiteral("Invalid Programs / Speakers added to database without related Data !"));
}

void showCannotAccess(host::Host& host, const QString& description)
{
    host.showMessage(host::MessageIcon::Critical, description,
        QStringLiteral("Cannot Access the specified Media File") + kLineBreak
            + QStringLiteral("Make sure that the Media Files folder exists in the same application folder !"));
}

// Tells the reader of any failure of `action`, in the box that suits it; the
// caller never sees one.
template <typename Action> void tellFailures(host::Host& host, Action&& action)
{
    try {
        try {
            action();
        } catch (const store::DbError& failure) {
            if (failure.number() == store::DbError::ItemNotFound || failure.number() == store::DbError::NoData)
                showNoData(host);
            else
                showCannotAccess(host, failure.description());
        } catch (const PlaybackFailure& failure) {
            showCannotAccess(host, failure.description);
        } catch (const std::exception& failure) {
            showCannotAccess(host, QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            showCannotAccess(host, QStringLiteral("An unknown failure stopped the recitation."));
        }
    } catch (...) {
        // The message box itself failed; the caller still must not see it.
    }
}

// What the search for the verse's file found: the player plays it from the
// verse's start, or the reader is told it is missing.
void playFound(host::Host& host, const LocatedFile& found, const QString& storedFolder, const QString& position)
{
    if (found.path.isEmpty()) {
        showNotFound(host, found.lastName, storedFolder);
        return;
    }
    const double seconds = startPosition(position);
    host.playerSetUrl(found.path);
    host.playerSetPosition(seconds);
    host.playerPlay();
}

void playVerse(store::SharedState& state, host::Host& host, MediaFileFinder& finder, qint32 ayahRef)
{
    const SelectedVoice voice = selectedVoice(state.gPrograms);

    // A copy of the cursor, so that gDetails stays where it is.
    store::RecordSet verse = state.gDetails.clone();
    if (verse.recordCount() > 0) {
        verse.moveFirst();
        verse.find(QStringLiteral("AyahRef='") + QString::number(ayahRef) + QStringLiteral("'"));
    }
    if (verse.eof() || verse.recordCount() <= 0) {
        // A voice chosen before any verse was double-clicked has no verse to
        // tell of.
        if (ayahRef != 0)
            showNoRecording(state, host, voice.name, ayahRef);
        return;
    }

    // The files are looked for in the folder the stored one names (a relative
    // one inside the application folder); messages show it as stored.
    const QString position = verse.text(QStringLiteral("DataPos")).trimmed();
    finder.find(resolveVoiceFolder(state.gAppFolder, voice.folder), verse.text(QStringLiteral("Data")).trimmed(),
        [&host, storedFolder = voice.folder, position](
            const LocatedFile& found) { tellFailures(host, [&] { playFound(host, found, storedFolder, position); }); });
}

} // namespace

// The voice has no detail record for the verse: the reader is told which
// voice and verse, and what to do.
void showNoRecording(store::SharedState& state, host::Host& host, const QString& voice, qint32 ayahRef)
{
    const store::VerseName verse = store::nameVerse(*state.gConnection, ayahRef);
    // A reference that names no verse (-1, or past the last verse) is no
    // verse the reader asked for: it is ignored, as an id that is no number.
    if (verse.surah <= 0)
        return;
    host.showMessage(host::MessageIcon::Information, QStringLiteral("No recording of this verse"),
        QStringLiteral("The voice \"%1\" has no recording of %2.").arg(voice, verse.citation()) + kLineBreak
            + kLineBreak
            + QStringLiteral("Choose another voice in the control pane, or set the folder of this voice's "
                             "recordings with Controls > Set Data Path."));
}

void playVoice(store::SharedState& state, host::Host& host, MediaFileFinder& finder, qint32 ayahRef)
{
    // The newest request wins: what an older one is still looking for is dropped.
    finder.cancel();
    tellFailures(host, [&] { playVerse(state, host, finder, ayahRef); });
}

void readingPageDoubleClick(
    store::SharedState& state, host::Host& host, MediaFileFinder& finder, const QString& verseTableId)
{
    bool ok = false;
    const qint32 ayahRef = verseTableId.trimmed().toInt(&ok, 10);
    if (!ok)
        return;
    state.gLastAyahRef = ayahRef;
    playVoice(state, host, finder, state.gLastAyahRef);
}

} // namespace tilvora::playback
