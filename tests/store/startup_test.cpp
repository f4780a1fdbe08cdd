#include "support/fixturedb.h"

#include "store/connection.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"
#include "store/storestartup.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace tilvora::store;
using tilvora::testing::FixtureDb;

namespace {

QString startupFailure(const QString& folder)
{
    SharedState state;
    try {
        startStore(state, folder);
    } catch (const StartupError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

TEST(StoreStartup, RestoresSelectionAndOrderButKeepsAVoicesFolder)
{
    FixtureDb db;
    db.execute({QStringLiteral(
        "INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Data, UserSelection, DefaultSelection, "
        "SortOrderUser, SortOrderDef) VALUES (1, 2, NULL, 0, 1, 3, 1), (5, 4, '/my/voice', 1, 0, 7, 2)")});
    SharedState state;
    startStore(state, db.folder() + QStringLiteral("/"));
    EXPECT_EQ(state.gAppFolder, db.folder());

    // The program list is the copy taken before the defaults were restored.
    state.gPrograms.setFilter(QStringLiteral("MasterID='5'"));
    EXPECT_EQ(state.gPrograms.value(QStringLiteral("SortOrderUser")).toInt(), 7);

    selectedProgramIds(state);
    state.gPrograms.setFilter(QStringLiteral("MasterID='5'"));
    EXPECT_EQ(state.gPrograms.value(QStringLiteral("SortOrderUser")).toInt(), 2);
    EXPECT_EQ(state.gPrograms.text(QStringLiteral("UserSelection")), QStringLiteral("False"));
    EXPECT_EQ(state.gPrograms.text(QStringLiteral("Data")), QStringLiteral("/my/voice"));
    EXPECT_EQ(state.gSelectedIds, QStringLiteral("1"));
}

TEST(StoreStartup, EachFailureIsReportedInPlainWords)
{
    QTemporaryDir empty;
    EXPECT_TRUE(startupFailure(empty.path()).contains(QStringLiteral("was not found")));

    QTemporaryDir garbage;
    QFile file(garbage.path() + QStringLiteral("/DIC.DAT"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    EXPECT_TRUE(startupFailure(garbage.path()).contains(QStringLiteral("is not a Tilvora content database")));

    FixtureDb noColumn;
    noColumn.execute({QStringLiteral("ALTER TABLE AP_Master_TAB DROP COLUMN SortOrderDef")});
    EXPECT_TRUE(startupFailure(noColumn.folder()).contains(QStringLiteral("lacks a table or column")));

    FixtureDb noTable;
    noTable.execute({QStringLiteral("DROP TABLE AP_TypesMaster_TAB")});
    EXPECT_TRUE(startupFailure(noTable.folder()).contains(QStringLiteral("lacks a table or column")));
}

TEST(StoreStartup, AFileThatCannotBeWrittenIsReported)
{
    // Another program holding the file locked for writing (it may still be
    // read); file permissions would not stop a test that runs as root.
    FixtureDb db;
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        locker.setDatabaseName(db.path());
        ASSERT_TRUE(locker.open());
        QSqlQuery lock(locker);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
        EXPECT_TRUE(startupFailure(db.folder()).contains(QStringLiteral("cannot be written")));
        lock.exec(QStringLiteral("ROLLBACK"));
        locker.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));
}

TEST(StoreStartup, DamageFoundWhileRunningIsToldAsAtStart)
{
    FixtureDb db;
    SharedState state;
    startStore(state, db.folder());
    // A connection whose cache holds none of the table meets its first page
    // damaged on the disk.
    const auto connection = Connection::open(db.path());
    RecordSet root
        = connection->openRecordSet(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'MD_Ayah_TAB'"));
    root.moveFirst();
    const int page = root.value(0).toInt();
    {
        QFile file(db.path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(qint64(page - 1) * 4096);
        file.write(QByteArray(8, '\xff'));
    }
    try {
        connection->openRecordSet(QStringLiteral("SELECT * FROM MD_Ayah_TAB"));
        ADD_FAILURE() << "the damage went unseen";
    } catch (const DbError& error) {
        EXPECT_EQ(error.number(), DbError::Damaged);
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("The content file DIC.DAT is damaged (")))
            << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QStringLiteral("Reinstall Tilvora")));
    }
}

TEST(StoreStartup, AContentFileChangedSinceItWasFoundSoundIsCheckedAgain)
{
    FixtureDb db;
    const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-3600);
    const auto setModified = [&db](const QDateTime& when) {
        QFile file(db.path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    };
    // The first start restores the defaults, writing the file; the next one
    // finds it settled.
    for (int start = 0; start < 2; ++start) {
        setModified(longAgo);
        SharedState state;
        startStore(state, db.folder());
    }
    // The start remembered the file as found sound.
    ASSERT_TRUE(QFileInfo::exists(db.folder() + QStringLiteral("/DIC.DAT.checked")));

    // Damaged in place, its size and modification time kept as they were.
    RecordSet root;
    {
        const auto connection = Connection::open(db.path());
        root = connection->openRecordSet(
            QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'MD_Ayah_TAB'"));
    }
    root.moveFirst();
    {
        QFile file(db.path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(qint64(root.value(0).toInt() - 1) * 4096);
        file.write(QByteArray(8, '\xff'));
    }
    setModified(longAgo);
    EXPECT_TRUE(startupFailure(db.folder()).contains(QStringLiteral("damaged"))) << "a change is seen by its times";
}
