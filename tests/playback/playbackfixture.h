#pragma once

// A content database and a media folder of the test's own, the shared state
// loaded from them, and a host that records what the user would have seen.

#include "host/host.h"
#include "store/fixture.h"
#include "store/queryhelpers.h"
#include "store/sharedstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>

// Failures print the texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tilvora::playback::testing {

class RecordingHost : public host::Host {
public:
    QStringList calls;
    std::vector<host::MediaFolderDialogRequest> dialogRequests;
    std::deque<host::MediaFolderDialogAnswer> dialogAnswers;
    int yields = 0;
    // Runs inside processEvents: a second request arriving during a search.
    std::function<void()> duringEvents;
    // A fault of the player's, as the desktop player may have.
    bool playerFails = false;

    void navigate(host::Pane, const QString&) override { calls << QStringLiteral("navigate"); }
    void setSearchLabel(const QString&) override { calls << QStringLiteral("label"); }
    void showMessage(host::MessageIcon icon, const QString& title, const QString& text) override
    {
        calls << (icon == host::MessageIcon::Critical ? QStringLiteral("critical|") : QStringLiteral("information|"))
                + title + QLatin1Char('|') + text;
    }
    void reportError(const QString& text) override { calls << QStringLiteral("error|") + text; }
    void playerSetUrl(const QString& path) override
    {
        if (playerFails)
            throw std::runtime_error("The player cannot open the file.");
        calls << QStringLiteral("url|") + path;
    }
    void playerSetPosition(double seconds) override { calls << QStringLiteral("position|") + QString::number(seconds); }
    void playerPlay() override { calls << QStringLiteral("play"); }
    void resetPickerSelector(const QString&) override {}
    void setVoiceMenuItem(int, bool, const QString&, const QString&) override {}
    void setDataPathMenuVisible(bool) override {}
    host::MediaFolderDialogAnswer showMediaFolderDialog(const host::MediaFolderDialogRequest& request) override
    {
        dialogRequests.push_back(request);
        if (dialogAnswers.empty())
            return {};
        const host::MediaFolderDialogAnswer answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
    void processEvents() override
    {
        // A search far beyond the test's own small tree (the root folder,
        // say) ends here instead of walking the disk.
        if (++yields > 200)
            throw std::runtime_error("searched far beyond the media folder");
        if (duringEvents) {
            const auto run = std::move(duringEvents);
            duringEvents = nullptr;
            run();
        }
    }
};

class PlaybackTest : public ::testing::Test {
protected:
    static constexpr int kVoice = 10;

    // The media folder, M inside the test's own folder; not created until a file is.
    QString media(const QString& relative = QString()) const
    {
        return m_store.folder() + QStringLiteral("/M") + (relative.isEmpty() ? QString() : QLatin1Char('/') + relative);
    }

    void mediaFile(const QString& relative) const
    {
        QDir().mkpath(QFileInfo(media(relative)).path());
        QFile file(media(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    void sql(const QString& statement) const { m_store.execute({statement}); }

    // A voice program with its folder; the selected one also gets its
    // details loaded into gDetails by load().
    void voice(int masterId, const QString& folder, bool selected) const
    {
        sql(QStringLiteral("INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
                           "DefaultSelection, SortOrderUser, SortOrderDef) VALUES (%1, 4, 'Voice', 'Reciter', '%2', %3, %3, 0, 0)")
                .arg(masterId)
                .arg(folder)
                .arg(selected ? 1 : 0));
    }

    // A detail row; a null QString stands for a Null value.
    void detail(int ayahRef, const QString& name, const QString& position, int masterId = kVoice) const
    {
        const auto literal = [](const QString& text) {
            return text.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + text + QLatin1Char('\'');
        };
        sql(QStringLiteral("INSERT INTO AP_Detail_TAB (MasterID, AyahRef, Data, DataPos) VALUES (%1, %2, %3, %4)")
                .arg(masterId)
                .arg(ayahRef)
                .arg(literal(name), literal(position)));
    }

    void load(int detailsOf = kVoice)
    {
        state.gConnection = m_store.connect();
        store::SelectedProgramIds(state);
        store::OpenProgramDetails(state, QString::number(detailsOf));
    }

    // Every path leaves the program list unfiltered.
    void TearDown() override
    {
        EXPECT_TRUE(state.gPrograms.filter().isEmpty()) << state.gPrograms.filter().toStdString();
    }

    StoreFixture m_store;
    store::SharedState state;
    RecordingHost host;
};

} // namespace tilvora::playback::testing
