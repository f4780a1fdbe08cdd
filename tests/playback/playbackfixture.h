#pragma once

// A content database and a media folder of the test's own, the shared state
// loaded from them, and a host that records what the user would have seen.

#include "playback/mediafilefinder.h"
#include "store/queryhelpers.h"
#include "store/sharedstate.h"
#include "support/fixturedb.h"
#include "support/recordinghost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tilvora::playback::testing {

using tilvora::testing::FixtureDb;

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
        m_store.program({.id = masterId,
            .type = FixtureDb::Voice,
            .master = QStringLiteral("Voice"),
            .selected = selected,
            .data = folder,
            .description = QStringLiteral("Reciter")});
    }

    // A detail row; a null QString stands for a Null value.
    void detail(int ayahRef, const QString& name, const QString& position, int masterId = kVoice) const
    {
        const auto value = [](const QString& text) { return text.isNull() ? QVariant() : QVariant(text); };
        m_store.detail({.masterId = masterId, .ayahRef = ayahRef, .data = value(name), .position = value(position)});
    }

    void load(int detailsOf = kVoice)
    {
        state.gConnection = m_store.connect();
        store::selectedProgramIds(state);
        store::openProgramDetails(state, QString::number(detailsOf));
    }

    // Hands over what the file searches found, as the window's event loop would.
    static void settle() { MediaFileFinder::finishAll(); }

    // Every path leaves the program list unfiltered.
    void TearDown() override
    {
        EXPECT_TRUE(state.gPrograms.filter().isEmpty()) << state.gPrograms.filter().toStdString();
    }

    FixtureDb m_store;
    store::SharedState state;
    tilvora::testing::RecordingHost host;
    MediaFileFinder finder;
};

} // namespace tilvora::playback::testing
