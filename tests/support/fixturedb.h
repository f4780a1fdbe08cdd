#pragma once

// A content database of the canonical schema, built by a test in a temporary
// folder of its own, with helpers to fill it and to open the program's shared
// state on it.

#include "support/printing.h"

#include "store/connection.h"
#include "store/sharedstate.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <initializer_list>
#include <memory>

namespace tilvora::testing {

class FixtureDb {
public:
    // Type ids of the four type codes.
    enum Type { Matan = 1, Translation = 2, Tafseer = 3, Voice = 4 };

    // A program record. Its defaults equal its current selection and order.
    struct Program {
        int id = 0;
        Type type = Matan;
        QString master;
        bool selected = false;
        // SortOrderUser; a null QVariant stores Null.
        QVariant order = 0;
        QString data;
        QString description;
        QVariant direction = QStringLiteral("rtl");
        QVariant fontName = QStringLiteral("Tahoma");
        QVariant fontSize = 14;
        QVariant fontBold = QStringLiteral("bold");
    };

    // A detail record; a null QVariant stores Null (a null id, the next free one).
    struct Detail {
        QVariant id;
        int masterId = 0;
        int ayahRef = 0;
        QVariant data;
        QVariant searchable;
        QVariant position;
    };

    FixtureDb();
    ~FixtureDb();

    QString folder() const { return m_dir.path(); }
    // The database file, DIC.DAT in the folder.
    QString path() const { return m_path; }
    // The connection the fixture writes with; it stays open while the fixture lives.
    store::Connection& writer() const { return *m_writer; }
    // A connection of its own, as the program opens one.
    std::unique_ptr<store::Connection> connect() const;
    void execute(const QStringList& statements) const;

    void program(const Program& program) const;
    // A program named "Program <id>".
    void program(int masterId, Type type, bool selected, const QVariant& sortOrder,
        const QVariant& direction = QStringLiteral("rtl"), const QVariant& fontName = QStringLiteral("Tahoma"),
        const QVariant& fontSize = 14, const QVariant& fontBold = QStringLiteral("bold")) const;
    void verse(int ayahRef, int surahNo, int ayahNo, int parahNo = 1) const;
    void detail(const Detail& detail) const;
    void detail(int detailId, int masterId, int ayahRef, const QVariant& data, const QVariant& searchable = {}) const;
    void word(const QString& word, const QString& root, int ayahRef) const;
    void subject(int subjectId, int ayahRef) const;

    // Opens the state as start-up leaves it: the connection, the application
    // folder, the selected programs and the program list.
    void open(store::SharedState& state) const;

private:
    void insert(const QString& table, std::initializer_list<QVariant> values) const;

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<store::Connection> m_writer;
};

} // namespace tilvora::testing
