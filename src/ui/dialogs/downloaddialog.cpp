#include "ui/dialogs/downloaddialog.h"

#include "ui/dialogs/logictext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

#include <exception>

namespace tilvora::ui {

namespace {

QString sizeText(qint64 bytes)
{
    const QLocale locale;
    if (bytes < 1024 * 1024)
        //: A size in kilobytes.
        return DownloadDialog::tr("%1 KB").arg(locale.toString(bytes / 1024));
    //: A size in megabytes.
    return DownloadDialog::tr("%1 MB").arg(locale.toString(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1));
}

QString durationText(qint64 seconds)
{
    const QLocale locale;
    if (seconds < 60)
        //: A time left: seconds.
        return DownloadDialog::tr("%1 s").arg(locale.toString(seconds));
    if (seconds < 3600)
        //: A time left: minutes and seconds.
        return DownloadDialog::tr("%1 min %2 s").arg(locale.toString(seconds / 60), locale.toString(seconds % 60));
    //: A time left: hours and minutes.
    return DownloadDialog::tr("%1 h %2 min").arg(locale.toString(seconds / 3600), locale.toString((seconds / 60) % 60));
}

// Each failure as the file's name and why it failed ("002001.mp3: timed
// out"), the why in the reader's language.
QStringList failureLines(const QStringList& failures)
{
    QStringList lines;
    for (const QString& failure : failures) {
        const qsizetype colon = failure.indexOf(QLatin1String(": "));
        lines << (colon < 0
                ? LogicText::translated(failure)
                //: A recording's file name and why it could not be downloaded.
                : DownloadDialog::tr("%1: %2").arg(failure.left(colon), LogicText::translated(failure.mid(colon + 2))));
    }
    return lines;
}

} // namespace

std::vector<playback::CatalogueEntry> DownloadDialog::shippedCatalogue()
{
    QFile file(QStringLiteral(":/tilvora/reciters.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return playback::readCatalogue(file.readAll());
}

DownloadDialog::DownloadDialog(
    store::Connection& connection, FolderForVoice folderForVoice, KeepFolder keepFolder, QWidget* parent)
    : QDialog(parent),
      m_connection(connection),
      m_folderForVoice(std::move(folderForVoice)),
      m_keepFolder(std::move(keepFolder)),
      m_entries(shippedCatalogue()),
      m_download(new playback::RecitationDownload(this))
{
    setObjectName(QStringLiteral("DownloadDialog"));
    setWindowTitle(tr("Download recitation"));

    m_catalogue = new QComboBox(this);
    m_catalogue->setObjectName(QStringLiteral("catalogue"));
    for (const playback::CatalogueEntry& entry : m_entries)
        //: A reciter and the bit rate of the recordings.
        m_catalogue->addItem(tr("%1 (%2 kbps)").arg(entry.name, QLocale().toString(entry.bitrate)));
    m_catalogue->addItem(tr("Another address..."));
    m_base = new QLineEdit(this);
    m_base->setObjectName(QStringLiteral("base"));
    m_base->setPlaceholderText(QStringLiteral("https://example.org/recitation/"));
    m_layout = new QComboBox(this);
    m_layout->setObjectName(QStringLiteral("layout"));
    m_layout->addItem(tr("SSSAAA.mp3 (chapter and verse)"), QStringLiteral("sssaaa"));
    m_layout->addItem(tr("N.mp3 (verse number in the book)"), QStringLiteral("number"));

    m_fromChapter = new QSpinBox(this);
    m_fromChapter->setObjectName(QStringLiteral("fromChapter"));
    m_toChapter = new QSpinBox(this);
    m_toChapter->setObjectName(QStringLiteral("toChapter"));
    for (QSpinBox* box : {m_fromChapter, m_toChapter})
        box->setRange(1, 114);
    m_toChapter->setValue(114);
    auto* chapters = new QHBoxLayout;
    chapters->addWidget(m_fromChapter);
    chapters->addWidget(new QLabel(tr("to"), this));
    chapters->addWidget(m_toChapter);
    chapters->addStretch(1);

    m_voice = new QComboBox(this);
    m_voice->setObjectName(QStringLiteral("voice"));
    for (const playback::FolderVoice& voice : playback::reciterFolderVoices(m_connection))
        m_voice->addItem(voice.name, voice.masterId);
    m_folder = new QLabel(this);
    m_folder->setObjectName(QStringLiteral("folder"));
    m_folder->setWordWrap(true);
    // A folder's or an address's text is shown as it is, never as markup.
    m_folder->setTextFormat(Qt::PlainText);
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_folder->setText(tr("A voice without a folder gets one in your data folder."));

    auto* form = new QFormLayout;
    form->addRow(tr("Reciter:"), m_catalogue);
    form->addRow(tr("Address:"), m_base);
    form->addRow(tr("File names:"), m_layout);
    form->addRow(tr("Chapters:"), chapters);
    form->addRow(tr("Voice to fill:"), m_voice);
    form->addRow(QString(), m_folder);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_failures = new QTextEdit(this);
    m_failures->setObjectName(QStringLiteral("failures"));
    m_failures->setReadOnly(true);
    m_failures->setVisible(false);
    m_failures->setMaximumHeight(110);

    auto* buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    m_start->setObjectName(QStringLiteral("start"));
    m_close = buttons->addButton(QDialogButtonBox::Close);
    m_close->setObjectName(QStringLiteral("close"));
    connect(m_start, &QPushButton::clicked, this, &DownloadDialog::start);
    connect(m_close, &QPushButton::clicked, this, &DownloadDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_progress);
    column->addWidget(m_status);
    column->addWidget(m_failures);
    column->addStretch(1);
    column->addWidget(buttons);
    resize(520, 360);

    connect(m_catalogue, &QComboBox::currentIndexChanged, this, &DownloadDialog::chooseCatalogueEntry);
    connect(m_download, &playback::RecitationDownload::fileDone, this, &DownloadDialog::showProgress);
    connect(m_download, &playback::RecitationDownload::bytesArrived, this, &DownloadDialog::showProgress);
    connect(m_download, &playback::RecitationDownload::finished, this, &DownloadDialog::showSummary);
    connect(m_download, &playback::RecitationDownload::firstFileInPlace, this, &DownloadDialog::keepFolder);
    chooseCatalogueEntry(0);
    if (m_voice->count() == 0) {
        m_start->setEnabled(false);
        m_status->setText(tr("No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill."));
    }
}

void DownloadDialog::chooseCatalogueEntry(int index)
{
    const bool custom = index < 0 || index >= static_cast<int>(m_entries.size());
    m_base->setReadOnly(!custom);
    m_layout->setEnabled(custom);
    if (custom) {
        m_base->clear();
        m_base->setFocus();
        return;
    }
    const playback::CatalogueEntry& entry = m_entries[static_cast<std::size_t>(index)];
    m_base->setText(entry.base);
    m_layout->setCurrentIndex(entry.layout == playback::DownloadLayout::ChapterVerse ? 0 : 1);
}

void DownloadDialog::start()
{
    if (m_download->isRunning())
        return;
    const int entry = m_catalogue->currentIndex();
    const bool fromCatalogue = entry >= 0 && entry < static_cast<int>(m_entries.size());
    playback::DownloadLayout layout;
    playback::downloadLayoutFromName(m_layout->currentData().toString(), &layout);
    std::vector<playback::DownloadFile> files;
    QString folder;
    try {
        files = playback::downloadFiles(
            m_connection, m_base->text(), layout, m_fromChapter->value(), m_toChapter->value());
        const QString reciter = fromCatalogue
            ? QUrl(m_entries[static_cast<std::size_t>(entry)].base).adjusted(QUrl::StripTrailingSlash).fileName()
            : QUrl(m_base->text().trimmed()).adjusted(QUrl::StripTrailingSlash).fileName();
        folder = m_folderForVoice(m_voice->currentData().toInt(), reciter);
    } catch (const std::exception& refused) {
        m_status->setText(LogicText::translated(QString::fromUtf8(refused.what())));
        return;
    }
    m_voiceId = m_voice->currentData().toInt();
    m_downloadFolder = folder;
    m_folder->setText(tr("Into %1").arg(LogicText::isolated(folder)));
    m_failures->clear();
    m_failures->setVisible(false);
    m_progress->setRange(0, static_cast<int>(files.size()));
    m_progress->setValue(0);
    setRunning(true);
    m_download->start(files, folder);
}

void DownloadDialog::setRunning(bool running)
{
    m_start->setEnabled(!running);
    m_close->setText(running ? tr("Cancel") : tr("Close"));
    for (QWidget* field : std::initializer_list<QWidget*>{m_catalogue, m_base, m_fromChapter, m_toChapter, m_voice})
        field->setEnabled(!running);
    m_layout->setEnabled(!running && m_catalogue->currentIndex() >= static_cast<int>(m_entries.size()));
}

void DownloadDialog::showProgress()
{
    const int done = m_download->filesDone();
    const int total = m_download->filesTotal();
    const qint64 bytes = m_download->bytesReceived();
    const double seconds = static_cast<double>(m_download->elapsedMs()) / 1000.0;
    m_progress->setValue(done);
    const QLocale locale;
    const QString doneText = locale.toString(done);
    const QString totalText = locale.toString(total);
    //: %1 files done of %2, %3 the size received so far.
    QString text = tr("%1 of %2 files, %3").arg(doneText, totalText, sizeText(bytes));
    if (seconds > 0.5 && bytes > 0) {
        const QString pace = sizeText(static_cast<qint64>(static_cast<double>(bytes) / seconds));
        //: %1 files done of %2, %3 the size received so far, %4 the size received per second.
        text = tr("%1 of %2 files, %3, %4/s").arg(doneText, totalText, sizeText(bytes), pace);
        // Time left from the pace of the files so far.
        if (done > 0 && done < total)
            //: As before, and %5 the time left, e.g. "3 min 20 s".
            text = tr("%1 of %2 files, %3, %4/s, about %5 left")
                       .arg(doneText, totalText, sizeText(bytes), pace,
                           durationText(static_cast<qint64>(seconds / done * (total - done))));
    }
    m_status->setText(text);
}

void DownloadDialog::showSummary(const playback::DownloadSummary& summary)
{
    setRunning(false);
    showProgress();
    QString text = summary.cancelled ? tr("Cancelled. ") : QString();
    if (!summary.stopReason.isEmpty())
        text += tr("The download stopped: %1. ").arg(LogicText::translated(summary.stopReason));
    const QLocale locale;
    //: Files stored, files that were there already, files that failed.
    text
        += tr("%1 stored, %2 already there, %3 failed.")
               .arg(locale.toString(summary.stored), locale.toString(summary.skipped), locale.toString(summary.failed));
    m_status->setText(text);
    if (!summary.failures.isEmpty()) {
        m_failures->setPlainText(failureLines(summary.failures).join(QLatin1Char('\n')));
        m_failures->setVisible(true);
    }
}

void DownloadDialog::keepFolder()
{
    try {
        m_keepFolder(m_voiceId, m_downloadFolder);
    } catch (const std::exception& refused) {
        m_status->setText(LogicText::translated(QString::fromUtf8(refused.what())));
    }
}

void DownloadDialog::reject()
{
    // Cancel first; a second press (now "Close") closes.
    if (m_download->isRunning()) {
        m_download->cancel();
        return;
    }
    QDialog::reject();
}

} // namespace tilvora::ui
