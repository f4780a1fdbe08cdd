#pragma once

#include "host/host.h"

#include <QDialog>

#include <memory>

class QAbstractFileIconProvider;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace tilvora::ui {

// The dialog in which the user points a reciter voice to the folder of its
// recordings (FrmPath): a list of the mounted volumes (Drive1) over a tree of
// folders (Dir1), Accept and Cancel.
//
// The folder "opened in the list" is the tree's current folder: the one the
// user last clicked or moved to with the keys, shown highlighted. It starts
// at the request's openFolder (the program's current folder when that is
// empty), and picking a volume makes that volume's root the current folder.
// Accept (also Enter) answers that folder, and whether the option "This
// folder holds one file per chapter" is ticked; Cancel (also Esc) answers
// Cancelled; closing the dialog any other way (the title bar's close button,
// reject()) answers Closed, which stores nothing.
//
// When the request carries a mapping message, the dialog shows it in a
// critical message box once it has become visible, and stays open.
class MediaFolderDialog : public QDialog {
    Q_OBJECT

public:
    explicit MediaFolderDialog(const host::MediaFolderDialogRequest& request, QWidget* parent = nullptr);
    ~MediaFolderDialog() override;

    // How the dialog was closed; Closed until a button answers.
    host::MediaFolderDialogAnswer answer() const { return m_answer; }
    const host::MediaFolderDialogRequest& request() const { return m_request; }

    // The folder opened in the folder list (see above); empty when none is.
    QString openedFolder() const;
    // Opens `path` in the folder list, as the user's browsing would; false
    // (and nothing changes) when it is not an existing folder.
    bool openFolder(const QString& path);

    // The title of the message shown when the stored folder cannot be opened.
    static QString mappingMessageTitle();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The size the dialog opens at: larger than the designed one, which is
    // the least it may be made.
    QSize usableSize() const;
    void acceptClicked();
    void cancelClicked();
    void driveActivated(int index);
    void currentFolderChanged(const QModelIndex& current);
    void keepOpenedFolderInView();
    void showMappingMessage();
    void fillDriveList();
    void showDriveOf(const QString& path);

    host::MediaFolderDialogRequest m_request;
    host::MediaFolderDialogAnswer m_answer;
    bool m_mappingMessagePending = false;
    // The view keeps the opened folder in sight until the user browses.
    bool m_followOpenedFolder = false;
    bool m_followScheduled = false;

    QLabel* m_label = nullptr;
    QComboBox* m_drives = nullptr;
    std::unique_ptr<QAbstractFileIconProvider> m_folderIcons;
    QFileSystemModel* m_folders = nullptr;
    QTreeView* m_tree = nullptr;
    QLabel* m_emblem = nullptr;
    QCheckBox* m_chapterFiles = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_cancel = nullptr;
    QFrame* m_line = nullptr;
    // The dialog's size as designed, from which a larger size is laid out.
    QSize m_designSize;
};

} // namespace tilvora::ui
