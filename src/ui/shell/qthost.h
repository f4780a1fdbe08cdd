#pragma once

#include "host/host.h"

#include <QCoreApplication>

#include <optional>

class QWidget;

namespace tilvora::ui {

class MainWindow;

// The desktop implementation of the host port: each operation the program
// logic asks for, carried out on the main window's widgets.
class QtHost : public host::Host {
    Q_DECLARE_TR_FUNCTIONS(QtHost)

public:
    explicit QtHost(MainWindow& window) : m_window(window) { }

    void navigate(host::Pane pane, const QString& target) override;
    void prepareReadingPage(const host::ReadingPageView& view) override;
    void setSearchLabel(const QString& caption) override;
    void viewRendered(const host::RenderedView& view) override;
    void showMessage(host::MessageIcon icon, const QString& title, const QString& text) override;
    void reportError(const QString& text) override;

    void playerSetUrl(const QString& path) override;
    void playerSetPosition(double seconds) override;
    void playerPlay() override;
    void playerSetEnd(double seconds) override;
    void playerSetRate(double rate) override;
    void playerStop() override;
    void highlightVerse(qint32 ayahRef, const QString& reference) override;
    void recitationWait(int milliseconds) override;
    void recitationFinished(const QStringList& skipped) override;
    void recitationSkipped(const QString& reference, const QString& voice, const QStringList& skippedSoFar) override;

    void resetPickerSelector(const QString& elementId) override;

    void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) override;
    void setDataPathMenuVisible(bool visible) override;

    host::MediaFolderDialogAnswer showMediaFolderDialog(const host::MediaFolderDialogRequest& request) override;

    void alignChapterFiles(const QString& voiceId) override;

    // The title of the message box that reports a failure.
    static QString errorTitle();
    // The pane whose page holds a picker selector; false for other ids.
    static bool pickerPane(const QString& elementId, host::Pane* pane);
    // A text as a message box or label shows it: the program's line breaks
    // (CR LF) as plain line breaks.
    static QString displayText(const QString& text);
    // The result label's text: how many verses the page shows, or for a
    // search how many verses were found (and shown, when fewer).
    static QString resultCaption(qint32 shownVerses, std::optional<qint32> searchFound);
    // The label of the view shown last, again in the language now applied;
    // false before any view was shown.
    bool retranslateResultCaption();
    // Shows the count of the view rendered last and sets the pickers to it:
    // called once the reading pane has painted the view's page.
    void showRenderedView();

private:
    QWidget* dialogParent() const;

    MainWindow& m_window;
    // The verses the search shown last found; none when the page shown is
    // no search. A change of texts shows the same verses again.
    std::optional<qint32> m_searchFound;
    // How many verses the view shown last shows (none before the first).
    std::optional<qint32> m_shownVerses;
    // The view rendered last, while its page is not painted yet.
    std::optional<host::RenderedView> m_viewToShow;
    // The voice the last verse left out of a recitation had no recording in.
    QString m_skippedVoice;
};

} // namespace tilvora::ui
