#pragma once

#include "texts/cataloguefetch.h"
#include "texts/textdownload.h"
#include "texts/textedition.h"
#include "texts/textstore.h"

#include <QDialog>
#include <QList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTreeWidget;

namespace tilvora::store {
class Connection;
}

namespace tilvora::ui {

// "Download texts...": the catalogue of a text service (translations and
// commentaries), fetched when the dialog opens and filtered by language and
// kind, each entry with its language, name and whether it is installed;
// Download and Remove; the download's progress by chapters and bytes, the
// time left, Cancel, and a summary that names any chapter that failed. When
// the catalogue cannot be fetched, the program's own short list of known
// texts is shown instead, marked as such. Everything runs in the event loop.
class TextDownloadDialog : public QDialog {
    Q_OBJECT
public:
    // The public service; the reader may give a mirror instead.
    static const QString kDefaultBase;

    // `textsChanged` runs after a text was installed or removed.
    TextDownloadDialog(store::Connection& connection, const QString& base, std::function<void()> textsChanged,
        QWidget* parent = nullptr);

    // Fetches the catalogue from the address in the address field.
    void fetchCatalogue();

    QLineEdit* baseEdit() const { return m_base; }
    QComboBox* languageBox() const { return m_language; }
    QComboBox* kindBox() const { return m_kind; }
    QTreeWidget* list() const { return m_list; }
    QPushButton* downloadButton() const { return m_download; }
    QPushButton* removeButton() const { return m_remove; }
    QProgressBar* progressBar() const { return m_progress; }
    QLabel* catalogueLabel() const { return m_catalogueState; }
    QLabel* statusLabel() const { return m_status; }
    QTextEdit* failuresBox() const { return m_failures; }
    texts::TextDownload& textDownload() { return *m_textDownload; }

protected:
    void reject() override;

private:
    void showCatalogue(const QList<texts::TextEdition>& editions, const QString& problem);
    void fillLanguages();
    void fillList();
    // The entry of the list's current row, or none.
    const texts::TextEdition* currentEdition() const;
    void updateButtons();
    void startDownload();
    void removeText();
    void showProgress();
    void showSummary(const texts::TextDownloadSummary& summary);
    void setRunning(bool running);

    texts::TextStore m_store;
    std::function<void()> m_textsChanged;
    texts::CatalogueFetch* m_catalogue;
    texts::TextDownload* m_textDownload;
    QList<texts::TextEdition> m_editions;
    // The chapters done when the download started (a resumed one starts
    // past 0), for the time left.
    int m_chaptersAtStart = 0;
    // From the press of Download to the summary.
    bool m_running = false;

    QLineEdit* m_base = nullptr;
    QPushButton* m_fetch = nullptr;
    QComboBox* m_language = nullptr;
    QComboBox* m_kind = nullptr;
    QLabel* m_catalogueState = nullptr;
    QTreeWidget* m_list = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QTextEdit* m_failures = nullptr;
    QPushButton* m_download = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace tilvora::ui
