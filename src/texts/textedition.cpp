#include "texts/textedition.h"

#include "store/dberror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::texts {

namespace {

const QString kArabicFont = u"Amiri, 'Noto Naskh Arabic', serif"_s;
const QString kLatinFont = u"'DejaVu Serif', 'Noto Serif', serif"_s;

// Languages written in the Arabic script, and right to left in another.
const QSet<QString> kArabicScript = {u"ar"_s, u"fa"_s, u"ur"_s, u"ps"_s, u"ku"_s, u"sd"_s, u"ug"_s, u"ks"_s};
const QSet<QString> kOtherRightToLeft = {u"he"_s, u"dv"_s, u"yi"_s};

QString baseAddress(const QString& base)
{
    QString address = base.trimmed();
    while (address.endsWith(u'/'))
        address.chop(1);
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != "http"_L1 && url.scheme() != "https"_L1) || url.host().isEmpty())
        throw store::RefusedValue(
            u"\"%1\" is not a web address to download from (it must start with http:// or https://)."_s.arg(base));
    return address;
}

TextKind kindFromType(const QString& type, TextKind otherwise)
{
    if (type == "tafsir"_L1)
        return TextKind::Commentary;
    if (type == "translation"_L1)
        return TextKind::Translation;
    return otherwise;
}

TextEdition editionFrom(const QJsonObject& object, TextKind kind)
{
    TextEdition edition;
    edition.identifier = object.value("identifier"_L1).toString().trimmed();
    edition.language = object.value("language"_L1).toString().trimmed();
    edition.name = object.value("name"_L1).toString().trimmed();
    edition.englishName = object.value("englishName"_L1).toString().trimmed();
    edition.kind = kindFromType(object.value("type"_L1).toString(), kind);
    edition.direction = object.value("direction"_L1).toString().trimmed().toLower();
    if (edition.direction != "rtl"_L1 && edition.direction != "ltr"_L1)
        edition.direction = directionForLanguage(edition.language);
    return edition;
}

// The answer's object when it is the service's JSON with code 200.
QJsonObject answerOf(const QByteArray& json, QString* problem)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        const QByteArray head = json.trimmed().left(64).toLower();
        *problem = head.startsWith('<') ? u"the server sent a web page, not the text"_s
                                        : u"what arrived is not the service's data"_s;
        return {};
    }
    QJsonObject answer = document.object();
    const int code = answer.value("code"_L1).toInt();
    if (code != 200) {
        *problem = u"the service answered %1 %2"_s.arg(code).arg(answer.value("status"_L1).toString()).trimmed();
        return {};
    }
    return answer;
}

} // namespace

QString serviceTypeOf(TextKind kind)
{
    return kind == TextKind::Commentary ? u"tafsir"_s : u"translation"_s;
}

QString sysTermOf(TextKind kind)
{
    return kind == TextKind::Commentary ? u"TAFSEER"_s : u"TRANSLATION"_s;
}

QString TextEdition::programName() const
{
    const QString title = !englishName.isEmpty() ? englishName : !name.isEmpty() ? name : identifier;
    return language.isEmpty() ? title : language + u": "_s + title;
}

QUrl catalogueUrl(const QString& base, TextKind kind)
{
    return QUrl(baseAddress(base) + u"/v1/edition?format=text&type="_s + serviceTypeOf(kind));
}

QUrl chapterUrl(const QString& base, int chapter, const QString& identifier)
{
    return QUrl(
        baseAddress(base) + u"/v1/surah/%1/"_s.arg(chapter) + QString::fromLatin1(QUrl::toPercentEncoding(identifier)));
}

QList<TextEdition> readCatalogue(const QByteArray& json, TextKind kind, QString* problem)
{
    problem->clear();
    const QJsonObject answer = answerOf(json, problem);
    if (!problem->isEmpty())
        return {};
    if (!answer.value("data"_L1).isArray()) {
        *problem = u"the service's answer holds no list of texts"_s;
        return {};
    }
    QList<TextEdition> editions;
    for (const QJsonValue item : answer.value("data"_L1).toArray()) {
        const TextEdition edition = editionFrom(item.toObject(), kind);
        if (!edition.identifier.isEmpty())
            editions << edition;
    }
    return editions;
}

QList<TextEdition> builtInEditions()
{
    struct Known {
        const char* identifier;
        const char* language;
        const char* englishName;
        TextKind kind;
    };
    static const Known known[] = {
        {"ar.muyassar", "ar", "King Fahad Quran Complex (Tafsir al-Muyassar)", TextKind::Commentary},
        {"ar.jalalayn", "ar", "Jalal ad-Din al-Mahalli and Jalal ad-Din as-Suyuti (Tafsir al-Jalalayn)",
            TextKind::Commentary},
        {"ar.qurtubi", "ar", "Al-Qurtubi", TextKind::Commentary},
        {"ar.baghawi", "ar", "Al-Baghawi", TextKind::Commentary},
        {"ar.waseet", "ar", "Tafsir al-Waseet", TextKind::Commentary},
        {"en.sahih", "en", "Saheeh International", TextKind::Translation},
        {"de.aburida", "de", "Abu Rida Muhammad ibn Ahmad ibn Rassoul", TextKind::Translation},
        {"ms.basmeih", "ms", "Abdullah Muhammad Basmeih", TextKind::Translation},
        {"bs.korkut", "bs", "Besim Korkut", TextKind::Translation},
        {"fa.makarem", "fa", "Naser Makarem Shirazi", TextKind::Translation},
        {"sw.barwani", "sw", "Ali Muhsin Al-Barwani", TextKind::Translation},
        {"ha.gumi", "ha", "Abubakar Mahmoud Gumi", TextKind::Translation},
        {"ta.tamil", "ta", "Jan Turst Foundation", TextKind::Translation},
        {"hi.hindi", "hi", "Suhel Farooq Khan and Saifur Rahman Nadwi", TextKind::Translation},
        {"nl.keyzer", "nl", "Salomo Keyzer", TextKind::Translation},
    };
    QList<TextEdition> editions;
    for (const Known& entry : known) {
        TextEdition edition;
        edition.identifier = QString::fromLatin1(entry.identifier);
        edition.language = QString::fromLatin1(entry.language);
        edition.englishName = QString::fromLatin1(entry.englishName);
        edition.kind = entry.kind;
        edition.direction = directionForLanguage(edition.language);
        edition.builtIn = true;
        editions << edition;
    }
    return editions;
}

TextChapter readChapter(const QByteArray& json, int chapter, int verseCount)
{
    TextChapter result;
    const QJsonObject answer = answerOf(json, &result.problem);
    if (!result.problem.isEmpty())
        return result;
    const QJsonObject data = answer.value("data"_L1).toObject();
    if (data.value("number"_L1).toInt() != chapter) {
        result.problem = u"the service sent chapter %1 instead"_s.arg(data.value("number"_L1).toInt());
        return result;
    }
    const QJsonArray ayahs = data.value("ayahs"_L1).toArray();
    if (ayahs.size() != verseCount || data.value("numberOfAyahs"_L1).toInt(verseCount) != verseCount) {
        result.problem = u"it has %1 verses, the chapter has %2"_s.arg(ayahs.size()).arg(verseCount);
        return result;
    }
    std::vector<QString> verses(static_cast<std::size_t>(verseCount));
    for (const QJsonValue item : ayahs) {
        const QJsonObject ayah = item.toObject();
        const int number = ayah.value("numberInSurah"_L1).toInt();
        const QString text = ayah.value("text"_L1).toString();
        if (number < 1 || number > verseCount || !verses[static_cast<std::size_t>(number - 1)].isNull()) {
            result.problem = u"its verse numbers are not 1 to %1, each once"_s.arg(verseCount);
            return result;
        }
        if (text.trimmed().isEmpty()) {
            result.problem = u"verse %1 has no text"_s.arg(number);
            return result;
        }
        verses[static_cast<std::size_t>(number - 1)] = text;
    }
    result.verses = QStringList(verses.begin(), verses.end());
    result.edition = editionFrom(data.value("edition"_L1).toObject(), TextKind::Translation);
    return result;
}

TextStyle styleForLanguage(const QString& language)
{
    static const QList<std::pair<QString, QString>> scripts = {
        {u"bn"_s, u"'Noto Sans Bengali', 'Noto Serif Bengali', sans-serif"_s},
        {u"zh"_s, u"'Noto Sans CJK SC', 'Noto Serif CJK SC', sans-serif"_s},
        {u"ja"_s, u"'Noto Sans CJK JP', 'Noto Serif CJK JP', sans-serif"_s},
        {u"ko"_s, u"'Noto Sans CJK KR', 'Noto Serif CJK KR', sans-serif"_s},
        {u"hi"_s, u"'Noto Sans Devanagari', 'Noto Serif Devanagari', sans-serif"_s},
        {u"ta"_s, u"'Noto Sans Tamil', 'Noto Serif Tamil', sans-serif"_s},
        {u"ml"_s, u"'Noto Sans Malayalam', 'Noto Serif Malayalam', sans-serif"_s},
        {u"th"_s, u"'Noto Sans Thai', 'Noto Serif Thai', sans-serif"_s},
        {u"am"_s, u"'Noto Sans Ethiopic', 'Noto Serif Ethiopic', sans-serif"_s},
        {u"dv"_s, u"'Noto Sans Thaana', sans-serif"_s},
        {u"he"_s, u"'Noto Sans Hebrew', 'Noto Serif Hebrew', sans-serif"_s},
    };
    const QString code = language.section(u'-', 0, 0).toLower();
    if (kArabicScript.contains(code))
        return {kArabicFont, u"20px"_s};
    for (const auto& [script, font] : scripts) {
        if (script == code)
            return {font, u"15px"_s};
    }
    return {kLatinFont, u"15px"_s};
}

QString directionForLanguage(const QString& language)
{
    const QString code = language.section(u'-', 0, 0).toLower();
    return kArabicScript.contains(code) || kOtherRightToLeft.contains(code) ? u"rtl"_s : u"ltr"_s;
}

} // namespace tilvora::texts
