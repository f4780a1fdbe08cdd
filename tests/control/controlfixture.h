#pragma once

#include "store/sharedstate.h"
#include "support/fixturedb.h"
#include "support/recordinghost.h"

#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

// A content database of the canonical schema in a temporary folder of the
// test's own, opened as the program opens it, with the four program types:
// 1 MATAN, 2 TRANSLATION, 3 TAFSEER, 4 VOICE.
class ControlFixture : public ::testing::Test {
protected:
    using FixtureDb = tilvora::testing::FixtureDb;
    static constexpr FixtureDb::Type kMatan = FixtureDb::Matan;
    static constexpr FixtureDb::Type kTranslation = FixtureDb::Translation;
    static constexpr FixtureDb::Type kTafseer = FixtureDb::Tafseer;
    static constexpr FixtureDb::Type kVoice = FixtureDb::Voice;

    void SetUp() override;

    // Adds a program record (defaults equal to the current selection and order).
    void add(const FixtureDb::Program& program) { m_db.program(program); }
    // Adds one detail record per verse for a program, naming a media file.
    void addDetails(int masterId, const QList<int>& ayahRefs);
    void execute(const QString& statement);

    // Reopens gPrograms with the program list, as start-up does.
    void loadPrograms();

    // One column of one program record, as text (Null as "NULL", Booleans as
    // True/False).
    QString column(int masterId, const QString& name);
    // "id:UserSelection:SortOrderUser" for every program, by MasterID: a
    // picture of the selection and order columns of the whole table.
    QString selectionTable();
    // The AyahRef values gDetails holds, joined with ",".
    QString detailRefs();

    FixtureDb m_db;
    tilvora::store::SharedState m_state;
};
