#include "ui/dialogs/textdownloaddialog.h"

#include "store/dberror.h"
#include "ui/dialogs/logictext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::ui {

namespace {

enum Column { LanguageColumn, NameColumn, KindColumn, StateColumn };

QString sizeText(qint64 bytes)
{
    if (bytes < 1024 * 1024)
        return QObject::tr("%1 KB").arg(bytes / 1024);
    return QObject::tr("%1 MB").arg(static_cast<double>(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return QObject::tr("%1 s").arg(seconds);
    return QObject::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

// "Arabic (ar)": the language's English name and its code.
QString languageText(const QString& code)
{
    const QLocale::Language language = QLocale(code).language();
    if (code.isEmpty() || language == QLocale::C || language == QLocale::AnyLanguage)
        return code;
    return u"%1 (%2)"_s.arg(QLocale::languageToString(language), code);
}

QString titleOf(const texts::TextEdition& edition)
{
    if (edition.englishName.isEmpty())
        return edition.name.isEmpty() ? edition.identifier : edition.name;
    if (edition.name.isEmpty() || edition.name == edition.englishName)
        return edition.englishName;
    return u"%1 \u2014 %2"_s.arg(edition.englishName, edition.name);
}

} // namespace

const QString TextDownloadDialog::kDefaultBase = u"https://api.alquran.cloud"_s;

TextDownloadDialog::TextDownloadDialog(
    store::Connection& connection, const QString& base, std::function<void()> textsChanged, QWidget* parent)
    : QDialog(parent),
      m_store(connection),
      m_textsChanged(std::move(textsChanged)),
      m_catalogue(new texts::CatalogueFetch(this)),
      m_textDownload(new texts::TextDownload(m_store, this))
{
    setObjectName(u"TextDownloadDialog"_s);
    setWindowTitle(tr("Download texts"));

    m_base = new QLineEdit(base.isEmpty() ? kDefaultBase : base, this);
    m_base->setObjectName(u"base"_s);
    m_fetch = new QPushButton(tr("&Fetch list"), this);
    m_fetch->setObjectName(u"fetch"_s);
    auto* address = new QHBoxLayout;
    address->addWidget(m_base, 1);
    address->addWidget(m_fetch);

    m_language = new QComboBox(this);
    m_language->setObjectName(u"language"_s);
    m_kind = new QComboBox(this);
    m_kind->setObjectName(u"kind"_s);
    m_kind->addItem(tr("Translations and commentaries"), -1);
    m_kind->addItem(tr("Translations"), static_cast<int>(texts::TextKind::Translation));
    m_kind->addItem(tr("Commentaries"), static_cast<int>(texts::TextKind::Commentary));
    auto* filters = new QHBoxLayout;
    filters->addWidget(m_language, 1);
    filters->addWidget(m_kind, 1);

    auto* form = new QFormLayout;
    form->addRow(tr("Service address:"), address);
    form->addRow(tr("Show:"), filters);

    m_catalogueState = new QLabel(this);
    m_catalogueState->setObjectName(u"catalogueState"_s);
    m_catalogueState->setWordWrap(true);
    m_catalogueState->setTextFormat(Qt::PlainText);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(u"texts"_s);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Language"), tr("Name"), tr("Kind"), tr("State")});
    m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->setAccessibleName(tr("Texts to download"));

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"progress"_s);
    m_progress->setRange(0, 114);
    m_progress->setValue(0);
    m_status = new QLabel(this);
    m_status->setObjectName(u"status"_s);
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_failures = new QTextEdit(this);
    m_failures->setObjectName(u"failures"_s);
    m_failures->setReadOnly(true);
    m_failures->setAcceptRichText(false);
    m_failures->setVisible(false);
    m_failures->setMaximumHeight(100);

    auto* buttons = new QDialogButtonBox(this);
    m_download = buttons->addButton(tr("&Download"), QDialogButtonBox::ActionRole);
    m_download->setObjectName(u"download"_s);
    m_remove = buttons->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
    m_remove->setObjectName(u"remove"_s);
    m_close = buttons->addButton(QDialogButtonBox::Close);
    m_close->setObjectName(u"close"_s);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_catalogueState);
    column->addWidget(m_list, 1);
    column->addWidget(m_progress);
    column->addWidget(m_status);
    column->addWidget(m_failures);
    column->addWidget(buttons);
    resize(680, 520);

    connect(m_fetch, &QPushButton::clicked, this, &TextDownloadDialog::fetchCatalogue);
    connect(m_base, &QLineEdit::returnPressed, this, &TextDownloadDialog::fetchCatalogue);
    connect(m_language, &QComboBox::currentIndexChanged, this, &TextDownloadDialog::fillList);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &TextDownloadDialog::fillList);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &TextDownloadDialog::updateButtons);
    connect(m_download, &QPushButton::clicked, this, &TextDownloadDialog::startDownload);
    connect(m_remove, &QPushButton::clicked, this, &TextDownloadDialog::removeText);
    connect(m_close, &QPushButton::clicked, this, &TextDownloadDialog::reject);
    connect(m_catalogue, &texts::CatalogueFetch::finished, this, &TextDownloadDialog::showCatalogue);
    connect(m_textDownload, &texts::TextDownload::chapterDone, this, &TextDownloadDialog::showProgress);
    connect(m_textDownload, &texts::TextDownload::bytesArrived, this, &TextDownloadDialog::showProgress);
    connect(m_textDownload, &texts::TextDownload::finished, this, &TextDownloadDialog::showSummary);
    fetchCatalogue();
}

void TextDownloadDialog::fetchCatalogue()
{
    if (m_textDownload->isRunning())
        return;
    try {
        m_catalogue->fetch(m_base->text());
    } catch (const store::Error& refused) {
        showCatalogue({}, refused.message());
        return;
    }
    m_fetch->setEnabled(false);
    m_catalogueState->setText(tr("Fetching the list of texts from %1...").arg(m_base->text().trimmed()));
}

void TextDownloadDialog::showCatalogue(const QList<texts::TextEdition>& editions, const QString& problem)
{
    m_fetch->setEnabled(!m_textDownload->isRunning());
    m_editions = editions;
    if (problem.isEmpty()) {
        m_catalogueState->setText(tr("%n text(s) offered by the service.", nullptr, static_cast<int>(editions.size())));
    } else {
        m_editions = texts::builtInEditions();
        m_catalogueState->setText(tr("The list of texts could not be fetched: %1. Shown instead: texts Tilvora "
                                     "knows by name, which download from the address above when it answers.")
                                      .arg(LogicText::translated(problem)));
    }
    // Texts installed from elsewhere (another mirror) stay listed, so they
    // can be removed.
    for (const QString& identifier : m_store.installedIds().keys()) {
        const bool listed = std::any_of(m_editions.cbegin(), m_editions.cend(),
            [&](const texts::TextEdition& edition) { return edition.identifier == identifier; });
        if (listed)
            continue;
        texts::TextEdition edition;
        edition.identifier = identifier;
        m_editions << m_store.pendingEdition(identifier).value_or(edition);
    }
    fillLanguages();
    fillList();
}

void TextDownloadDialog::fillLanguages()
{
    const QString chosen = m_language->currentData().toString();
    QStringList codes;
    for (const texts::TextEdition& edition : std::as_const(m_editions)) {
        if (!codes.contains(edition.language))
            codes << edition.language;
    }
    std::sort(codes.begin(), codes.end(),
        [](const QString& a, const QString& b) { return languageText(a).localeAwareCompare(languageText(b)) < 0; });
    const QSignalBlocker quiet(m_language);
    m_language->clear();
    m_language->addItem(tr("All languages"), QString());
    for (const QString& code : std::as_const(codes))
        m_language->addItem(languageText(code), code);
    m_language->setCurrentIndex(std::max(0, m_language->findData(chosen)));
}

void TextDownloadDialog::fillList()
{
    const QString current = currentEdition() ? currentEdition()->identifier : QString();
    const QString language = m_language->currentData().toString();
    const int kind = m_kind->currentData().toInt();
    const QHash<QString, int> installed = m_store.installedIds();
    m_list->clear();
    for (qsizetype i = 0; i < m_editions.size(); ++i) {
        const texts::TextEdition& edition = m_editions[i];
        if ((!language.isEmpty() && edition.language != language)
            || (kind >= 0 && static_cast<int>(edition.kind) != kind))
            continue;
        QString state = installed.contains(edition.identifier) ? tr("Installed") : QString();
        if (edition.builtIn)
            state = state.isEmpty() ? tr("Known by name") : tr("Installed, known by name");
        auto* item = new QTreeWidgetItem(m_list,
            {languageText(edition.language), titleOf(edition),
                edition.kind == texts::TextKind::Commentary ? tr("Commentary") : tr("Translation"), state});
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        item->setToolTip(NameColumn, edition.identifier);
        if (edition.identifier == current)
            m_list->setCurrentItem(item);
    }
    for (const int column : {LanguageColumn, KindColumn, StateColumn})
        m_list->resizeColumnToContents(column);
    updateButtons();
}

const texts::TextEdition* TextDownloadDialog::currentEdition() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return nullptr;
    const int index = item->data(0, Qt::UserRole).toInt();
    return index >= 0 && index < m_editions.size() ? &m_editions[index] : nullptr;
}

void TextDownloadDialog::updateButtons()
{
    const texts::TextEdition* edition = currentEdition();
    const bool running = m_running;
    const bool installed = edition && m_store.installedIds().contains(edition->identifier);
    m_download->setEnabled(!running && edition && !installed);
    m_remove->setEnabled(!running && installed);
}

void TextDownloadDialog::startDownload()
{
    const texts::TextEdition* edition = currentEdition();
    if (!edition || m_textDownload->isRunning())
        return;
    m_failures->clear();
    m_failures->setVisible(false);
    m_status->setText(tr("Downloading %1...").arg(titleOf(*edition)));
    setRunning(true);
    try {
        m_textDownload->start(m_base->text(), *edition);
    } catch (const store::Error& refused) {
        setRunning(false);
        m_status->setText(LogicText::translated(refused.message()));
        return;
    }
    m_chaptersAtStart = m_textDownload->chaptersDone();
    m_progress->setRange(0, std::max(1, m_textDownload->chaptersTotal()));
    showProgress();
}

void TextDownloadDialog::removeText()
{
    const texts::TextEdition* edition = currentEdition();
    if (!edition || m_textDownload->isRunning())
        return;
    const QString title = titleOf(*edition);
    try {
        m_store.remove(edition->identifier);
    } catch (const store::Error& failure) {
        m_status->setText(tr("%1 could not be removed: %2").arg(title, failure.message()));
        return;
    }
    m_status->setText(tr("%1 was removed.").arg(title));
    if (m_textsChanged)
        m_textsChanged();
    fillList();
}

void TextDownloadDialog::showProgress()
{
    if (!m_textDownload->isRunning())
        return;
    const int done = m_textDownload->chaptersDone();
    const int total = m_textDownload->chaptersTotal();
    const qint64 bytes = m_textDownload->bytesReceived();
    const double seconds = static_cast<double>(m_textDownload->elapsedMs()) / 1000.0;
    m_progress->setValue(done);
    // The time left from the pace of the chapters fetched in this download.
    const int fetched = done - m_chaptersAtStart;
    if (seconds > 0.5 && fetched > 0 && done < total) {
        const qint64 left = std::max<qint64>(1, std::llround(seconds / fetched * (total - done)));
        m_status->setText(
            tr("%1 of %2 chapters, %3, about %4 left").arg(done).arg(total).arg(sizeText(bytes), durationText(left)));
        return;
    }
    m_status->setText(tr("%1 of %2 chapters, %3").arg(done).arg(total).arg(sizeText(bytes)));
}

void TextDownloadDialog::showSummary(const texts::TextDownloadSummary& summary)
{
    setRunning(false);
    m_progress->setValue(m_textDownload->chaptersDone());
    QString text;
    if (summary.installed) {
        text = tr("Installed, %1 verses (%2). Choose it in a row of the control pane.")
                   .arg(summary.installed->verses)
                   .arg(sizeText(summary.bytes));
        if (m_textsChanged)
            m_textsChanged();
    } else if (summary.cancelled) {
        text = tr("Cancelled. The chapters fetched are kept; Download goes on from there.");
    } else {
        QStringList chapters;
        for (const int chapter : summary.failedChapters)
            chapters << QString::number(chapter);
        text = chapters.isEmpty()
            ? tr("Not installed. Download again to fetch only what is missing.")
            : tr("Not installed: chapters %1 failed. Download again to fetch only what is missing.")
                  .arg(chapters.join(u", "_s));
        // Why it stopped, as a sentence of its own before.
        if (!summary.stopReason.isEmpty())
            text = tr("The download stopped: %1.").arg(LogicText::translated(summary.stopReason)) + u' ' + text;
    }
    m_status->setText(text);
    if (!summary.failures.isEmpty()) {
        QStringList failures = summary.failures;
        for (QString& failure : failures)
            failure = LogicText::translated(failure);
        m_failures->setPlainText(failures.join(u'\n'));
        m_failures->setVisible(true);
    }
    fillList();
}

void TextDownloadDialog::setRunning(bool running)
{
    m_running = running;
    for (QWidget* field : std::initializer_list<QWidget*>{m_base, m_fetch, m_language, m_kind, m_list})
        field->setEnabled(!running);
    m_close->setText(running ? tr("Cancel") : tr("Close"));
    updateButtons();
}

void TextDownloadDialog::reject()
{
    // Cancel first; a second press (now "Close") closes.
    if (m_textDownload->isRunning()) {
        m_textDownload->cancel();
        return;
    }
    QDialog::reject();
}

} // namespace tilvora::ui
