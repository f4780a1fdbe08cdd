#include "ui/dialogs/chapteralignmentdialog.h"

#include "align/alignfailure.h"
#include "store/dberror.h"
#include "store/sharedstate.h"
#include "ui/dialogs/logictext.h"
#include "ui/recitation/gstaudioplayer.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tilvora::ui {

namespace {

constexpr double kNudgeSeconds = 0.1;
// "Play around it": from this long before the start, for this long.
constexpr double kPlayBeforeSeconds = 1.5;
constexpr int kPlayMilliseconds = 4000;

QString voiceDescription(store::SharedState& state, const QString& voiceId)
{
    try {
        store::RecordSet voice = state.gConnection->openRecordSet(
            QStringLiteral("SELECT Description FROM AP_Master_TAB WHERE MasterID = %1").arg(voiceId.toInt()));
        if (voice.recordCount() > 0) {
            voice.moveFirst();
            return voice.text(0);
        }
    } catch (const store::DbError&) {
    }
    return QString();
}

// The numbers of the chapters of the content, in order.
QList<int> chapterNumbers(store::Connection& connection)
{
    QList<int> numbers;
    store::RecordSet chapters
        = connection.openRecordSet(QStringLiteral("SELECT DISTINCT SurahNo FROM MD_Ayah_TAB ORDER BY SurahNo"));
    if (chapters.recordCount() > 0) {
        for (chapters.moveFirst(); !chapters.eof(); chapters.moveNext())
            numbers << chapters.value(0).toInt();
    }
    return numbers;
}

bool askWithMessageBox(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, parent->windowTitle(), question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* replace = box.addButton(ChapterAlignmentDialog::tr("Replace Them"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(ChapterAlignmentDialog::tr("Keep Them"), QMessageBox::RejectRole));
    // The question comes while the reader may be elsewhere: a window manager
    // that keeps a new window below the active one must still show it on top.
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    box.exec();
    return box.clickedButton() == replace;
}

} // namespace

// What the search for the chapter recordings found, handed from the worker.
struct ChapterAlignmentDialog::Found {
    std::vector<std::unique_ptr<align::VoiceChapter>> chapters;
    // For each chapter: how many of the voice's own rows storing would replace.
    std::vector<int> rowsOfAnotherKind;
    // Why the first chapter that was looked for could not be used.
    QString firstReason;
};

ChapterAlignmentDialog::ChapterAlignmentDialog(store::SharedState& state, const QString& voiceId, QWidget* parent)
    : QDialog(parent), m_state(state), m_voiceId(voiceId)
{
    setObjectName(QStringLiteral("FrmChapterStarts"));
    const QString description = voiceDescription(state, voiceId);
    //: The title of the window that finds where each verse starts in recordings of whole chapters.
    setWindowTitle(description.isEmpty() ? tr("Verse starts in the chapter files")
                                         //: %1 is the voice.
                                         : tr("Verse starts in the chapter files - %1").arg(description));
    setModal(true);
    resize(520, 420);

    m_status = new QLabel(tr("Looking for the chapter files..."), this);
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 0);

    auto* listCaption = new QLabel(tr("Verses to check (their starts were found with low confidence):"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstToCheck"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({tr("Verse"),
        //: A column heading: where the verse starts, in seconds.
        tr("Start (s)"), tr("Confidence")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_start = new QDoubleSpinBox(this);
    m_start->setObjectName(QStringLiteral("spnStart"));
    m_start->setDecimals(2);
    m_start->setRange(0, 24 * 3600);
    m_start->setSingleStep(kNudgeSeconds);
    //: After a number of seconds.
    m_start->setSuffix(tr(" s"));
    m_earlier = new QPushButton(
        //: Moves the verse's start a tenth of a second earlier.
        tr("- 0.1 s"), this);
    m_later = new QPushButton(
        //: Moves the verse's start a tenth of a second later.
        tr("+ 0.1 s"), this);
    m_play = new QPushButton(
        //: Plays the recording from a little before the verse's start.
        tr("Play around it"), this);
    m_store = new QPushButton(tr("Store"), this);
    m_store->setObjectName(QStringLiteral("cmdStoreStart"));
    auto* edit = new QHBoxLayout;
    edit->addWidget(new QLabel(tr("Start:"), this));
    for (QWidget* widget : std::initializer_list<QWidget*>{m_start, m_earlier, m_later, m_play, m_store})
        edit->addWidget(widget);
    edit->addStretch();

    m_close = new QPushButton(tr("Cancel"), this);
    m_close->setObjectName(QStringLiteral("cmdCloseStarts"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(listCaption);
    layout->addWidget(m_list, 1);
    layout->addLayout(edit);
    layout->addLayout(buttons);

    for (QWidget* widget : std::initializer_list<QWidget*>{m_start, m_earlier, m_later, m_play, m_store})
        widget->setEnabled(false);

    m_askToReplace = [this](const QString& question) { return askWithMessageBox(this, question); };
    m_player = new GstAudioPlayer(this);
    m_stopTimer = new QTimer(this);
    m_stopTimer->setSingleShot(true);
    connect(m_stopTimer, &QTimer::timeout, m_player, &playback::AudioPlayer::pause);
    connect(m_player, &playback::AudioPlayer::seekableChanged, this, &ChapterAlignmentDialog::playWhenSeekable);

    connect(m_close, &QPushButton::clicked, this, &ChapterAlignmentDialog::reject);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &ChapterAlignmentDialog::listedVerseChosen);
    connect(m_earlier, &QPushButton::clicked, this, [this] { nudge(-kNudgeSeconds); });
    connect(m_later, &QPushButton::clicked, this, [this] { nudge(kNudgeSeconds); });
    connect(m_play, &QPushButton::clicked, this, &ChapterAlignmentDialog::playAroundStart);
    connect(m_store, &QPushButton::clicked, this, &ChapterAlignmentDialog::storeCorrection);
}

ChapterAlignmentDialog::~ChapterAlignmentDialog()
{
    m_cancelled = true;
    for (QThread* thread : {m_finder.get(), m_worker.get()}) {
        if (thread)
            thread->wait();
    }
}

void ChapterAlignmentDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once the dialog is on screen, so that the reader sees the search begin.
    QTimer::singleShot(0, this, &ChapterAlignmentDialog::start);
}

void ChapterAlignmentDialog::reject()
{
    if (m_started && !m_finished) {
        cancel();
        return;
    }
    m_player->stop();
    QDialog::reject();
}

void ChapterAlignmentDialog::cancel()
{
    m_cancelled = true;
    m_status->setText(tr("Stopping..."));
}

void ChapterAlignmentDialog::start()
{
    if (m_started)
        return;
    m_started = true;
    // The chapters are looked for on a connection of the finder's own: the
    // window's connection belongs to its thread, and a folder search and a
    // reading of every chapter's verses take seconds.
    const QString databasePath = m_state.gConnection->databasePath();
    const QString appFolder = m_state.gAppFolder;
    const QString voiceId = m_voiceId;
    auto found = std::make_shared<Found>();
    m_finder.reset(QThread::create([this, found, databasePath, appFolder, voiceId] {
        store::SharedState reading;
        reading.gAppFolder = appFolder;
        try {
            reading.gConnection = store::Connection::open(databasePath);
            for (int chapter : chapterNumbers(*reading.gConnection)) {
                if (m_cancelled)
                    break;
                try {
                    auto voiceChapter
                        = std::make_unique<align::VoiceChapter>(reading, voiceId, QString::number(chapter));
                    found->rowsOfAnotherKind.push_back(voiceChapter->rowsOfAnotherKind(reading));
                    found->chapters.push_back(std::move(voiceChapter));
                } catch (const align::AlignFailure& failure) {
                    if (found->firstReason.isEmpty())
                        found->firstReason = failure.message;
                } catch (const store::DbError& failure) {
                    if (found->firstReason.isEmpty())
                        found->firstReason = failure.description();
                }
            }
        } catch (const store::DbError& failure) {
            if (found->firstReason.isEmpty())
                found->firstReason = failure.description();
        }
    }));
    connect(m_finder.get(), &QThread::finished, this, [this, found] { chaptersFound(found); });
    m_finder->start();
}

void ChapterAlignmentDialog::chaptersFound(const std::shared_ptr<Found>& found)
{
    m_chapters = std::move(found->chapters);
    m_replace.assign(m_chapters.size(), false);
    if (m_cancelled) {
        m_progress->setRange(0, 1);
        workDone(true);
        return;
    }
    if (m_chapters.empty()) {
        m_status->setText(
            //: %1 is the reason the first chapter file could not be used.
            tr("No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1")
                .arg(LogicText::translated(found->firstReason)));
        m_progress->setRange(0, 1);
        workDone(false);
        return;
    }
    keepOwnRecordings(found->rowsOfAnotherKind);
    alignChapters();
}

// Asks once whether the voice's own recordings of some chapters' verses may be
// replaced; the chapters whose recordings are kept are left out of the work.
void ChapterAlignmentDialog::keepOwnRecordings(const std::vector<int>& rowsOfAnotherKind)
{
    QStringList chapters;
    int rows = 0;
    for (std::size_t i = 0; i < m_chapters.size(); ++i) {
        if (rowsOfAnotherKind[i] > 0) {
            chapters << QString::number(m_chapters[i]->chapter());
            rows += rowsOfAnotherKind[i];
        }
    }
    if (chapters.isEmpty())
        return;
    const bool replace = m_askToReplace(
        //: %n is the number of verses; %1 the list of chapter numbers.
        tr("This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, "
           "say). Replace them with the starts found in the chapter files?\n\n"
           "If you keep them, those chapters are left as they are.",
            nullptr, rows)
            .arg(QLocale().createSeparatedList(chapters)));
    std::vector<std::unique_ptr<align::VoiceChapter>> kept;
    for (std::size_t i = 0; i < m_chapters.size(); ++i) {
        if (rowsOfAnotherKind[i] > 0 && !replace) {
            auto* item = new QTreeWidgetItem(m_list,
                {tr("Chapter %1").arg(QLocale().toString(m_chapters[i]->chapter())),
                    tr("The voice's own recordings were kept.")});
            item->setData(0, Qt::UserRole, -1);
            continue;
        }
        kept.push_back(std::move(m_chapters[i]));
    }
    m_chapters = std::move(kept);
    m_replace.assign(m_chapters.size(), replace);
}

void ChapterAlignmentDialog::alignChapters()
{
    if (m_chapters.empty()) {
        m_status->setText(tr("Nothing was changed: the voice keeps its own recordings."));
        m_progress->setRange(0, 1);
        workDone(false);
        return;
    }
    m_progress->setRange(0, int(m_chapters.size()));
    m_progress->setValue(0);
    m_status->setText(tr("Finding the verse starts of %n chapters...", nullptr, int(m_chapters.size())));

    std::vector<const align::VoiceChapter*> chapters;
    for (const auto& chapter : m_chapters)
        chapters.push_back(chapter.get());
    m_worker.reset(QThread::create([this, chapters] {
        for (std::size_t i = 0; i < chapters.size() && !m_cancelled; ++i) {
            try {
                const std::vector<align::VerseStart> starts = chapters[i]->align(&m_cancelled);
                QMetaObject::invokeMethod(
                    this, [this, i, starts] { chapterAligned(i, starts); }, Qt::QueuedConnection);
            } catch (const align::AlignCancelled&) {
                break;
            } catch (const align::AlignFailure& failure) {
                const QString message = failure.message;
                QMetaObject::invokeMethod(
                    this, [this, i, message] { chapterFailed(i, message); }, Qt::QueuedConnection);
            }
        }
    }));
    connect(m_worker.get(), &QThread::finished, this, [this] { workDone(m_cancelled); });
    m_worker->start();
}

void ChapterAlignmentDialog::chapterAligned(std::size_t index, const std::vector<align::VerseStart>& starts)
{
    const align::VoiceChapter& chapter = *m_chapters[index];
    try {
        chapter.store(m_state, starts, m_replace[index]);
    } catch (const store::DbError& failure) {
        chapterFailed(index, failure.description());
        return;
    } catch (const align::AlignFailure& failure) {
        chapterFailed(index, failure.message);
        return;
    }
    ++m_stored;
    for (std::size_t verse = 0; verse < starts.size(); ++verse) {
        if (starts[verse].confidence >= kLowConfidence)
            continue;
        m_listed.push_back({index, verse, starts[verse].seconds});
        auto* item = new QTreeWidgetItem(m_list,
            {QStringLiteral("%1:%2").arg(chapter.chapter()).arg(verse + 1), align::startText(starts[verse].seconds),
                QStringLiteral("%1 %").arg(qRound(starts[verse].confidence * 100))});
        item->setData(0, Qt::UserRole, int(m_listed.size() - 1));
    }
    m_progress->setValue(++m_done);
}

void ChapterAlignmentDialog::chapterFailed(std::size_t index, const QString& message)
{
    auto* item = new QTreeWidgetItem(m_list,
        {tr("Chapter %1").arg(QLocale().toString(m_chapters[index]->chapter())), LogicText::translated(message)});
    item->setData(0, Qt::UserRole, -1);
    item->setFirstColumnSpanned(false);
    m_progress->setValue(++m_done);
}

void ChapterAlignmentDialog::workDone(bool cancelled)
{
    m_finished = true;
    // The chapters counted are those whose starts were stored; the others
    // are listed with the reason.
    if (cancelled && m_chapters.empty())
        m_status->setText(tr("Stopped: nothing was stored."));
    else if (cancelled)
        m_status->setText(
            tr("Stopped: the starts of %1 of %n chapters are stored.", nullptr, int(m_chapters.size())).arg(m_stored));
    else if (!m_chapters.empty())
        //: %1 chapters stored out of %2; %n verses to check by ear.
        m_status->setText(
            tr("Done: the starts of %1 of %2 chapters are stored; %n verses to check.", nullptr, int(m_listed.size()))
                .arg(m_stored)
                .arg(m_chapters.size()));
    m_close->setText(tr("Close"));
    emit workFinished();
}

const ChapterAlignmentDialog::Listed* ChapterAlignmentDialog::chosenVerse() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    const int at = item ? item->data(0, Qt::UserRole).toInt() : -1;
    return at >= 0 && std::size_t(at) < m_listed.size() ? &m_listed[std::size_t(at)] : nullptr;
}

void ChapterAlignmentDialog::listedVerseChosen()
{
    const Listed* listed = chosenVerse();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_start, m_earlier, m_later, m_play, m_store})
        widget->setEnabled(listed != nullptr);
    if (listed)
        m_start->setValue(listed->seconds);
}

void ChapterAlignmentDialog::nudge(double seconds)
{
    m_start->setValue(std::max(0.0, m_start->value() + seconds));
}

void ChapterAlignmentDialog::playAroundStart()
{
    const Listed* listed = chosenVerse();
    if (!listed)
        return;
    const QUrl url = QUrl::fromLocalFile(m_chapters[listed->chapter]->recordingPath());
    m_pendingFrom = qint64(std::max(0.0, m_start->value() - kPlayBeforeSeconds) * 1000);
    m_stopTimer->stop();
    if (m_player->source() != url)
        m_player->setSource(url);
    playWhenSeekable();
}

void ChapterAlignmentDialog::playWhenSeekable()
{
    // A file just given opens in the background; it is moved and played
    // once it can be moved.
    if (m_pendingFrom < 0 || !m_player->isSeekable())
        return;
    m_player->setPosition(m_pendingFrom);
    m_pendingFrom = -1;
    m_player->play();
    m_stopTimer->start(kPlayMilliseconds);
}

void ChapterAlignmentDialog::storeCorrection()
{
    const Listed* listed = chosenVerse();
    if (!listed)
        return;
    const align::VoiceChapter& chapter = *m_chapters[listed->chapter];
    const double seconds = m_start->value();
    try {
        chapter.storeStart(m_state, listed->verse, seconds);
    } catch (const store::DbError& failure) {
        //: %1 is the reason.
        m_status->setText(tr("The start could not be stored: %1").arg(LogicText::translated(failure.description())));
        return;
    }
    m_listed[std::size_t(m_list->currentItem()->data(0, Qt::UserRole).toInt())].seconds = seconds;
    m_list->currentItem()->setText(1, align::startText(seconds));
    //: %1:%2 is the verse as chapter:verse, %3 a number of seconds.
    m_status->setText(tr("Verse %1:%2 now starts at %3 s.")
                          .arg(chapter.chapter())
                          .arg(listed->verse + 1)
                          .arg(align::startText(seconds)));
}

} // namespace tilvora::ui
