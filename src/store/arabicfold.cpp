#include "arabicfold.h"

namespace tilvora::store {

namespace {

bool isDroppedMark(char16_t c)
{
    return (c >= 0x0610 && c <= 0x061A) // honorific and small high signs
        || (c >= 0x064B && c <= 0x065F) // vowel marks, shadda, sukun, hamza above and below
        || c == 0x0670 // superscript alef
        || (c >= 0x06D6 && c <= 0x06ED) // Quranic annotation signs
        || c == 0x0640; // tatweel
}

char16_t foldedLetter(char16_t c)
{
    switch (c) {
    case 0x0622: // آ
    case 0x0623: // أ
    case 0x0625: // إ
    case 0x0671: // ٱ
        return 0x0627; // ا
    case 0x0624: // ؤ
        return 0x0648; // و
    case 0x0626: // ئ
    case 0x0649: // ى
        return 0x064A; // ي
    case 0x0629: // ة
        return 0x0647; // ه
    default:
        return c;
    }
}

} // namespace

QString foldArabic(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (!isDroppedMark(unit))
            folded += QChar(foldedLetter(unit));
    }
    return folded;
}

QString searchFormOf(const QString& typed)
{
    QString folded = foldArabic(typed);
    return folded.isEmpty() ? typed : folded;
}

} // namespace tilvora::store
