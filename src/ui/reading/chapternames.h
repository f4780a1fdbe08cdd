#pragma once

#include <QHash>
#include <QString>

namespace tilvora::store {
class Connection;
}

namespace tilvora::ui {

// The chapters' names in the window's language (the default locale's):
// Arabic and Urdu readers read them in Arabic; French, Russian and Turkish
// readers as the content's table of names writes them in their language;
// everyone else in the transliteration, as the text host names them.
class ChapterNames {
public:
    // Every chapter's name, by its number; empty when the content names no
    // chapters.
    static QHash<int, QString> all(store::Connection& connection);
    // One chapter's name; empty when the content does not name it.
    static QString of(store::Connection& connection, int surah);

private:
    static QString statement(const QString& condition);
};

} // namespace tilvora::ui
