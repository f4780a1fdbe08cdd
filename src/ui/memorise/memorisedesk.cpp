#include "ui/memorise/memorisedesk.h"

#include "memorise/progress.h"
#include "memorise/readerdata.h"
#include "mushaf/mushafindex.h"
#include "navigation/mainwindowlogic.h"
#include "playback/recitationplan.h"
#include "store/dberror.h"
#include "store/sharedstate.h"
#include "store/versename.h"
#include "ui/dialogs/logictext.h"
#include "ui/memorise/notedialog.h"
#include "ui/memorise/notesdialog.h"
#include "ui/memorise/progressdialog.h"
#include "ui/memorise/rangedialog.h"
#include "ui/memorise/reviewwindow.h"
#include "ui/mushaf/mushafmode.h"
#include "ui/mushaf/mushafview.h"
#include "ui/panes/browserpane.h"
#include "ui/panes/panescripts.h"
#include "ui/reading/readingcomfort.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace tilvora::ui {

namespace {
const QString& noteMarksScript()
{
    static const QString text = [] {
        QFile file(QStringLiteral(":/tilvora/memorise/notemarks.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return text;
}
} // namespace

MemoriseDesk::MemoriseDesk(MainWindow& window)
    : QObject(&window),
      m_window(window),
      m_store(std::make_unique<memorise::MemoriseStore>(ReadingComfort::bookmarksPath()))
{
    createMenu();
    addFileActions();
    addVerseActions();
    retranslate();
    connect(window.page(host::Pane::WebMain), &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok)
            showNoteMarks();
    });
    connect(window.mushaf().modeAction(), &QAction::toggled, this, &MemoriseDesk::watchMushaf);
}

MemoriseDesk::~MemoriseDesk() = default;

const mushaf::MushafIndex* MemoriseDesk::index()
{
    if (!m_indexTried) {
        m_indexTried = true;
        try {
            m_index = std::make_unique<mushaf::MushafIndex>(mushaf::MushafIndex::load(*m_window.state().gConnection));
        } catch (const store::Error& error) {
            tell(error.message(), true);
        }
    }
    return m_index.get();
}

store::VersePlace MemoriseDesk::placeOf(qint32 ayahRef)
{
    const QString reference = index() ? m_index->reference(ayahRef) : QString();
    return {reference.section(QLatin1Char(':'), 0, 0).toInt(), reference.section(QLatin1Char(':'), 1, 1).toInt()};
}

int MemoriseDesk::pageOf(store::VersePlace place)
{
    return index() ? m_index->placeOf(m_index->ayahRef(place.surah, place.ayah)).page : 0;
}

std::vector<store::VersePlace> MemoriseDesk::placesOf(qint32 first, qint32 last)
{
    std::vector<store::VersePlace> places;
    for (qint32 ref = first; ref <= last && ref > 0; ++ref)
        places.push_back(placeOf(ref));
    return places;
}

void MemoriseDesk::askCurrentPlace(const std::function<void(int page, const QString& verse)>& answer)
{
    if (!index())
        return;
    const auto placeOfVerse = [this, answer](qint32 verse) {
        const int page = m_index->placeOf(verse).page;
        answer(page != 0 ? page : 1, verse != 0 ? m_index->reference(verse) : QStringLiteral("1:1"));
    };
    MushafMode& mushaf = m_window.mushaf();
    if (mushaf.isShown() && mushaf.view()) {
        const MushafView& view = *mushaf.view();
        placeOfVerse(view.selectedVerse() != 0 ? view.selectedVerse() : view.firstShownVerse());
        return;
    }
    m_window.comfort().askTopVerse([placeOfVerse](int verse) { placeOfVerse(verse); });
}

void MemoriseDesk::createMenu()
{
    m_menu = new QMenu(m_window.menuBar());
    m_menu->setObjectName(QStringLiteral("MnuMemorise"));
    QAction* about = nullptr;
    for (QAction* action : m_window.menuBar()->actions()) {
        if (action->objectName() == QLatin1String("MnuAbt"))
            about = action;
    }
    m_window.menuBar()->insertMenu(about, m_menu);

    QAction* learn = m_learnAction = m_menu->addAction(QString());
    learn->setObjectName(QStringLiteral("MnuLearn"));
    connect(learn, &QAction::triggered, this, [this] { learnOrForget(false); });
    m_reviewAction = m_menu->addAction(QString());
    m_reviewAction->setObjectName(QStringLiteral("MnuReview"));
    connect(m_reviewAction, &QAction::triggered, this, &MemoriseDesk::startReview);
    QAction* progress = m_progressAction = m_menu->addAction(QString());
    progress->setObjectName(QStringLiteral("MnuProgress"));
    connect(progress, &QAction::triggered, this, &MemoriseDesk::showProgress);
    QAction* forget = m_forgetAction = m_menu->addAction(QString());
    forget->setObjectName(QStringLiteral("MnuForget"));
    connect(forget, &QAction::triggered, this, [this] { learnOrForget(true); });
    m_menu->addSeparator();
    QAction* limit = m_limitAction = m_menu->addAction(QString());
    limit->setObjectName(QStringLiteral("MnuDailyLimit"));
    connect(limit, &QAction::triggered, this, &MemoriseDesk::chooseDailyLimit);
    // The count of pages due is worked out when the menu opens.
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        //: %1 is how many pages are due today.
        m_reviewAction->setText(tr("Today's &review (%1)").arg(dayReview().size()));
    });
}

void MemoriseDesk::addFileActions()
{
    QMenu* file = m_window.menuBar()->findChild<QMenu*>(QStringLiteral("MnuFile"));
    if (!file)
        return;
    QAction* quit = file->actions().value(0);
    auto* exportAction = m_exportAction = new QAction(file);
    exportAction->setObjectName(QStringLiteral("MnuExportData"));
    connect(exportAction, &QAction::triggered, this, &MemoriseDesk::exportData);
    auto* importAction = m_importAction = new QAction(file);
    importAction->setObjectName(QStringLiteral("MnuImportData"));
    connect(importAction, &QAction::triggered, this, &MemoriseDesk::importData);
    file->insertAction(quit, exportAction);
    file->insertAction(quit, importAction);
    file->insertSeparator(quit);
}

void MemoriseDesk::addVerseActions()
{
    m_window.verseMenu().add({QStringLiteral("MnuNote"), QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "&Note...")), {},
        [this](const VerseUnderPointer& clicked) { editNote(clicked.ayahRef); }});
    // The Bookmarks menu is made afresh as bookmarks change: the entry is put
    // back each time it opens.
    m_notesAction = new QAction(this);
    m_notesAction->setObjectName(QStringLiteral("MnuNotes"));
    connect(m_notesAction, &QAction::triggered, this, &MemoriseDesk::showNotes);
    QMenu* bookmarks = m_window.comfort().bookmarksMenu();
    connect(bookmarks, &QMenu::aboutToShow, this, [this, bookmarks] {
        if (!bookmarks->actions().contains(m_notesAction)) {
            bookmarks->addSeparator();
            bookmarks->addAction(m_notesAction);
        }
    });
}

void MemoriseDesk::retranslate()
{
    m_menu->setTitle(tr("&Memorise"));
    m_learnAction->setText(tr("&Learn this page / verse range / chapter..."));
    m_reviewAction->setText(tr("Today's &review"));
    m_progressAction->setText(tr("&Progress"));
    m_forgetAction->setText(tr("&Forget..."));
    m_limitAction->setText(tr("Daily &limit..."));
    if (m_exportAction)
        m_exportAction->setText(tr("&Export my data..."));
    if (m_importAction)
        m_importAction->setText(tr("&Import my data..."));
    m_notesAction->setText(tr("&Notes..."));
}

void MemoriseDesk::tell(const QString& text, bool problem)
{
    QMessageBox box(
        problem ? QMessageBox::Warning : QMessageBox::Information, tr("Memorise"), text, QMessageBox::Ok, &m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::vector<memorise::PageReview> MemoriseDesk::dayReview()
{
    if (!index())
        return {};
    return memorise::dayReview(
        m_store->scheduled(), [this](store::VersePlace place) { return pageOf(place); }, today(),
        m_store->dailyLimit());
}

void MemoriseDesk::startReview()
{
    if (m_review) {
        m_review->raise();
        m_review->activateWindow();
        return;
    }
    const std::vector<memorise::PageReview> pages = dayReview();
    if (pages.empty()) {
        tell(tr("Nothing is due for review today. Take up a page with Memorise, Learn."));
        return;
    }
    m_review = new ReviewWindow(*this, pages, &m_window);
    m_review->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_review, &QDialog::finished, this, &MemoriseDesk::endHiding);
    m_review->show();
    placeReview();
    // Its keys (Space, 1 to 4) are the reader's first way through it.
    m_review->activateWindow();
}

void MemoriseDesk::showPageHidden(int page)
{
    MushafMode& mushaf = m_window.mushaf();
    if (!mushaf.hideTextAction()->isChecked()) {
        m_hidingForReview = true;
        mushaf.hideTextAction()->setChecked(true);
    }
    if (mushaf.openPage(page)) {
        placeReview();
        return;
    }
    // Without the mushaf, the page's verses in the table.
    if (index())
        m_window.comfort().openPlace(placeOf(m_index->versesOf(QStringLiteral("page"), page).first));
}

void MemoriseDesk::placeReview()
{
    if (!m_review || !m_review->isVisible())
        return;
    m_review->adjustSize();
    // Over the facing page when two are shown (the odd page lies on the
    // right), else over the control pane at the window's right; low down.
    const MushafView* view = m_window.mushaf().isShown() ? m_window.mushaf().view() : nullptr;
    const QRect frame = m_window.frameGeometry();
    QRect over(frame.right() - m_review->width() - 8, 0, m_review->width(), m_review->height());
    if (view && view->showsTwoPages()) {
        const QRect pane(view->mapToGlobal(QPoint(0, 0)), view->size());
        const bool reviewedOnRight = m_review->currentPage() % 2 == 1;
        over.moveLeft(reviewedOnRight ? pane.left() + 8 : pane.right() - m_review->width() - 8);
    }
    over.moveBottom(frame.bottom() - 90);
    m_review->move(over.topLeft());
}

void MemoriseDesk::endHiding()
{
    if (std::exchange(m_hidingForReview, false))
        m_window.mushaf().hideTextAction()->setChecked(false);
}

void MemoriseDesk::reveal(const QString& revealActionName)
{
    if (QAction* action = m_window.findChild<QAction*>(revealActionName))
        action->trigger();
}

void MemoriseDesk::recitePage(int page)
{
    if (!index() || page == 0)
        return;
    const auto [first, last] = m_index->versesOf(QStringLiteral("page"), page);
    m_window.handleEvent([&, first = first, last = last] {
        m_window.logic().recite(playback::RecitationRequest{m_index->reference(first), m_index->reference(last)});
    });
}

bool MemoriseDesk::gradePage(int page, memorise::Grade grade)
{
    const std::vector<store::VersePlace> verses = memorise::versesOnPage(
        m_store->scheduled(), [this](store::VersePlace place) { return pageOf(place); }, page);
    if (verses.empty() || m_store->grade(verses, grade, today()))
        return true;
    tell(tr("The grade of page %1 could not be stored in your file.").arg(page), true);
    return false;
}

bool MemoriseDesk::learnVerses(qint32 first, qint32 last)
{
    if (m_store->learn(placesOf(first, last), today()))
        return true;
    tell(tr("The verses to learn could not be stored in your file."), true);
    return false;
}

bool MemoriseDesk::forgetVerses(qint32 first, qint32 last)
{
    if (m_store->forget(placesOf(first, last)) >= 0)
        return true;
    tell(tr("The verses could not be taken out: your file could not be changed."), true);
    return false;
}

void MemoriseDesk::learnOrForget(bool forget)
{
    askCurrentPlace([this, forget](int page, const QString& verse) { chooseVerses(forget, page, verse); });
}

void MemoriseDesk::chooseVerses(bool forget, int page, const QString& verse)
{
    RangeDialog dialog(
        *m_index, forget ? tr("Forget") : tr("Learn"), forget ? tr("&Forget") : tr("&Learn"), page, verse, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto [first, last] = dialog.verses();
    if (!forget) {
        if (learnVerses(first, last))
            m_window.showStatus(tr("You are learning %1 now; it is due for review today.").arg(dialog.description()));
        return;
    }
    QMessageBox confirm(QMessageBox::Question, tr("Forget"),
        tr("Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.")
            .arg(dialog.description()),
        QMessageBox::Yes | QMessageBox::No, &m_window);
    confirm.setDefaultButton(QMessageBox::No);
    if (confirm.exec() == QMessageBox::Yes && forgetVerses(first, last))
        m_window.showStatus(tr("%1 is taken out of what you are learning.").arg(dialog.description()));
}

void MemoriseDesk::chooseDailyLimit()
{
    bool ok = false;
    const int pages = QInputDialog::getInt(&m_window, tr("Daily limit"),
        tr("Pages to review a day at most (1 to %1):").arg(memorise::kMaxDailyLimit), m_store->dailyLimit(), 1,
        memorise::kMaxDailyLimit, 1, &ok);
    if (ok && !m_store->setDailyLimit(pages))
        tell(tr("The daily limit could not be stored in your file."), true);
}

void MemoriseDesk::showProgress()
{
    if (!index())
        return;
    std::array<std::pair<qint32, qint32>, memorise::kPartCount> parts{};
    for (int part = 1; part <= memorise::kPartCount; ++part)
        parts.at(std::size_t(part - 1)) = m_index->versesOf(QStringLiteral("part"), part);
    memorise::ProgressPlaces places;
    places.pageOf = [this](store::VersePlace place) { return pageOf(place); };
    places.partOf = [this, parts](store::VersePlace place) {
        const qint32 ref = m_index->ayahRef(place.surah, place.ayah);
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (ref >= parts.at(k).first && ref <= parts.at(k).second)
                return int(k) + 1;
        }
        return 0;
    };
    places.versesOnPage = [this](int page) {
        const auto [first, last] = m_index->versesOf(QStringLiteral("page"), page);
        return first == 0 ? 0 : last - first + 1;
    };
    places.versesInPart = [parts](int part) {
        return parts.at(std::size_t(part - 1)).second - parts.at(std::size_t(part - 1)).first + 1;
    };
    const memorise::Progress progress
        = memorise::progressOf(m_store->scheduled(), m_store->reviewDays(), places, today());
    ProgressDialog dialog(progress, today(), m_window.comfort().theme(), &m_window);
    dialog.exec();
}

void MemoriseDesk::editNote(qint32 ayahRef)
{
    const store::VersePlace place = placeOf(ayahRef);
    if (place.surah == 0)
        return;
    QString text;
    for (const memorise::VerseNote& note : m_store->notes()) {
        if (note.place == place)
            text = note.text;
    }
    QString name;
    m_window.handleEvent([&] { name = store::nameVerse(*m_window.state().gConnection, ayahRef).citation(); });
    NoteDialog dialog(name, text, &m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.text() == text)
        return;
    if (!m_store->setNote(place, dialog.text(), QDateTime::currentDateTimeUtc()))
        tell(tr("The note could not be stored in your file."), true);
    showNoteMarks();
}

void MemoriseDesk::showNotes()
{
    const auto entries = [this] {
        std::vector<NotesDialog::Entry> list;
        for (const memorise::VerseNote& note : m_store->notes()) {
            NotesDialog::Entry entry{note, index() ? m_index->ayahRef(note.place.surah, note.place.ayah) : 0, {}};
            m_window.handleEvent(
                [&] { entry.verseName = store::nameVerse(*m_window.state().gConnection, entry.ayahRef).citation(); });
            list.push_back(entry);
        }
        return list;
    };
    NotesDialog dialog(entries, &m_window);
    connect(&dialog, &NotesDialog::editRequested, this, [this, &dialog](qint32 ayahRef) {
        editNote(ayahRef);
        dialog.refresh();
    });
    connect(&dialog, &NotesDialog::openRequested, this, [this](qint32 ayahRef) {
        if (m_window.mushaf().isShown())
            m_window.mushaf().showVerse(ayahRef);
        else
            m_window.comfort().openPlace(placeOf(ayahRef));
    });
    dialog.exec();
}

void MemoriseDesk::watchMushaf()
{
    MushafView* view = m_window.mushaf().view();
    if (view && view != m_watchedMushaf) {
        m_watchedMushaf = view;
        connect(view, &MushafView::pagePainted, this, &MemoriseDesk::showNoteMarks);
    }
}

void MemoriseDesk::showNoteMarks()
{
    QJsonArray verses;
    if (index()) {
        for (const memorise::VerseNote& note : m_store->notes())
            verses.append(m_index->ayahRef(note.place.surah, note.place.ayah));
    }
    const QString script = noteMarksScript() + QLatin1Char('(')
        + QString::fromUtf8(QJsonDocument(verses).toJson(QJsonDocument::Compact)) + QStringLiteral(");");
    PaneScripts::run(m_window.page(host::Pane::WebMain), script);
    if (MushafView* view = m_window.mushaf().view())
        view->webView()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

bool MemoriseDesk::exportTo(const QString& path)
{
    memorise::ReaderData data(ReadingComfort::bookmarksPath());
    const std::optional<memorise::DataCounts> counts = data.exportTo(path);
    if (!counts) {
        tell(LogicText::translated(data.problem()), true);
        return false;
    }
    //: After the export: how many of each were written.
    m_window.showStatus(tr("Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.")
                            .arg(LogicText::isolated(QDir::toNativeSeparators(path)))
                            .arg(counts->bookmarks)
                            .arg(counts->notes)
                            .arg(counts->learnt));
    return true;
}

bool MemoriseDesk::importFrom(const QString& path)
{
    memorise::ReaderData data(ReadingComfort::bookmarksPath());
    const std::optional<memorise::DataCounts> counts = data.importFrom(path);
    if (!counts) {
        tell(LogicText::translated(data.problem()), true);
        return false;
    }
    m_window.comfort().refreshBookmarks();
    showNoteMarks();
    tell(tr("Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of "
            "yours was lost.")
             .arg(LogicText::isolated(QDir::toNativeSeparators(path)))
             .arg(counts->bookmarks)
             .arg(counts->notes)
             .arg(counts->learnt));
    return true;
}

void MemoriseDesk::exportData()
{
    const QString path = QFileDialog::getSaveFileName(&m_window, tr("Export my data"),
        QDir::home().filePath(QStringLiteral("tilvora-data.json")), tr("Tilvora data (*.json)"));
    if (!path.isEmpty())
        exportTo(path);
}

void MemoriseDesk::importData()
{
    const QString path = QFileDialog::getOpenFileName(
        &m_window, tr("Import my data"), QDir::homePath(), tr("Tilvora data (*.json);;All files (*)"));
    if (!path.isEmpty())
        importFrom(path);
}

} // namespace tilvora::ui
