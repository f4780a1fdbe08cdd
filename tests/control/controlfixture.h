#pragma once

#include "host/host.h"
#include "store/sharedstate.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

// A content database of the canonical schema in a temporary folder of the
// test's own, opened as the program opens it, with the four program types:
// 1 MATAN, 2 TRANSLATION, 3 TAFSEER, 4 VOICE.
class ControlFixture : public ::testing::Test {
protected:
    static constexpr int kMatan = 1;
    static constexpr int kTranslation = 2;
    static constexpr int kTafseer = 3;
    static constexpr int kVoice = 4;

    struct Program {
        int id = 0;
        int type = kMatan;
        QString master;
        bool selected = false;
        // SortOrderUser; a null QVariant stores Null.
        QVariant order = 0;
        QString data;
        QString description;
    };

    void SetUp() override;

    // Adds a program record (defaults equal to the current selection and order).
    void add(const Program& program);
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

    // The file written by the page writer, decoded; fails the test when it
    // does not start with the UTF-16LE byte order mark.
    static QString readPageFile(const QString& path);

    QTemporaryDir m_dir;
    tilvora::store::SharedState m_state;
};

// A host that records the voice menu operations and reported errors as
// lines in the form of the text host; the control pane uses no other.
class FakeHost : public tilvora::host::Host {
public:
    void navigate(tilvora::host::Pane, const QString&) override {}
    void setSearchLabel(const QString&) override {}
    void showMessage(tilvora::host::MessageIcon, const QString&, const QString&) override {}
    void reportError(const QString& text) override;
    void playerSetUrl(const QString&) override {}
    void playerSetPosition(double) override {}
    void playerPlay() override {}
    void resetPickerSelector(const QString&) override {}
    void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) override;
    void setDataPathMenuVisible(bool visible) override;
    tilvora::host::MediaFolderDialogAnswer showMediaFolderDialog(const tilvora::host::MediaFolderDialogRequest&) override
    {
        return {};
    }
    void processEvents() override {}

    QStringList lines;
};
