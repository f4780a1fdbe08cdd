#include "clisession.h"

#include "playback/mediafilefinder.h"

#include "align/alignfailure.h"
#include "align/voicechapter.h"
#include "host/linefields.h"
#include "playback/recitationdownload.h"
#include "playback/recitationplan.h"
#include "store/dberror.h"

#include "store/storestartup.h"
#include <QEventLoop>

#include <QUrl>

namespace tilvora::app {

namespace {

// How many fields an event's line has at most, its name included (the last field
// takes the rest of the line).
int fieldCountOf(const QString& event)
{
    if (const int count = CliMemorise::fieldCountOf(event))
        return count;
    if (const int count = CliTexts::fieldCountOf(event))
        return count;
    if (event == QLatin1String("navigate") || event == QLatin1String("resize") || event == QLatin1String("setwidth")
        || event == QLatin1String("dialog"))
        return 3;
    if (event == QLatin1String("recite") || event == QLatin1String("download"))
        return 6;
    if (event == QLatin1String("align"))
        return 4;
    return 2;
}

// Input text as an error line echoes it: control and format characters
// (ESC, BEL, NUL, a direction override) are written as \xNN or \uNNNN, so
// that an echo never drives the reader's terminal or turns its line around.
// TAB, CR and LF are left to the line's own escaping.
QString shown(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const bool lineEscaped = c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
        const bool hidden = c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
        if (!hidden || lineEscaped) {
            out += c;
            continue;
        }
        const QString hex = QString::number(c.unicode(), 16).toUpper();
        out += c.unicode() < 0x100 ? QStringLiteral("\\x") + hex.rightJustified(2, QLatin1Char('0'))
                                   : QStringLiteral("\\u") + hex.rightJustified(4, QLatin1Char('0'));
    }
    return out;
}

bool parseWhole(const QString& text, int* value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

bool parseNumber(const QString& text, double* value)
{
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

CliSession::CliSession(QTextStream& in, QTextStream& out)
    : m_in(in),
      m_host(out),
      m_texts(m_host, m_state),
      m_memorise(m_host, [this]() -> const mushaf::MushafIndex& { return mushafIndex(); })
{
}

CliSession::~CliSession() = default;

int CliSession::run(const QString& appFolder)
{
    try {
        store::startStore(m_state, appFolder);
        m_memorise.setFolder(appFolder);
        m_logic = std::make_unique<navigation::MainWindowLogic>(m_state, m_host);
        m_logic->load();
    } catch (const store::StartupError& error) {
        m_host.writeLine({QStringLiteral("fatal"), error.message()});
        return 1;
    }
    // Each event is finished, file searches included, before the next is
    // read, so the lines come out in the order of the events.
    playback::MediaFileFinder::finishAll();
    QString line;
    while (m_in.readLineInto(&line)) {
        handleLine(line);
        playback::MediaFileFinder::finishAll();
    }
    return 0;
}

bool CliSession::paneArgument(const QString& name, host::Pane* pane)
{
    if (host::paneFromName(name, pane))
        return true;
    m_host.reportError(QStringLiteral("There is no pane named \"%1\".").arg(shown(name)));
    return false;
}

void CliSession::handleLine(const QString& rawLine)
{
    QString line = rawLine;
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    if (line.trimmed().isEmpty())
        return;
    const QString event = line.section(QLatin1Char('\t'), 0, 0);
    const QStringList fields = host::splitFields(line, fieldCountOf(event));
    const QString first = fields.value(1);

    host::Pane pane;
    if (event == QLatin1String("navigate")) {
        if (paneArgument(first, &pane))
            m_logic->beforeNavigate(pane, QUrl::fromPercentEncoding(fields.value(2).toUtf8()));
    } else if (event == QLatin1String("command")) {
        m_logic->executeCommand(first);
    } else if (event == QLatin1String("dblclick")) {
        m_logic->readingPageDoubleClick(first);
    } else if (event == QLatin1String("contextmenu")) {
        if (paneArgument(first, &pane))
            m_logic->contextMenu(pane);
    } else if (event == QLatin1String("menu")) {
        int index = 0;
        if (parseWhole(first, &index))
            m_logic->voiceMenuClick(index);
        else
            m_host.reportError(QStringLiteral("The voice menu has no item \"%1\".").arg(shown(first)));
    } else if (event == QLatin1String("dialog")) {
        handleDialogAnswer(fields);
    } else if (event == QLatin1String("resize")) {
        handleResize(fields);
    } else if (event == QLatin1String("hidepane")) {
        m_layout.toggleControlPane();
        printLayout();
    } else if (event == QLatin1String("setwidth")) {
        handleSetWidth(fields);
    } else if (event == QLatin1String("recite")) {
        m_logic->recite(fields.value(1), fields.value(2), fields.value(3), fields.value(4), fields.value(5));
    } else if (event == QLatin1String("ended")) {
        m_logic->recitationEnded();
        // The text host does not sleep: a gap is over as soon as it is announced.
        if (m_logic->recitation().isWaiting())
            m_logic->recitationGapElapsed();
    } else if (event == QLatin1String("rate")) {
        m_logic->setPlaybackRate(first);
    } else if (event == QLatin1String("stop")) {
        m_logic->stopRecitation();
    } else if (event == QLatin1String("download")) {
        handleDownload(fields);
    } else if (event == QLatin1String("align")) {
        handleAlign(fields);
    } else if (event == QLatin1String("mushaf") || event == QLatin1String("pageof")) {
        handleMushaf(event, first);
    } else if (CliTexts::fieldCountOf(event) > 0) {
        m_texts.handle(*m_logic, event, fields);
    } else if (CliMemorise::fieldCountOf(event) > 0) {
        m_memorise.handle(event, fields);
    } else {
        m_host.reportError(QStringLiteral("Unknown event \"%1\".").arg(shown(event)));
    }
}

void CliSession::handleDialogAnswer(const QStringList& fields)
{
    using Outcome = host::MediaFolderDialogAnswer::Outcome;
    const QString answer = fields.value(1);
    if (answer == QLatin1String("accept"))
        m_host.queueDialogAnswer({Outcome::Accepted, fields.value(2)});
    else if (answer == QLatin1String("cancel"))
        m_host.queueDialogAnswer({Outcome::Cancelled, QString()});
    else if (answer == QLatin1String("close"))
        m_host.queueDialogAnswer({Outcome::Closed, QString()});
    else
        m_host.reportError(QStringLiteral("A dialog answers accept, cancel or close, not \"%1\".").arg(shown(answer)));
}

void CliSession::handleResize(const QStringList& fields)
{
    double width = 0, height = 0;
    if (!parseNumber(fields.value(1), &width) || !parseNumber(fields.value(2), &height)) {
        m_host.reportError(QStringLiteral("A window size is two numbers of twips."));
        return;
    }
    m_layout.arrangePanes(width, height);
    printLayout();
}

void CliSession::handleSetWidth(const QStringList& fields)
{
    host::Pane pane;
    int width = 0;
    if (!paneArgument(fields.value(1), &pane))
        return;
    if (!parseWhole(fields.value(2), &width)) {
        m_host.reportError(QStringLiteral("A width is a whole number of twips."));
        return;
    }
    if (width > layout::PaneLayout::kMaxReachableWidth) {
        m_host.reportError(QStringLiteral("A width of %1 twips is beyond any screen's reach (at most %2).")
                               .arg(width)
                               .arg(layout::PaneLayout::kMaxReachableWidth));
        return;
    }
    if (pane == host::Pane::WebControl)
        m_layout.controlSetWidth(width);
    else if (pane == host::Pane::WebMain)
        m_layout.mainSetWidth(width);
    else {
        m_host.reportError(QStringLiteral("Only WebControl and WebMain ask for a width."));
        return;
    }
    printLayout();
}

void CliSession::handleDownload(const QStringList& fields)
{
    playback::DownloadLayout layout;
    int fromChapter = 0;
    int toChapter = 0;
    if (!playback::downloadLayoutFromName(fields.value(3), &layout)) {
        m_host.reportError(
            QStringLiteral("A download's layout is sssaaa or number, not \"%1\".").arg(shown(fields.value(3))));
        return;
    }
    if (!parseWhole(fields.value(4), &fromChapter) || !parseWhole(fields.value(5), &toChapter)) {
        m_host.reportError(QStringLiteral("The chapters to download are two whole numbers."));
        return;
    }
    std::vector<playback::DownloadFile> files;
    QString folder;
    try {
        const QString base = fields.value(2);
        files = playback::downloadFiles(*m_state.gConnection, base, layout, fromChapter, toChapter);
        const QString reciter = QUrl(base.trimmed()).adjusted(QUrl::StripTrailingSlash).fileName();
        folder = m_logic->downloadFolderFor(fields.value(1), playback::defaultRecitationFolder(reciter));
    } catch (const store::RefusedValue& refused) {
        m_host.reportError(refused.message());
        return;
    } catch (const std::exception& failure) {
        m_host.reportError(
            QStringLiteral("The download could not start: %1").arg(QString::fromLocal8Bit(failure.what())));
        return;
    }

    // The download runs to its end before the next event is read.
    playback::RecitationDownload download;
    QEventLoop loop;
    playback::DownloadSummary summary;
    QObject::connect(
        &download, &playback::RecitationDownload::fileDone, &loop, [this](int done, int total, qint64 bytes) {
            m_host.writeLine(
                {QStringLiteral("progress"), QString::number(done), QString::number(total), QString::number(bytes)});
        });
    QObject::connect(
        &download, &playback::RecitationDownload::finished, &loop, [&](const playback::DownloadSummary& result) {
            summary = result;
            loop.quit();
        });
    // The voice keeps the folder once a file is there, not before.
    const QString voiceId = fields.value(1);
    QObject::connect(&download, &playback::RecitationDownload::firstFileInPlace, &loop, [&] {
        try {
            m_logic->keepDownloadFolder(voiceId, folder);
        } catch (const std::exception& failure) {
            m_host.reportError(QStringLiteral("The voice's folder could not be stored: %1")
                                   .arg(QString::fromLocal8Bit(failure.what())));
        }
    });
    download.start(files, folder);
    if (download.isRunning())
        loop.exec();
    if (!summary.failures.isEmpty())
        m_host.reportError(
            QStringLiteral("These files were not downloaded: ") + summary.failures.join(QStringLiteral("; ")));
    if (!summary.stopReason.isEmpty())
        m_host.reportError(QStringLiteral("The download stopped: %1.").arg(summary.stopReason));
    m_host.writeLine({QStringLiteral("downloaded"), QString::number(summary.stored), QString::number(summary.skipped),
        QString::number(summary.failed)});
}

void CliSession::handleAlign(const QStringList& fields)
{
    const QString option = fields.value(3).trimmed();
    const bool replace = option == QLatin1String("replace");
    const bool store = replace || option == QLatin1String("store");
    if (!store && !option.isEmpty()) {
        m_host.reportError(
            QStringLiteral("An alignment is stored with \"store\" or \"replace\", not \"%1\".").arg(shown(option)));
        return;
    }
    try {
        const align::VoiceChapter chapter(m_state, fields.value(1), fields.value(2));
        if (store && !replace) {
            try {
                chapter.requireNoRowsOfAnotherKind(m_state);
            } catch (const align::AlignFailure& failure) {
                m_host.reportError(
                    failure.message + QStringLiteral(" Align with \"replace\" instead of \"store\" to replace them."));
                return;
            }
        }
        const std::vector<align::VerseStart> starts = chapter.align();
        if (store)
            chapter.store(m_state, starts, replace);
        QStringList texts;
        for (const align::VerseStart& start : starts)
            texts << align::startText(start.seconds);
        m_host.writeLine({QStringLiteral("aligned"), QString::number(chapter.chapter()), texts.join(QLatin1Char(','))});
    } catch (const align::AlignFailure& failure) {
        m_host.reportError(failure.message);
    } catch (const store::DbError& error) {
        m_host.reportError(error.description());
    }
}

void CliSession::handleMushaf(const QString& event, const QString& argument)
{
    try {
        const mushaf::MushafIndex& index = mushafIndex();
        if (event == QLatin1String("pageof")) {
            const qint32 verse = index.parseReference(argument);
            const mushaf::Place place = index.placeOf(verse);
            m_host.writeLine({QStringLiteral("page"), index.reference(verse), QString::number(place.page),
                QString::number(place.line)});
            return;
        }
        const int page = index.parsePage(argument);
        const mushaf::PageDivisions divisions = index.divisionsAt(page);
        m_host.writeLine({QStringLiteral("mushaf"), QString::number(page), index.reference(index.firstVerseOf(page)),
            index.reference(index.lastVerseOf(page)), QString::number(divisions.part),
            QString::number(divisions.quarter), QString::number(index.linesOf(page).size())});
    } catch (const store::RefusedValue& refused) {
        m_host.reportError(refused.message());
    } catch (const store::DbError& error) {
        m_host.reportError(error.description());
    }
}

const mushaf::MushafIndex& CliSession::mushafIndex()
{
    if (!m_mushaf)
        m_mushaf = std::make_unique<mushaf::MushafIndex>(mushaf::MushafIndex::load(*m_state.gConnection));
    return *m_mushaf;
}

void CliSession::printLayout()
{
    for (const layout::ControlGeometry& control : m_layout.controls())
        m_host.writeLine(QStringList{QStringLiteral("layout")} + layout::layoutFields(control));
}

} // namespace tilvora::app
