#include "ui/shell/qthost.h"

#include "playback/verseplayer.h"
#include "ui/dialogs/chapteralignmentdialog.h"
#include "ui/dialogs/logictext.h"
#include "ui/dialogs/mediafolderdialog.h"
#include "ui/panes/browserpane.h"
#include "ui/reading/readingplace.h"
#include "ui/recitation/playerstrip.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/pickerfollower.h"

#include <QAction>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>

namespace tilvora::ui {

using host::Pane;

QString QtHost::errorTitle()
{
    return tr("Tilvora");
}

bool QtHost::pickerPane(const QString& elementId, Pane* pane)
{
    if (elementId == QLatin1String("cmbWord"))
        *pane = Pane::WebWord;
    else if (elementId == QLatin1String("cmbSubject"))
        *pane = Pane::WebSubject;
    else if (elementId == QLatin1String("cmbParah") || elementId == QLatin1String("cmbRoot"))
        *pane = Pane::WebSurah;
    else
        return false;
    return true;
}

QString QtHost::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QWidget* QtHost::dialogParent() const
{
    return m_window.isVisible() ? &m_window : nullptr;
}

void QtHost::navigate(Pane pane, const QString& target)
{
    m_window.showPage(pane, target);
}

void QtHost::prepareReadingPage(const host::ReadingPageView& view)
{
    host::ReadingPageView shown = view;
    shown.emptyPageText = LogicText::translated(view.emptyPageText);
    m_window.readingPlace().prepare(shown);
}

void QtHost::setSearchLabel(const QString& caption)
{
    // The counts as the text host gives them ("0/7") say little to a reader:
    // the label shows them in words once the view is known (viewRendered).
    Q_UNUSED(caption);
}

QString QtHost::resultCaption(qint32 shownVerses, std::optional<qint32> searchFound)
{
    if (!searchFound) {
        if (shownVerses == 0)
            //: The label beside the search box: the view shows no verse.
            return tr("  No verse\n  shown");
        //: The label beside the search box: how many verses the view shows.
        return tr("  %Ln verses\n  shown", nullptr, shownVerses);
    }
    if (*searchFound == shownVerses) {
        if (shownVerses == 0)
            //: The label beside the search box: a search found nothing.
            return tr("  No verse\n  found");
        //: The label beside the search box: how many verses a search found (all shown).
        return tr("  %Ln verses\n  found", nullptr, shownVerses);
    }
    const QLocale locale;
    //: The label beside the search box: verses found, and how many of them are shown.
    return tr("  %1 found,\n  %2 shown").arg(locale.toString(*searchFound), locale.toString(shownVerses));
}

void QtHost::viewRendered(const host::RenderedView& view)
{
    if (!view.name.startsWith(QLatin1String("Row")))
        m_searchFound = view.name == QLatin1String("Search") ? std::optional<qint32>(view.foundVerses) : std::nullopt;
    m_shownVerses = view.shownVerses;
    // The label and the pickers change once the page is painted: a change
    // anywhere in the window has the window composed again, six panes and
    // all, which would hold back the reading pane's first frame.
    m_viewToShow = view;
}

void QtHost::showRenderedView()
{
    if (!m_viewToShow)
        return;
    const host::RenderedView view = *m_viewToShow;
    m_viewToShow.reset();
    QLabel* label = m_window.searchLabel();
    label->setText(resultCaption(view.shownVerses, m_searchFound));
    label->setToolTip(QString(label->text()).simplified());
    m_window.pickerFollower().follow(view);
}

bool QtHost::retranslateResultCaption()
{
    if (!m_shownVerses)
        return false;
    QLabel* label = m_window.searchLabel();
    label->setText(resultCaption(*m_shownVerses, m_searchFound));
    label->setToolTip(QString(label->text()).simplified());
    return true;
}

void QtHost::showMessage(host::MessageIcon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon == host::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        LogicText::translated(title), displayText(LogicText::translated(text)), QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtHost::reportError(const QString& text)
{
    QMessageBox box(
        QMessageBox::Critical, errorTitle(), displayText(LogicText::translated(text)), QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtHost::playerSetUrl(const QString& path)
{
    m_window.versePlayer()->setUrl(path);
}

void QtHost::playerSetPosition(double seconds)
{
    m_window.versePlayer()->setCurrentPosition(seconds);
}

void QtHost::playerPlay()
{
    m_window.versePlayer()->play();
}

void QtHost::playerSetEnd(double seconds)
{
    m_window.versePlayer()->setEndPosition(seconds);
}

void QtHost::playerSetRate(double rate)
{
    m_window.versePlayer()->setRate(rate);
    m_window.player()->showRate(rate);
}

void QtHost::playerStop()
{
    m_window.versePlayer()->stop();
}

void QtHost::highlightVerse(qint32 ayahRef, const QString& reference)
{
    m_window.markRecitedVerse(ayahRef, reference);
}

void QtHost::recitationWait(int milliseconds)
{
    m_window.startRecitationGap(milliseconds);
}

void QtHost::recitationFinished(const QStringList& skipped)
{
    m_window.markRecitedVerse(0, QString());
    if (!skipped.isEmpty())
        //: %1 is the voice, %2 the list of verses (chapter:verse) left out.
        m_window.showStatus(tr("Recitation ended. Left out, with no recording in \u201C%1\u201D: %2.")
                                .arg(m_skippedVoice, QLocale().createSeparatedList(skipped)),
            0);
}

void QtHost::recitationSkipped(const QString& reference, const QString& voice, const QStringList& skippedSoFar)
{
    Q_UNUSED(skippedSoFar);
    m_skippedVoice = voice;
    //: %1 is a verse (chapter:verse), %2 the voice.
    m_window.showStatus(
        tr("%1 has no recording in \u201C%2\u201D: left out, the recitation goes on.").arg(reference, voice));
}

void QtHost::resetPickerSelector(const QString& elementId)
{
    Pane pane;
    if (!pickerPane(elementId, &pane))
        return;
    // Whatever the page holds, a failure here changes nothing and is ignored.
    const QString id
        = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{elementId}).toJson(QJsonDocument::Compact));
    const QString script = QStringLiteral("try { var e = document.getElementById(%1[0]); if (e) { e.selectedIndex = 0;"
                                          " e.dispatchEvent(new Event('tilvora-reset')); } } catch (ignored) {}")
                               .arg(id);
    m_window.page(pane)->runScript(script);
}

void QtHost::setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag)
{
    QAction* item = m_window.voiceMenuAction(index);
    if (!item)
        return;
    // The caption is shown as composed: an ampersand in a description or a
    // folder is a character, not the mark of an access key.
    item->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    item->setData(tag);
    item->setVisible(visible);
}

void QtHost::setDataPathMenuVisible(bool visible)
{
    m_window.setDataPathMenu()->menuAction()->setVisible(visible);
}

host::MediaFolderDialogAnswer QtHost::showMediaFolderDialog(const host::MediaFolderDialogRequest& request)
{
    host::MediaFolderDialogRequest shown = request;
    shown.mappingMessageText = LogicText::translated(request.mappingMessageText);
    MediaFolderDialog dialog(shown, dialogParent());
    dialog.exec();
    return dialog.answer();
}

void QtHost::alignChapterFiles(const QString& voiceId)
{
    ChapterAlignmentDialog dialog(m_window.state(), voiceId, dialogParent());
    dialog.exec();
}

} // namespace tilvora::ui
