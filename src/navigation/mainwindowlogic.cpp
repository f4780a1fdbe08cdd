#include "mainwindowlogic.h"

#include "control/controlpage.h"
#include "control/selection.h"
#include "control/voicemenu.h"
#include "navigation/panecommand.h"
#include "pages/pagefile.h"
#include "pages/readingpage.h"
#include "playback/mediafilefinder.h"
#include "playback/mediafolderdialog.h"
#include "playback/playvoice.h"
#include "playback/recitationplan.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"
#include "store/statements.h"
#include "store/storestartup.h"

#include <QDir>

#include <array>
#include <utility>

namespace tilvora::navigation {

using host::Pane;

namespace {

const QString kFirstPageCommand = QStringLiteral("__Surah = 1");
const QString kReadingPageFile = QStringLiteral("Main.htm");

// The shipped picker pages, in the order the window loads them.
const std::array<std::pair<Pane, const char*>, 4> kPickerPages{{
    {Pane::WebSearch, "WebSearch.Htm"},
    {Pane::WebSurah, "WebSurah.Htm"},
    {Pane::WebWord, "WebWord.Htm"},
    {Pane::WebSubject, "WebSubject.Htm"},
}};

QString inAppFolder(const QString& appFolder, const QString& name)
{
    return appFolder.endsWith(QLatin1Char('/')) ? appFolder + name : appFolder + QLatin1Char('/') + name;
}

// How the reading pane shows the page of `command`: a choice of texts shows
// the same verses again and keeps the reader's place; any other page opens at
// its top. A page without verses says so in a line of its own.
host::ReadingPageView readingPageView(const PaneCommand& command, bool noVerses)
{
    host::ReadingPageView view;
    view.keepTopVerse = command.isControl;
    if (noVerses) {
        // A search over the whole book is marked by a leading "*", which is
        // no part of the text the reader typed.
        QString text = command.value.trimmed();
        if (text.startsWith(QLatin1Char('*')))
            text = text.mid(1).trimmed();
        view.emptyPageText = command.name == QLatin1String("Search")
            ? QStringLiteral("No verse was found for \u201C%1\u201D.").arg(text)
            : QStringLiteral("No verse to show for this choice.");
    }
    return view;
}

// The words a failure is reported with, for the user. A database failure is
// told in plain words first; the other kinds' messages already say what
// happened and why.
QString failureText(const store::Error& failure)
{
    if (failure.kind() != store::Error::Kind::Database)
        return failure.message();
    // A damaged content file is told as at start: what it is and what to do.
    if (const auto* database = dynamic_cast<const store::DbError*>(&failure);
        database && database->number() == store::DbError::Damaged)
        return failure.message();
    // The database's own words are for diagnosis, on a line of their own
    // after the plain one.
    return QStringLiteral("The request could not be carried out: the content database refused it.\r\n%1")
        .arg(failure.message());
}

QString failureText(const std::exception& failure)
{
    return QStringLiteral("The request could not be carried out: %1").arg(QString::fromStdString(failure.what()));
}

} // namespace

MainWindowLogic::MainWindowLogic(store::SharedState& state, host::Host& host)
    : m_state(state),
      m_host(host),
      m_voiceMenu(std::make_unique<control::VoiceMenu>()),
      m_recitation(std::make_unique<playback::RecitationPlan>(state, host,
          [this](const std::exception_ptr& failure) { reportFailures([&] { std::rethrow_exception(failure); }); })),
      m_voiceFinder(std::make_unique<playback::MediaFileFinder>())
{
}

MainWindowLogic::~MainWindowLogic() = default;

const control::VoiceMenu& MainWindowLogic::voiceMenu() const
{
    return *m_voiceMenu;
}

template <typename Action> bool MainWindowLogic::reportFailures(Action&& action)
{
    try {
        action();
        return true;
    } catch (const store::Error& failure) {
        m_host.reportError(failureText(failure));
    } catch (const std::exception& failure) {
        m_host.reportError(failureText(failure));
    }
    return false;
}

void MainWindowLogic::load()
{
    try {
        // Pages a killed run left half written go before any page is written.
        pages::removeUnfinishedPageFiles(m_state.gAppFolder);
        // The voice menu comes from the program list as it stood before the
        // defaults were restored; everything after it from the fresh list.
        m_voiceMenu->setupMenu(m_state, m_host);
        store::selectedProgramIds(m_state);
        m_host.navigate(Pane::WebControl, control::buildControlPage(m_state));
        for (const auto& [pane, page] : kPickerPages)
            m_host.navigate(pane, inAppFolder(m_state.gAppFolder, QString::fromLatin1(page)));
        dispatch(kFirstPageCommand);
    } catch (const store::StartupError&) {
        throw;
    } catch (const store::Error& failure) {
        throw store::StartupError(QStringLiteral("The main window could not be prepared. ") + failureText(failure));
    } catch (const std::exception& failure) {
        throw store::StartupError(QStringLiteral("The main window could not be prepared. ") + failureText(failure));
    }
}

bool MainWindowLogic::beforeNavigate(Pane pane, const QString& url)
{
    if (!isCommandNavigation(pane, url))
        return false;
    runNavigationCommand(pane, url);
    return true;
}

QString MainWindowLogic::commandPartOf(const QString& url) const
{
    const QString folder
        = m_state.gAppFolder.endsWith(QLatin1Char('/')) ? m_state.gAppFolder : m_state.gAppFolder + QLatin1Char('/');
    const QString path = url.startsWith(QLatin1String("file://")) ? url.mid(7) : url;
    return path.startsWith(folder) ? path.mid(folder.size()) : url;
}

bool MainWindowLogic::isCommandNavigation(Pane pane, const QString& url) const
{
    return pane != Pane::WebMain && commandPartOf(url).contains(QLatin1String("__"));
}

void MainWindowLogic::runNavigationCommand(Pane pane, const QString& url)
{
    const QString command = commandPartOf(url);
    // A text that is no command (no "=" after the marker) is ignored
    // altogether: no page, and the other selectors stay as they are.
    if (!parsePaneCommand(command))
        return;
    // The command is carried out first, so the page shows before the other
    // selectors change; a failed command leaves them as they are.
    if (reportFailures([&] { dispatch(command); }))
        resetPickersAfter(pane, command);
}

void MainWindowLogic::resetPickersAfter(Pane pane, const QString& url)
{
    switch (pane) {
    case Pane::WebWord:
        m_host.resetPickerSelector(QStringLiteral("cmbSubject"));
        m_host.resetPickerSelector(QStringLiteral("cmbRoot"));
        m_host.resetPickerSelector(QStringLiteral("cmbParah"));
        break;
    case Pane::WebSubject:
        m_host.resetPickerSelector(QStringLiteral("cmbWord"));
        m_host.resetPickerSelector(QStringLiteral("cmbRoot"));
        m_host.resetPickerSelector(QStringLiteral("cmbParah"));
        break;
    case Pane::WebSurah:
        m_host.resetPickerSelector(QStringLiteral("cmbWord"));
        m_host.resetPickerSelector(QStringLiteral("cmbSubject"));
        // A part pick clears the root selector and a root pick the part
        // selector; a chapter pick leaves both as they are.
        if (url.contains(QLatin1String("__Parah")))
            m_host.resetPickerSelector(QStringLiteral("cmbRoot"));
        else if (url.contains(QLatin1String("__Root")))
            m_host.resetPickerSelector(QStringLiteral("cmbParah"));
        break;
    case Pane::WebSearch:
    case Pane::WebControl:
    case Pane::WebMain:
        break;
    }
}

void MainWindowLogic::executeCommand(const QString& commandText)
{
    reportFailures([&] { dispatch(commandText); });
}

void MainWindowLogic::dispatch(const QString& commandText)
{
    const std::optional<PaneCommand> command = parsePaneCommand(commandText);
    if (!command)
        return;
    const QString& name = command->name;
    if (command->isControl) {
        if (name == QLatin1String("Voice"))
            m_recitation->stop();
        if (name == QLatin1String("SetV")) {
            clickVoiceItem(control::voiceMenuIndexOf(m_state, command->value));
        } else {
            control::applyControlSelection(m_state, QStringLiteral("CONTROL"), name, command->value,
                [this](qint32 ayahRef) { playback::playVoice(m_state, m_host, *m_voiceFinder, ayahRef); });
        }
    }
    if (name == QLatin1String("SetV") || name == QLatin1String("Voice"))
        return;
    showReadingPage(*command);
}

void MainWindowLogic::showReadingPage(const PaneCommand& command)
{
    const QString page = pages::renderReadingPage(m_state, m_host, command.name, command.value);
    const QString path = pages::writePageFile(m_state, page, kReadingPageFile);
    m_host.prepareReadingPage(readingPageView(command, page.isEmpty()));
    m_host.navigate(Pane::WebMain, path);
}

void MainWindowLogic::textsChanged()
{
    reportFailures([&] {
        store::selectedProgramIds(m_state);
        m_host.navigate(Pane::WebControl, control::buildControlPage(m_state));
        // The same verses again, as a choice of texts in a row shows them.
        showReadingPage(PaneCommand{QStringLiteral("Row1"), QString(), true});
    });
}

void MainWindowLogic::contextMenu(Pane pane)
{
    // A right-click in a picker pane puts its own selectors back to their
    // first entries; WebSurah's page holds two of them.
    switch (pane) {
    case Pane::WebWord:
        m_host.resetPickerSelector(QStringLiteral("cmbWord"));
        break;
    case Pane::WebSubject:
        m_host.resetPickerSelector(QStringLiteral("cmbSubject"));
        break;
    case Pane::WebSurah:
        m_host.resetPickerSelector(QStringLiteral("cmbParah"));
        m_host.resetPickerSelector(QStringLiteral("cmbRoot"));
        break;
    case Pane::WebSearch:
    case Pane::WebControl:
    case Pane::WebMain:
        break;
    }
}

void MainWindowLogic::readingPageDoubleClick(const QString& verseTableId)
{
    reportFailures([&] {
        bool isVerse = false;
        verseTableId.trimmed().toInt(&isVerse);
        if (isVerse)
            m_recitation->stop();
        playback::readingPageDoubleClick(m_state, m_host, *m_voiceFinder, verseTableId);
    });
}

const playback::RecitationPlan& MainWindowLogic::recitation() const
{
    return *m_recitation;
}

void MainWindowLogic::recite(const playback::RecitationRequest& request)
{
    reportFailures([&] { m_recitation->start(request); });
}

void MainWindowLogic::recite(const QString& from, const QString& to, const QString& verseRepeat,
    const QString& rangeRepeat, const QString& gapMs)
{
    reportFailures(
        [&] { m_recitation->start(playback::RecitationRequest::fromText(from, to, verseRepeat, rangeRepeat, gapMs)); });
}

void MainWindowLogic::recitationEnded()
{
    reportFailures([&] { m_recitation->verseEnded(); });
}

void MainWindowLogic::recitationGapElapsed()
{
    reportFailures([&] { m_recitation->gapElapsed(); });
}

void MainWindowLogic::stopRecitation()
{
    reportFailures([&] { m_recitation->stop(); });
}

void MainWindowLogic::reciteNextVerse()
{
    reportFailures([&] { m_recitation->nextVerse(); });
}

void MainWindowLogic::recitePreviousVerse()
{
    reportFailures([&] { m_recitation->previousVerse(); });
}

void MainWindowLogic::setPlaybackRate(double rate)
{
    reportFailures([&] {
        if (!playback::isPlaybackRate(rate))
            throw store::RefusedValue(QStringLiteral("The speed must be a number from %1 to %2.")
                                          .arg(playback::kMinRate)
                                          .arg(playback::kMaxRate));
        m_rate = rate;
        m_host.playerSetRate(rate);
    });
}

void MainWindowLogic::setPlaybackRate(const QString& rate)
{
    bool ok = false;
    const double value = rate.trimmed().toDouble(&ok);
    setPlaybackRate(ok ? value : -1.0);
}

QString MainWindowLogic::downloadFolderFor(const QString& voiceId, const QString& defaultFolder)
{
    const QString folder = voiceRow(voiceId).text(QStringLiteral("Data")).trimmed();
    if (folder.isEmpty())
        return defaultFolder;
    return QDir::isRelativePath(folder) ? QDir(m_state.gAppFolder).filePath(folder) : folder;
}

void MainWindowLogic::keepDownloadFolder(const QString& voiceId, const QString& folder)
{
    store::RecordSet voice = voiceRow(voiceId);
    if (!voice.text(QStringLiteral("Data")).trimmed().isEmpty())
        return;
    // As the media folder dialog's Accept stores a folder.
    m_state.gMediaPathResult = folder;
    m_voiceMenu->setupMenu(m_state, m_host);
    control::setProgramData(m_state, voice.text(QStringLiteral("MasterID")));
    m_voiceMenu->setupMenu(m_state, m_host);
}

store::RecordSet MainWindowLogic::voiceRow(const QString& voiceId)
{
    store::RecordSet voice = m_state.gPrograms.clone();
    const std::optional<qint32> id = store::readWholeNumber(voiceId).value;
    if (id)
        voice.setFilter(QStringLiteral("(SysTerm_MasterTypeID='VOICE' AND MasterID='%1')").arg(*id));
    if (!id || voice.recordCount() <= 0)
        throw store::RefusedValue(QStringLiteral("\"%1\" is not the id of a voice.").arg(voiceId));
    voice.moveFirst();
    return voice;
}

void MainWindowLogic::voiceMenuClick(int index)
{
    reportFailures([&] { clickVoiceItem(index); });
}

void MainWindowLogic::clickVoiceItem(int index)
{
    m_voiceMenu->mnuDPVoiceClick(m_state, m_host, index,
        [this](const QString& tag) { return playback::runMediaFolderDialog(m_state, m_host, tag); });
}

} // namespace tilvora::navigation
