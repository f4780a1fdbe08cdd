#include "ui/dialogs/mediafolderdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <optional>

#include <gtest/gtest.h>

#include "support/printing.h"

using tilvora::host::MediaFolderDialogAnswer;
using tilvora::host::MediaFolderDialogRequest;
using tilvora::ui::MediaFolderDialog;
using Outcome = MediaFolderDialogAnswer::Outcome;

namespace {

QMessageBox* visibleMessageBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
            return box;
    }
    return nullptr;
}

class MediaFolderDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_voices = QDir(m_dir.path()).filePath(QStringLiteral("Recitations"));
        for (const char* name : {"Demo voice", "Mishary", "Husary"})
            ASSERT_TRUE(QDir().mkpath(QDir(m_voices).filePath(QString::fromLatin1(name))));
    }

    MediaFolderDialogRequest requestFor(const QString& folder, const QString& mappingMessage = {}) const
    {
        MediaFolderDialogRequest request;
        request.tag = QStringLiteral("41");
        request.initialPath = folder;
        request.openFolder = folder;
        request.mappingMessageText = mappingMessage;
        return request;
    }

    // Shows the dialog and waits until it is active and its folders are listed.
    static void showActive(MediaFolderDialog& dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    static QTreeView* tree(MediaFolderDialog& dialog) { return dialog.findChild<QTreeView*>(QStringLiteral("Dir1")); }

    QTemporaryDir m_dir;
    QString m_voices;
};

TEST_F(MediaFolderDialogTest, AcceptAnswersTheFolderTheUserOpened)
{
    MediaFolderDialog dialog(requestFor(m_voices));
    showActive(dialog);
    EXPECT_EQ(dialog.openedFolder(), m_voices);

    // The user clicks a folder in the tree: that folder becomes the answer.
    QTreeView* view = tree(dialog);
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    const QString husary = QDir(m_voices).filePath(QStringLiteral("Husary"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->visualRect(model->index(husary)).isEmpty(); }, 5000));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->index(husary)).center());
    EXPECT_EQ(dialog.openedFolder(), husary);

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdPath")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.answer().outcome, Outcome::Accepted);
    EXPECT_EQ(dialog.answer().folder, husary);
    EXPECT_FALSE(dialog.answer().oneFilePerChapter);
}

TEST_F(MediaFolderDialogTest, TheChapterFilesOptionTickedGoesWithTheAnswer)
{
    MediaFolderDialog dialog(requestFor(m_voices));
    showActive(dialog);
    auto* option = dialog.findChild<QCheckBox*>(QStringLiteral("chkChapterFiles"));
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->text(), QStringLiteral("This folder holds one file per chapter"));
    EXPECT_FALSE(option->isChecked());
    // On its box: the option is as wide as the dialog, its text shorter.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdPath")), Qt::LeftButton);
    EXPECT_EQ(dialog.answer().outcome, Outcome::Accepted);
    EXPECT_EQ(dialog.answer().folder, m_voices);
    EXPECT_TRUE(dialog.answer().oneFilePerChapter);
}

TEST_F(MediaFolderDialogTest, EnterAcceptsTheStoredFolderWhenNothingWasBrowsed)
{
    // From every control that takes the focus, Enter is Accept, and exec()
    // returns with the answer.
    for (const char* focus : {"Drive1", "Dir1", "cmdPath"}) {
        MediaFolderDialog dialog(requestFor(m_voices));
        QTimer::singleShot(0, &dialog, [&] {
            showActive(dialog);
            QWidget* target = dialog.findChild<QWidget*>(QString::fromLatin1(focus));
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted) << focus;
        EXPECT_EQ(dialog.answer().outcome, Outcome::Accepted) << focus;
        EXPECT_EQ(dialog.answer().folder, m_voices) << focus;
    }
}

TEST_F(MediaFolderDialogTest, EscapeCancelsAndTheTitleBarClosesWithoutAnAnswer)
{
    MediaFolderDialog cancelled(requestFor(m_voices));
    showActive(cancelled);
    tree(cancelled)->setFocus();
    QTest::keyClick(tree(cancelled), Qt::Key_Escape);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.answer().outcome, Outcome::Cancelled);
    EXPECT_TRUE(cancelled.answer().folder.isEmpty());

    MediaFolderDialog closed(requestFor(m_voices));
    showActive(closed);
    // What the window manager's close button does.
    closed.close();
    EXPECT_FALSE(closed.isVisible());
    EXPECT_EQ(closed.result(), QDialog::Rejected);
    EXPECT_EQ(closed.answer().outcome, Outcome::Closed);
    EXPECT_TRUE(closed.answer().folder.isEmpty());
}

TEST_F(MediaFolderDialogTest, TheMappingMessageAppearsOnceTheDialogIsShownAndTheDialogStaysOpen)
{
    // A folder name that looks like markup is shown as written.
    const QString missing = QDir(m_dir.path()).filePath(QStringLiteral("<b>gone</b>"));
    MediaFolderDialog dialog(requestFor(QString(),
        QStringLiteral("%1 does not exist\r\nSpecified path is invalid "
                       "and cannot be mapped properly...")
            .arg(missing)));
    EXPECT_EQ(visibleMessageBox(), nullptr) << "nothing is shown before the dialog is";

    // The message box runs its own event loop: it is read and closed from a
    // timer that fires inside that loop.
    struct SeenBox {
        QString title;
        QString text;
        Qt::TextFormat format;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        qsizetype buttonCount;
        bool dialogVisible;
    };
    std::optional<SeenBox> seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QMessageBox* box = visibleMessageBox()) {
            seen = SeenBox{box->windowTitle(), box->text(), box->textFormat(), box->icon(), box->standardButtons(),
                box->buttons().size(), dialog.isVisible()};
            poll.stop();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.has_value(); }, 5000));
    EXPECT_EQ(seen->title, QStringLiteral("Mapping Path exception..."));
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->format, Qt::PlainText);
    EXPECT_EQ(seen->text,
        QStringLiteral("%1 does not exist\nSpecified path is invalid and cannot be mapped properly...").arg(missing));
    EXPECT_EQ(seen->buttons, QMessageBox::Ok);
    EXPECT_EQ(seen->buttonCount, 1);
    EXPECT_TRUE(seen->dialogVisible);
    ASSERT_TRUE(QTest::qWaitFor([] { return visibleMessageBox() == nullptr; }, 5000));

    // The dialog is still there, at the program's current folder, for browsing.
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.openedFolder(), QDir::currentPath());
    EXPECT_EQ(dialog.answer().outcome, Outcome::Closed);

    // Shown once per dialog, not on every activation.
    seen.reset();
    poll.start();
    dialog.hide();
    dialog.show();
    // Nothing to await: the test checks that no message comes in this time.
    QTest::qWait(150);
    EXPECT_FALSE(seen.has_value());
}

TEST_F(MediaFolderDialogTest, WithoutAMappingMessageNoneAppears)
{
    MediaFolderDialog dialog(requestFor(m_voices));
    showActive(dialog);
    // Nothing to await: the test checks that no message comes in this time.
    QTest::qWait(150);
    EXPECT_EQ(visibleMessageBox(), nullptr);
}

TEST_F(MediaFolderDialogTest, AVolumePickedInTheDriveListOpensItsRoot)
{
    MediaFolderDialog dialog(requestFor(m_voices));
    showActive(dialog);
    auto* drives = dialog.findChild<QComboBox*>(QStringLiteral("Drive1"));
    ASSERT_GT(drives->count(), 0);
    // The drive list shows the volume of the opened folder.
    EXPECT_EQ(drives->currentData().toString(), QStorageInfo(m_voices).rootPath());

    // The user opens the list and picks the file system's root, which the
    // list sorts first.
    drives->showPopup();
    QAbstractItemView* list = drives->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 5000));
    const QModelIndex root = list->model()->index(0, 0);
    EXPECT_EQ(root.data(Qt::UserRole).toString(), QDir::rootPath());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(root).center());
    EXPECT_EQ(dialog.openedFolder(), QDir::rootPath());
    EXPECT_EQ(drives->currentData().toString(), QDir::rootPath());
}

TEST_F(MediaFolderDialogTest, TabVisitsTheDrivesTheFoldersTheChapterOptionAcceptAndCancel)
{
    MediaFolderDialog dialog(requestFor(m_voices));
    showActive(dialog);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Drive1"));
    QStringList visited;
    for (int step = 0; step < 5; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited,
        (QStringList{QStringLiteral("Dir1"), QStringLiteral("chkChapterFiles"), QStringLiteral("cmdPath"),
            QStringLiteral("CmdCancel"), QStringLiteral("Drive1")}));
}

TEST_F(MediaFolderDialogTest, AnEmptyOrMissingFolderOpensTheProgramsCurrentFolder)
{
    MediaFolderDialog empty(requestFor(QString()));
    EXPECT_EQ(empty.openedFolder(), QDir::currentPath());
    MediaFolderDialog missing(requestFor(QDir(m_dir.path()).filePath(QStringLiteral("nowhere"))));
    EXPECT_EQ(missing.openedFolder(), QDir::currentPath());
    EXPECT_FALSE(missing.openFolder(QDir(m_dir.path()).filePath(QStringLiteral("nowhere"))));
    EXPECT_EQ(missing.openedFolder(), QDir::currentPath());
}

TEST_F(MediaFolderDialogTest, TheTitleNamesTheVoiceAndALargerDialogGivesTheFolderListTheRoom)
{
    MediaFolderDialogRequest request = requestFor(m_voices);
    request.voiceDescription = QStringLiteral("Demo voice (speech synthesis)");
    MediaFolderDialog dialog(request);
    EXPECT_EQ(
        dialog.windowTitle(), QStringLiteral("Specify / Select a valid Path... \u2014 Demo voice (speech synthesis)"));
    showActive(dialog);
    // It opens larger than its least size: the whole title and a list of
    // more than a handful of folders.
    const QSize designed = dialog.minimumSize();
    EXPECT_GT(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
    EXPECT_GT(tree(dialog)->height(), 12 * tree(dialog)->fontMetrics().height());
    dialog.resize(designed);
    QTRY_COMPARE(dialog.size(), designed);
    auto* accept = dialog.findChild<QPushButton*>(QStringLiteral("cmdPath"));
    ASSERT_NE(accept, nullptr);
    const QRect treeBefore = tree(dialog)->geometry();
    const QPoint acceptFromCorner = QPoint(dialog.width(), dialog.height()) - accept->geometry().topLeft();

    dialog.resize(designed + QSize(200, 150));
    QTRY_COMPARE(dialog.size(), designed + QSize(200, 150));
    EXPECT_EQ(tree(dialog)->geometry().size(), treeBefore.size() + QSize(200, 150));
    EXPECT_EQ(QPoint(dialog.width(), dialog.height()) - accept->geometry().topLeft(), acceptFromCorner);
    EXPECT_TRUE(dialog.geometry().contains(accept->geometry().translated(dialog.geometry().topLeft())));

    // Without a description the title is the dialog's own.
    MediaFolderDialog unnamed(requestFor(m_voices));
    EXPECT_EQ(unnamed.windowTitle(), QStringLiteral("Specify / Select a valid Path..."));
}

TEST_F(MediaFolderDialogTest, Screenshot)
{
    MediaFolderDialog dialog(requestFor(QDir(m_voices).filePath(QStringLiteral("Demo voice"))));
    showActive(dialog);
    QTreeView* view = tree(dialog);
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    const QString sibling = QDir(m_voices).filePath(QStringLiteral("Mishary"));
    // Once the folders above it are listed, the opened folder is in view.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QRect opened = view->visualRect(view->currentIndex());
            return !view->visualRect(model->index(sibling)).isEmpty() && opened.top() >= 0
                && opened.bottom() < view->viewport()->height();
        },
        5000))
        << "opened " << dialog.openedFolder().toStdString() << " at " << view->visualRect(view->currentIndex()).y()
        << ", sibling at " << view->visualRect(model->index(sibling)).y();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(TILVORA_ARTIFACTS_DIR)));
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(TILVORA_ARTIFACTS_DIR "/media_folder_dialog.png")));
}

} // namespace
