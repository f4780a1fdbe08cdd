#pragma once

#include "playback/recitationdownload.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTextEdit;

namespace tilvora::store {
class Connection;
}

namespace tilvora::ui {

// "Download recitation...": the reader picks a reciter of the catalogue (or
// types a base address and its layout), the chapters, and the reciter voice
// whose folder the files fill, and follows the download: files and bytes
// done, speed and time left, Cancel. The download runs in the event loop; the
// window stays responsive.
class DownloadDialog : public QDialog {
    Q_OBJECT
public:
    // Gives the folder the chosen voice downloads into (a default one for a
    // voice without a folder); throws with a message when it cannot.
    using FolderForVoice = std::function<QString(int masterId, const QString& reciter)>;
    // Stores the folder of a voice that has none, once a file is there.
    using KeepFolder = std::function<void(int masterId, const QString& folder)>;

    DownloadDialog(
        store::Connection& connection, FolderForVoice folderForVoice, KeepFolder keepFolder, QWidget* parent = nullptr);

    // The catalogue shipped with the program.
    static std::vector<playback::CatalogueEntry> shippedCatalogue();

    QComboBox* catalogueBox() const { return m_catalogue; }
    QLineEdit* baseEdit() const { return m_base; }
    QComboBox* layoutBox() const { return m_layout; }
    QSpinBox* fromChapterBox() const { return m_fromChapter; }
    QSpinBox* toChapterBox() const { return m_toChapter; }
    QComboBox* voiceBox() const { return m_voice; }
    QPushButton* startButton() const { return m_start; }
    QProgressBar* progressBar() const { return m_progress; }
    QLabel* statusLabel() const { return m_status; }
    playback::RecitationDownload& download() { return *m_download; }

protected:
    void reject() override;

private:
    void chooseCatalogueEntry(int index);
    void start();
    void showProgress();
    void showSummary(const playback::DownloadSummary& summary);
    void keepFolder();
    void setRunning(bool running);

    store::Connection& m_connection;
    FolderForVoice m_folderForVoice;
    KeepFolder m_keepFolder;
    // The voice and folder of the download running or last run.
    int m_voiceId = 0;
    QString m_downloadFolder;
    std::vector<playback::CatalogueEntry> m_entries;
    playback::RecitationDownload* m_download;

    QComboBox* m_catalogue = nullptr;
    QLineEdit* m_base = nullptr;
    QComboBox* m_layout = nullptr;
    QSpinBox* m_fromChapter = nullptr;
    QSpinBox* m_toChapter = nullptr;
    QComboBox* m_voice = nullptr;
    QLabel* m_folder = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QTextEdit* m_failures = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace tilvora::ui
