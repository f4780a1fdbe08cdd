#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace tilvora::ui {

// The language the program's windows speak: the reader's choice (View >
// Language, kept in the settings) or, by default, the system's. Applying a
// language installs the program's translation and Qt's own (for the standard
// dialogs' buttons), makes it the default locale for numbers, and lays the
// windows out right to left for a language written that way. Installing a
// translation sends every window a LanguageChange event: each window puts
// its texts in the new language at once.
class InterfaceLanguage : public QObject {
    Q_OBJECT
public:
    struct Language {
        // The code of the translation file's name ("ar", "zh_CN").
        QString code;
        // The language's name in itself ("العربية"), as the menu lists it.
        QString nativeName;
    };

    // The one language of the running program.
    static InterfaceLanguage& instance();

    // The languages the program ships, English first.
    static const QList<Language>& shipped();

    // Where the .qm files are looked for, first match first: the application
    // folder's translations/ and then the program's own folder's.
    void setFolders(const QStringList& folders);

    // The reader's stored choice: a shipped language's code, or empty for
    // the system's language.
    static QString storedChoice();
    static void storeChoice(const QString& code);

    // Applies `code` (empty: the system's language). A system language that
    // is not shipped gives English.
    void apply(const QString& code);
    // The stored choice, applied.
    void applyStoredChoice() { apply(storedChoice()); }

    // The choice applied last (empty: the system's language) and the locale
    // the windows use for it.
    const QString& choice() const { return m_choice; }
    QLocale locale() const;

signals:
    void changed();

private:
    InterfaceLanguage();
    ~InterfaceLanguage() override;
    // The shipped language that serves `locale`, or empty for English.
    QString shippedCodeFor(const QLocale& locale) const;

    QStringList m_folders;
    QString m_choice;
    QString m_applied;
    std::unique_ptr<QTranslator> m_ours;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace tilvora::ui
