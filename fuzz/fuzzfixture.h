#pragma once

// What the fuzz targets share: a small content database with one text, two
// translations, a commentary and a voice over the seven verses of chapter 1,
// with words, roots and subjects, and the program's state opened on it.

#include "support/fixturedb.h"
#include "support/recordinghost.h"

#include "store/sharedstate.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace tilvora::fuzz {

class FuzzFixture {
public:
    FuzzFixture();

    testing::FixtureDb& db() { return m_db; }
    store::SharedState& state() { return m_state; }
    testing::RecordingHost& host() { return m_host; }

    // Fills the database with the standard content.
    void fill();
    // Opens the state afresh on the database, as start-up leaves it.
    void reopen();

private:
    testing::FixtureDb m_db;
    store::SharedState m_state;
    testing::RecordingHost m_host;
};

// Fuzz bytes as text: UTF-8 decoded, invalid sequences replaced.
QString textOf(const uint8_t* data, size_t size);

} // namespace tilvora::fuzz
