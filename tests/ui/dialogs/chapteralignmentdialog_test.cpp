// The chapter files of a voice's folder aligned in the dialog: progress,
// storing, the verses to check with their correction, and a stop request.

#include "playback/audioplayer.h"
#include "ui/dialogs/chapteralignmentdialog.h"

#include "store/sharedstate.h"
#include "support/fixturedb.h"
#include "support/madeaudio.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

using namespace tilvora;
using tilvora::testing::FixtureDb;
using tilvora::testing::MadeAudio;
using tilvora::testing::MadeChapter;

namespace {

constexpr int kVoice = 40;

// Chapter 1 (3 verses) is spoken with a pause after each verse; chapter 2
// (4 verses) runs its verses 2 and 3 together; chapter 3's file is no
// recording; chapter 4 has no file.
class ChapterAlignmentDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_store.program(1, FixtureDb::Matan, true, 0);
        int ref = 0;
        for (int chapter = 1; chapter <= 4; ++chapter) {
            for (int verse = 1; verse <= (chapter == 2 ? 4 : 3); ++verse) {
                m_store.verse(++ref, chapter, verse);
                m_store.detail(ref, 1, ref, QString(25 + 10 * verse, QChar(0x0628)));
            }
        }
        m_store.program({.id = kVoice,
            .type = FixtureDb::Voice,
            .master = QStringLiteral("Voice"),
            .selected = true,
            .data = m_store.folder(),
            .description = QStringLiteral("Made reciter")});
        m_store.open(m_state);

        const MadeAudio first = MadeChapter({35, 45, 55}, 0.08, 0.7, 0);
        ASSERT_TRUE(first.writeMp3(m_store.folder() + QStringLiteral("/001.mp3")));
        MadeAudio second;
        second.pause(0.3);
        for (int verse = 1; verse <= 4; ++verse) {
            if (verse != 3)
                second.pause(0.7);
            second.verse();
            second.speak((25 + 10 * verse) * 0.08);
        }
        second.pause(0.5);
        ASSERT_TRUE(second.writeMp3(m_store.folder() + QStringLiteral("/002.mp3")));
        QFile broken(m_store.folder() + QStringLiteral("/003.mp3"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(4000, 'x'));
        m_secondStarts = second.starts;
    }

    QStringList storedStarts()
    {
        store::RecordSet rows = m_state.gConnection->openRecordSet(
            QStringLiteral("SELECT AyahRef, Data, DataPos FROM AP_Detail_TAB WHERE MasterID = %1 ORDER BY AyahRef")
                .arg(kVoice));
        QStringList out;
        if (rows.recordCount() > 0) {
            for (rows.moveFirst(); !rows.eof(); rows.moveNext())
                out << rows.text(0) + QLatin1Char(':') + rows.text(1) + QLatin1Char('|') + rows.text(2);
        }
        return out;
    }

    FixtureDb m_store;
    store::SharedState m_state;
    std::vector<double> m_secondStarts;
};

QPushButton* button(ui::ChapterAlignmentDialog& dialog, const QString& text)
{
    for (QPushButton* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

QString statusOf(ui::ChapterAlignmentDialog& dialog)
{
    return dialog.findChildren<QLabel*>().first()->text();
}

} // namespace

TEST_F(ChapterAlignmentDialogTest, EveryChapterFoundIsStoredTheDoubtfulListedAndACorrectionStored)
{
    ui::ChapterAlignmentDialog dialog(m_state, QString::number(kVoice));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Verse starts in the chapter files - Made reciter"));
    QSignalSpy finished(&dialog, &ui::ChapterAlignmentDialog::workFinished);
    dialog.show();
    ASSERT_TRUE(finished.wait(60000));

    const QStringList stored = storedStarts();
    ASSERT_EQ(stored.size(), 7) << stored.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(stored[0].startsWith(QStringLiteral("1:001.mp3|")));
    EXPECT_TRUE(stored[6].startsWith(QStringLiteral("7:002.mp3|")));
    auto* progress = dialog.findChild<QProgressBar*>();
    EXPECT_EQ(progress->value(), progress->maximum());
    EXPECT_EQ(progress->maximum(), 3);
    EXPECT_TRUE(statusOf(dialog).startsWith(QStringLiteral("Done: the starts of 2 of 3 chapters are stored;")))
        << statusOf(dialog).toStdString();

    // The broken file's chapter and the verse spoken without a pause are listed.
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("lstToCheck"));
    QStringList listed;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        listed << list->topLevelItem(i)->text(0);
    EXPECT_TRUE(listed.contains(QStringLiteral("2:3"))) << listed.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(listed.contains(QStringLiteral("Chapter 3"))) << listed.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(listed.contains(QStringLiteral("1:2")));

    // The reader moves 2:3's start to where it truly is and stores it.
    list->setCurrentItem(list->topLevelItem(int(listed.indexOf(QStringLiteral("2:3")))));
    auto* start = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spnStart"));
    ASSERT_TRUE(start->isEnabled());
    start->setValue(m_secondStarts[2] - 0.2);
    button(dialog, QStringLiteral("+ 0.1 s"))->click();

    // Heard from a little before the start.
    auto* player = dialog.findChild<playback::AudioPlayer*>();
    ASSERT_NE(player, nullptr);
    button(dialog, QStringLiteral("Play around it"))->click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return player->playbackState() == playback::AudioPlayer::State::Playing && player->position() > 0; },
        20000));
    EXPECT_EQ(player->source(), QUrl::fromLocalFile(m_store.folder() + QStringLiteral("/002.mp3")));
    EXPECT_NEAR(double(player->position()) / 1000, m_secondStarts[2] - 0.1 - 1.5, 1.0);
    dialog.findChild<QPushButton*>(QStringLiteral("cmdStoreStart"))->click();
    const QString expected = QString::number(m_secondStarts[2] - 0.1, 'f', 2);
    EXPECT_EQ(storedStarts()[5], QStringLiteral("6:002.mp3|") + expected);
    EXPECT_EQ(m_state.gDetails.recordCount(), 7);

    // Close now closes.
    auto* close = dialog.findChild<QPushButton*>(QStringLiteral("cmdCloseStarts"));
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    close->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ChapterAlignmentDialogTest, CancelStopsTheWorkAndTheDialogStaysToSaySo)
{
    ui::ChapterAlignmentDialog dialog(m_state, QString::number(kVoice));
    QSignalSpy finished(&dialog, &ui::ChapterAlignmentDialog::workFinished);
    dialog.show();
    dialog.start();
    dialog.findChild<QPushButton*>(QStringLiteral("cmdCloseStarts"))->click();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(dialog.isVisible());
    // Stopped while the folder was searched or the first chapter aligned.
    EXPECT_TRUE(statusOf(dialog).startsWith(QStringLiteral("Stopped: "))) << statusOf(dialog).toStdString();
    EXPECT_TRUE(storedStarts().isEmpty());
}

TEST_F(ChapterAlignmentDialogTest, TheSearchRunsAwayFromTheEventLoopAndAFolderWithoutChapterFilesSaysSo)
{
    for (const char* name : {"/001.mp3", "/002.mp3", "/003.mp3"})
        QFile::remove(m_store.folder() + QString::fromLatin1(name));
    ui::ChapterAlignmentDialog dialog(m_state, QString::number(kVoice));
    QSignalSpy finished(&dialog, &ui::ChapterAlignmentDialog::workFinished);
    dialog.start();
    // start() returns at once: the folder is searched while the window runs.
    EXPECT_EQ(finished.size(), 0);
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->maximum(), 0);
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(
        statusOf(dialog).startsWith(QStringLiteral("No chapter file was found (001.mp3 ... 114.mp3, or .wma).")));
}

TEST_F(ChapterAlignmentDialogTest, TheVoicesOwnRecordingsAreReplacedOnlyWhenTheReaderSaysSo)
{
    for (int ref = 1; ref <= 3; ++ref)
        m_store.detail({.masterId = kVoice,
            .ayahRef = ref,
            .data = QStringLiteral("001%1.mp3").arg(ref, 3, 10, QLatin1Char('0')),
            .position = 0});
    const QStringList before = storedStarts();
    ui::ChapterAlignmentDialog dialog(m_state, QString::number(kVoice));
    QStringList questions;
    dialog.setReplaceQuestion([&](const QString& question) {
        questions << question;
        return false;
    });
    QSignalSpy finished(&dialog, &ui::ChapterAlignmentDialog::workFinished);
    dialog.start();
    ASSERT_TRUE(finished.wait(60000));

    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("recordings of its own for 3 verses in the chapters 1 ")))
        << questions[0].toStdString();
    // Chapter 1 keeps its files; chapter 2 gets its starts.
    const QStringList after = storedStarts();
    EXPECT_EQ(after.mid(0, 3), before);
    ASSERT_EQ(after.size(), 7);
    EXPECT_TRUE(after[3].startsWith(QStringLiteral("4:002.mp3|")));
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->maximum(), 2);
}
