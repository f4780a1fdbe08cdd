#include "ui/dialogs/mediafolderdialog.h"

#include "ui/art/artwork.h"
#include "ui/dialogs/formmetrics.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>

#include <algorithm>

namespace tilvora::ui {

namespace {

// Twips added below the folder list for the chapter files option.
constexpr int kChapterRow = 330;

// The program's own folder and volume icons: the desktop's icon theme may
// have none (and the folder list would show bare names).
class FolderIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override { return type == Drive || type == Computer ? m_volume : m_folder; }
    QIcon icon(const QFileInfo& info) const override { return info.isRoot() ? m_volume : m_folder; }

private:
    QIcon m_folder = folderIcon();
    QIcon m_volume = volumeIcon();
};

} // namespace

MediaFolderDialog::MediaFolderDialog(const host::MediaFolderDialogRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_request(request),
      m_mappingMessagePending(!request.mappingMessageText.isEmpty())
{
    setObjectName(QStringLiteral("FrmPath"));
    // The title names the voice the folder is for.
    //: The title of the dialog that sets the folder of a voice's recordings.
    const QString title = tr("Specify / Select a valid Path...");
    setWindowTitle(request.voiceDescription.trimmed().isEmpty()
            ? title
            //: %1 is the dialog's title, %2 the voice.
            : tr("%1 \u2014 %2").arg(title, request.voiceDescription.trimmed()));
    setWindowIcon(appIcon());
    setFont(formFont(8.25));
    setModal(true);
    // The form's height plus the row of the chapter files option. The
    // designed size is the first and the smallest; a larger dialog gives
    // the folder list the room.
    m_designSize = QSize(formPixels(this, 4530), formPixels(this, 3345 + kChapterRow));
    setMinimumSize(m_designSize);
    resize(usableSize());
    setSizeGripEnabled(true);

    m_label = new QLabel(tr("Please browse the path of the Media Files Folder :"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setGeometry(formRect(this, 170, 55, 4215, 300));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_drives->setGeometry(formRect(this, 120, 360, 4335, 315));
    m_drives->setToolTip(tr("Mounted volumes"));

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setReadOnly(true);
    m_folderIcons = std::make_unique<FolderIcons>();
    m_folders->setIconProvider(m_folderIcons.get());
    m_folders->setRootPath(QDir::rootPath());

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("Dir1"));
    m_tree->setGeometry(formRect(this, 120, 720, 4335, 1890));
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setUniformRowHeights(true);
    m_tree->setAnimated(false);
    m_tree->setIndentation(14);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);

    m_chapterFiles = new QCheckBox(tr("This folder holds one file per chapter"), this);
    m_chapterFiles->setObjectName(QStringLiteral("chkChapterFiles"));
    m_chapterFiles->setGeometry(formRect(this, 120, 2660, 4335, 300));
    m_chapterFiles->setToolTip(tr("Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)"));

    // The etched separator: a dark line over a light one.
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("Line1"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Sunken);
    const QRect separator = formRect(this, 120, 2760 + kChapterRow, 4320, 0);
    m_line->setGeometry(separator.left(), separator.top() - 1, separator.width(), 3);

    m_emblem = new QLabel(this);
    m_emblem->setObjectName(QStringLiteral("Image1"));
    m_emblem->setGeometry(formRect(this, 150, 2820 + kChapterRow, 480, 480));
    m_emblem->setPixmap(emblemPixmap(m_emblem->width(), devicePixelRatioF()));

    m_accept = new QPushButton(tr("Accept"), this);
    m_accept->setObjectName(QStringLiteral("cmdPath"));
    m_accept->setGeometry(formRect(this, 870, 2850 + kChapterRow, 1755, 375));
    m_accept->setDefault(true);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CmdCancel"));
    m_cancel->setGeometry(formRect(this, 2700, 2850 + kChapterRow, 1755, 375));

    setTabOrder(m_drives, m_tree);
    setTabOrder(m_tree, m_chapterFiles);
    setTabOrder(m_chapterFiles, m_accept);
    setTabOrder(m_accept, m_cancel);
    m_drives->setFocus();

    connect(m_accept, &QPushButton::clicked, this, &MediaFolderDialog::acceptClicked);
    connect(m_cancel, &QPushButton::clicked, this, &MediaFolderDialog::cancelClicked);
    connect(m_drives, &QComboBox::activated, this, &MediaFolderDialog::driveActivated);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { currentFolderChanged(current); });
    // Folders are listed in the background, and the folders above the opened
    // one keep arriving (or changing) after it was opened; until the user
    // takes over, the view follows it.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, &MediaFolderDialog::keepOpenedFolderInView);
    connect(m_folders, &QFileSystemModel::rowsInserted, this, &MediaFolderDialog::keepOpenedFolderInView);
    connect(m_folders, &QFileSystemModel::rowsRemoved, this, &MediaFolderDialog::keepOpenedFolderInView);
    connect(m_folders, &QFileSystemModel::layoutChanged, this, &MediaFolderDialog::keepOpenedFolderInView);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    for (QScrollBar* bar : {m_tree->verticalScrollBar(), m_tree->horizontalScrollBar()}) {
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::actionTriggered, this, [this] { m_followOpenedFolder = false; });
    }

    fillDriveList();
    if (m_request.openFolder.trimmed().isEmpty() || !openFolder(m_request.openFolder))
        openFolder(QDir::currentPath());
}

QSize MediaFolderDialog::usableSize() const
{
    // Room for the whole title beside the frame's buttons, and for about
    // fifteen folders in the list; never beyond the screen.
    const QFontMetrics metrics(QApplication::font(this));
    const int titleWidth = metrics.horizontalAdvance(windowTitle()) + 8 * metrics.height();
    const int rowHeight = metrics.height() + 4;
    QSize size(
        std::max({m_designSize.width(), titleWidth, formPixels(this, 7000)}), m_designSize.height() + 10 * rowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10).expandedTo(m_designSize);
    return size;
}

void MediaFolderDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // Every control keeps its designed place at the designed size; the
    // lists widen, the folder list grows down, and the separator, the emblem
    // and the buttons stay at the bottom, the buttons at the right.
    const int wider = std::max(0, width() - m_designSize.width());
    const int taller = std::max(0, height() - m_designSize.height());
    const auto place
        = [this](QWidget* widget, int left, int top, int width, int height, int dx, int dy, int dw, int dh) {
              const QRect designed = formRect(this, left, top, width, height);
              widget->setGeometry(designed.x() + dx, designed.y() + dy, designed.width() + dw, designed.height() + dh);
          };
    place(m_label, 170, 55, 4215, 300, 0, 0, wider, 0);
    place(m_drives, 120, 360, 4335, 315, 0, 0, wider, 0);
    place(m_tree, 120, 720, 4335, 1890, 0, 0, wider, taller);
    place(m_chapterFiles, 120, 2660, 4335, 300, 0, taller, wider, 0);
    const QRect separator = formRect(this, 120, 2760 + kChapterRow, 4320, 0);
    m_line->setGeometry(separator.left(), separator.top() - 1 + taller, separator.width() + wider, 3);
    place(m_emblem, 150, 2820 + kChapterRow, 480, 480, 0, taller, 0, 0);
    place(m_accept, 870, 2850 + kChapterRow, 1755, 375, wider, taller, 0, 0);
    place(m_cancel, 2700, 2850 + kChapterRow, 1755, 375, wider, taller, 0, 0);
}

MediaFolderDialog::~MediaFolderDialog()
{
    // The model's background thread may still ask the icon provider, which
    // goes away with this object: the model goes first.
    m_tree->setModel(nullptr);
    delete m_folders;
}

QString MediaFolderDialog::mappingMessageTitle()
{
    //: The title of the message that the voice's stored folder cannot be opened.
    return tr("Mapping Path exception...");
}

QString MediaFolderDialog::openedFolder() const
{
    const QModelIndex current = m_tree->currentIndex();
    return current.isValid() ? m_folders->filePath(current) : QString();
}

bool MediaFolderDialog::openFolder(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    const QModelIndex index = m_folders->index(QDir::cleanPath(info.absoluteFilePath()));
    if (!index.isValid())
        return false;
    m_tree->setCurrentIndex(index);
    m_tree->expand(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_followOpenedFolder = true;
    showDriveOf(m_folders->filePath(index));
    return true;
}

void MediaFolderDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_mappingMessagePending) {
        m_mappingMessagePending = false;
        // Once the dialog is on the screen and active, not inside the show
        // itself, so that the message opens over the dialog it is about.
        QMetaObject::invokeMethod(this, &MediaFolderDialog::showMappingMessage, Qt::QueuedConnection);
    }
}

void MediaFolderDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancel->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MediaFolderDialog::acceptClicked()
{
    m_answer.outcome = host::MediaFolderDialogAnswer::Outcome::Accepted;
    m_answer.folder = openedFolder();
    m_answer.oneFilePerChapter = m_chapterFiles->isChecked();
    done(QDialog::Accepted);
}

void MediaFolderDialog::cancelClicked()
{
    m_answer.outcome = host::MediaFolderDialogAnswer::Outcome::Cancelled;
    m_answer.folder.clear();
    done(QDialog::Rejected);
}

void MediaFolderDialog::driveActivated(int index)
{
    // A volume that cannot be opened is ignored: the list keeps its folder.
    if (!openFolder(m_drives->itemData(index).toString()))
        showDriveOf(openedFolder());
}

void MediaFolderDialog::currentFolderChanged(const QModelIndex& current)
{
    if (current.isValid())
        showDriveOf(m_folders->filePath(current));
}

void MediaFolderDialog::keepOpenedFolderInView()
{
    if (!m_followOpenedFolder || m_followScheduled)
        return;
    m_followScheduled = true;
    // After the view has laid out the rows that came or went.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_followScheduled = false;
            if (m_followOpenedFolder && m_tree->currentIndex().isValid())
                m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
        },
        Qt::QueuedConnection);
}

bool MediaFolderDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        // The user browses on: the view is theirs.
        m_followOpenedFolder = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void MediaFolderDialog::showMappingMessage()
{
    QString text = m_request.mappingMessageText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Critical, mappingMessageTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("mappingMessage"));
    // A folder's name is shown as written, even one that looks like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MediaFolderDialog::fillDriveList()
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.erase(std::remove_if(volumes.begin(), volumes.end(),
                      [](const QStorageInfo& volume) {
                          // Files mounted on their own (a container's
                          // /etc/hosts) are no place for folders.
                          return !volume.isValid() || !QFileInfo(volume.rootPath()).isDir();
                      }),
        volumes.end());
    std::sort(volumes.begin(), volumes.end(),
        [](const QStorageInfo& a, const QStorageInfo& b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo& volume : volumes) {
        QString text = volume.rootPath();
        const QString name = volume.name();
        if (!name.isEmpty() && name != text)
            text += QStringLiteral("  [%1]").arg(name);
        m_drives->addItem(volumeIcon(), text, volume.rootPath());
    }
}

void MediaFolderDialog::showDriveOf(const QString& path)
{
    const int index = m_drives->findData(QStorageInfo(path).rootPath());
    if (index >= 0)
        m_drives->setCurrentIndex(index);
}

} // namespace tilvora::ui
