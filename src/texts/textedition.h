#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tilvora::texts {

// The two kinds of text the service offers, as its "type" names them.
enum class TextKind { Translation, Commentary };

// "translation" or "tafsir"; the program type's SysTerm: TRANSLATION or
// TAFSEER.
QString serviceTypeOf(TextKind kind);
QString sysTermOf(TextKind kind);

// One text of the service's catalogue.
struct TextEdition {
    QString identifier;
    QString language;
    QString name;
    QString englishName;
    TextKind kind = TextKind::Translation;
    // "rtl" or "ltr".
    QString direction;
    // Whether the entry comes from the program's own short list, not from the
    // service.
    bool builtIn = false;

    // The program's name: the English name with the language, e.g.
    // "en: Saheeh International"; the identifier when the service gave none.
    QString programName() const;
};

// The catalogue address of one kind at a base address (an http or https
// address, a mirror of the service or the service itself). A base that is
// not such an address is refused (store::RefusedValue).
QUrl catalogueUrl(const QString& base, TextKind kind);
// The address of one chapter of one text.
QUrl chapterUrl(const QString& base, int chapter, const QString& identifier);

// The entries of a catalogue answer; empty with the reason in `problem` when
// the answer is not one. Entries without an identifier are left out; the
// kind is `kind` unless the entry names another.
QList<TextEdition> readCatalogue(const QByteArray& json, TextKind kind, QString* problem);

// The texts the program knows by name, for when the catalogue cannot be
// fetched: commentaries in Arabic and a few translations.
QList<TextEdition> builtInEditions();

// What a chapter answer holds once checked.
struct TextChapter {
    // The verses' texts in order, or empty when the chapter failed.
    QStringList verses;
    // Why it failed, in plain words.
    QString problem;
    // The text as the answer describes it (identifier empty when it does not).
    TextEdition edition;
};

// Reads and checks one chapter answer: the code is 200, the chapter's number
// is `chapter`, it has `verseCount` verses, each numberInSurah from 1 to
// verseCount appears once and no text is empty.
TextChapter readChapter(const QByteArray& json, int chapter, int verseCount);

// The font and size the reading page gives a text in `language`, suited to
// its script ("ar", "ur", "bn", "zh", ...).
struct TextStyle {
    QString font;
    QString size;
};
TextStyle styleForLanguage(const QString& language);

// The direction of a language's script when the service does not say.
QString directionForLanguage(const QString& language);

} // namespace tilvora::texts
