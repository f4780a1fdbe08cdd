#include "playback/mediafolderdialog.h"

#include "playbackfixture.h"

using tilvora::host::MediaFolderDialogAnswer;
using tilvora::playback::runMediaFolderDialog;
using tilvora::playback::testing::PlaybackTest;

namespace {

const QString kCannotMap = QStringLiteral("\r\nSpecified path is invalid and cannot be mapped properly...");

class MediaFolderDialogTest : public PlaybackTest {
protected:
    void SetUp() override
    {
        mediaFile(QStringLiteral("001001.mp3"));
        voice(kVoice, media(), true);
        voice(11, media(QStringLiteral("gone")), false);
        voice(12, media(QStringLiteral("001001.mp3")), false);
        voice(13, QString(), false);
        voice(14, QStringLiteral("   "), false);
        load();
    }

    const tilvora::host::MediaFolderDialogRequest& show(const QString& tag)
    {
        runMediaFolderDialog(state, host, tag);
        return host.dialogRequests.back();
    }
};

TEST_F(MediaFolderDialogTest, StoredFolderThatExistsIsOpenedWithoutMessage)
{
    host.dialogAnswers.push_back({MediaFolderDialogAnswer::Outcome::Accepted, QStringLiteral("/chosen")});
    const MediaFolderDialogAnswer answer = runMediaFolderDialog(state, host, QStringLiteral("10"));
    EXPECT_EQ(answer.outcome, MediaFolderDialogAnswer::Outcome::Accepted);
    EXPECT_EQ(answer.folder, QStringLiteral("/chosen"));

    const auto& request = host.dialogRequests.at(0);
    EXPECT_EQ(request.tag, QStringLiteral("10"));
    EXPECT_EQ(request.initialPath, media());
    EXPECT_EQ(request.openFolder, media());
    EXPECT_TRUE(request.mappingMessageText.isEmpty());

    host.dialogAnswers.push_back({MediaFolderDialogAnswer::Outcome::Cancelled, QString()});
    EXPECT_EQ(
        runMediaFolderDialog(state, host, QStringLiteral("10")).outcome, MediaFolderDialogAnswer::Outcome::Cancelled);
    EXPECT_EQ(
        runMediaFolderDialog(state, host, QStringLiteral("10")).outcome, MediaFolderDialogAnswer::Outcome::Closed);
}

TEST_F(MediaFolderDialogTest, StoredFolderThatCannotBeOpenedGivesTheMappingMessage)
{
    const auto& missing = show(QStringLiteral("11"));
    EXPECT_EQ(missing.initialPath, media(QStringLiteral("gone")));
    EXPECT_EQ(missing.openFolder, QDir::currentPath());
    EXPECT_EQ(missing.mappingMessageText,
        QStringLiteral("The folder ") + media(QStringLiteral("gone")) + QStringLiteral(" does not exist.")
            + kCannotMap);

    const auto& file = show(QStringLiteral("12"));
    EXPECT_EQ(file.openFolder, QDir::currentPath());
    EXPECT_EQ(file.mappingMessageText,
        media(QStringLiteral("001001.mp3")) + QStringLiteral(" is not a folder.") + kCannotMap);
}

TEST_F(MediaFolderDialogTest, EmptyStoredFolderOpensTheCurrentFolderQuietly)
{
    for (const QString& tag : {QStringLiteral("13"), QStringLiteral("14")}) {
        const auto& request = show(tag);
        EXPECT_TRUE(request.initialPath.trimmed().isEmpty());
        EXPECT_EQ(request.openFolder, QDir::currentPath());
        EXPECT_TRUE(request.mappingMessageText.isEmpty());
    }
}

TEST_F(MediaFolderDialogTest, TagThatNamesNoProgramGivesTheMappingMessage)
{
    for (const QString& tag : {QString(), QStringLiteral("99"), QStringLiteral("x'y")}) {
        const auto& request = show(tag);
        EXPECT_EQ(request.tag, tag);
        EXPECT_TRUE(request.initialPath.isEmpty());
        EXPECT_EQ(request.openFolder, QDir::currentPath());
        EXPECT_EQ(request.mappingMessageText,
            QStringLiteral("There is no current record: the record set is empty or past its end.") + kCannotMap)
            << tag.toStdString();
    }
}

} // namespace
