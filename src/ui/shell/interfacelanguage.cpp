#include "ui/shell/interfacelanguage.h"

#include "ui/shell/usersettings.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tilvora::ui {

namespace {

const QString kLanguageKey = QStringLiteral("interface/language");

QLocale localeOf(const QString& code)
{
    return code.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(code);
}

} // namespace

InterfaceLanguage::InterfaceLanguage() : m_ours(std::make_unique<QTranslator>()), m_qt(std::make_unique<QTranslator>())
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    m_folders = {beside};
}

InterfaceLanguage::~InterfaceLanguage() = default;

InterfaceLanguage& InterfaceLanguage::instance()
{
    static InterfaceLanguage language;
    return language;
}

const QList<InterfaceLanguage::Language>& InterfaceLanguage::shipped()
{
    // Each language by its own name, so that a reader finds it whatever the
    // window speaks now.
    static const QList<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},
        {QStringLiteral("ur"), QStringLiteral("اردو")},
        {QStringLiteral("id"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("bn"), QStringLiteral("বাংলা")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    };
    return languages;
}

void InterfaceLanguage::setFolders(const QStringList& folders)
{
    m_folders = folders;
}

QString InterfaceLanguage::storedChoice()
{
    const QString code = openUserSettings()->value(kLanguageKey).toString();
    for (const Language& language : shipped()) {
        if (language.code == code)
            return code;
    }
    return {};
}

void InterfaceLanguage::storeChoice(const QString& code)
{
    const std::unique_ptr<QSettings> settings = openUserSettings();
    if (code.isEmpty())
        settings->remove(kLanguageKey);
    else
        settings->setValue(kLanguageKey, code);
    keepUserSettings(*settings, nullptr);
}

QString InterfaceLanguage::shippedCodeFor(const QLocale& locale) const
{
    // The reader's languages in the order of preference ("ar-EG", "ar"):
    // the first one shipped, by its full code and then by its language.
    for (const QString& wanted : locale.uiLanguages()) {
        const QString name = QString(wanted).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        for (const Language& shippedLanguage : shipped()) {
            if (shippedLanguage.code == name)
                return shippedLanguage.code;
        }
        for (const Language& shippedLanguage : shipped()) {
            if (shippedLanguage.code.section(QLatin1Char('_'), 0, 0) == language)
                return shippedLanguage.code;
        }
    }
    return QStringLiteral("en");
}

QLocale InterfaceLanguage::locale() const
{
    return localeOf(m_applied == QLatin1String("en") ? QString() : m_applied);
}

void InterfaceLanguage::apply(const QString& code)
{
    m_choice = code;
    const QString wanted = code.isEmpty() ? shippedCodeFor(QLocale::system()) : code;
    QCoreApplication::removeTranslator(m_ours.get());
    QCoreApplication::removeTranslator(m_qt.get());
    m_applied = wanted;
    const QString file = QStringLiteral("tilvora_") + wanted;
    for (const QString& folder : m_folders) {
        if (m_ours->load(file, folder))
            break;
    }
    // Qt's own translations of its standard dialogs ("OK", "Cancel").
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : {wanted, wanted.section(QLatin1Char('_'), 0, 0)}) {
        if (m_qt->load(QStringLiteral("qtbase_") + name, qtFolder))
            break;
    }
    const QLocale shown = locale();
    QLocale::setDefault(shown);
    QGuiApplication::setLayoutDirection(shown.textDirection() == Qt::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Each installation sends the windows a LanguageChange event; an empty
    // translator is not installed.
    if (!m_qt->isEmpty())
        QCoreApplication::installTranslator(m_qt.get());
    if (!m_ours->isEmpty())
        QCoreApplication::installTranslator(m_ours.get());
    emit changed();
}

} // namespace tilvora::ui
