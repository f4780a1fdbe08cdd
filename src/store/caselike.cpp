#include "caselike.h"

#include <QString>

#include <sqlite3.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace tilvora::store {

namespace {

// Matches case-folded text against a case-folded pattern, iteratively with
// back-tracking to the last %, so a long verse costs linear time per pattern.
bool matchFolded(const QString& pattern, const QString& text, QChar escape)
{
    qsizetype p = 0, t = 0;
    qsizetype starP = -1, starT = -1;
    while (t < text.size()) {
        if (p < pattern.size()) {
            QChar pc = pattern[p];
            bool literal = false;
            if (!escape.isNull() && pc == escape && p + 1 < pattern.size()) {
                pc = pattern[p + 1];
                literal = true;
            } else if (pc == u'%') {
                starP = ++p;
                starT = t;
                continue;
            }
            if ((!literal && pc == u'_') || pc == text[t]) {
                p += literal ? 2 : 1;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == u'%')
        ++p;
    return p == pattern.size();
}

// The folded form of every code point below U+0800 (the one- and two-byte
// forms of UTF-8, which hold the Latin, Greek, Cyrillic, Hebrew and Arabic
// letters), looked up instead of asked for one at a time.
const std::array<char32_t, 0x800>& smallFolds()
{
    static const auto table = [] {
        std::array<char32_t, 0x800> folds{};
        for (char32_t c = 0; c < folds.size(); ++c)
            folds[c] = QChar::toCaseFolded(c);
        return folds;
    }();
    return table;
}

char32_t foldCodePoint(char32_t c)
{
    return c < 0x800 ? smallFolds()[c] : QChar::toCaseFolded(c);
}

void appendUtf8(char32_t c, char*& out)
{
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | (c >> 6));
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | (c >> 12));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | (c >> 18));
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
}

// Reads one code point of well-formed UTF-8 at `in`, advancing it; false
// for a malformed, overlong or cut sequence or a surrogate.
bool readUtf8(const unsigned char*& in, const unsigned char* end, char32_t& c)
{
    const unsigned char lead = *in;
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (end - in < length)
        return false;
    for (int i = 1; i < length; ++i) {
        if ((in[i] & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (in[i] & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    in += length;
    return true;
}

// Case-folds UTF-8 text into the first `length` bytes of `room`, which
// keeps its size from call to call, as QString::toCaseFolded folds it: code
// point by code point. ASCII goes byte by byte. False for text that is not
// well-formed UTF-8.
bool foldUtf8(const unsigned char* in, std::size_t size, std::string& room, std::size_t& length)
{
    // A code point's folded form takes at most half as many bytes again.
    if (room.size() < size * 2)
        room.resize(size * 2);
    char* out = room.data();
    const unsigned char* const end = in + size;
    while (in < end) {
        const unsigned char byte = *in;
        if (byte < 0x80) {
            *out++ = char(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
            ++in;
            continue;
        }
        char32_t c = 0;
        if (!readUtf8(in, end, c))
            return false;
        appendUtf8(foldCodePoint(c), out);
    }
    length = std::size_t(out - room.data());
    return true;
}

// The pattern of one statement, folded once and kept by SQLite between rows.
struct FoldedPattern {
    QString folded;
    bool matchesAnything = false; // only "%" signs: every non-Null text matches
    // For the shape "%literal%" with no wildcard in the literal, the form the
    // program's searches take: the folded literal in UTF-8, found as a plain
    // substring of the folded text, and the room that text is folded into.
    bool containsLiteral = false;
    std::string literal;
    std::string text;
};

void deletePattern(void* pattern)
{
    delete static_cast<FoldedPattern*>(pattern);
}

QString argumentText(sqlite3_value* value)
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const int bytes = sqlite3_value_bytes(value);
    return QString::fromUtf8(data, bytes);
}

FoldedPattern* foldPattern(sqlite3_value* value)
{
    auto* pattern = new FoldedPattern;
    pattern->folded = argumentText(value).toCaseFolded();
    pattern->matchesAnything = !pattern->folded.isEmpty() && pattern->folded.count(u'%') == pattern->folded.size();

    std::string folded;
    std::size_t length = 0;
    const auto* bytes = sqlite3_value_text(value);
    if (foldUtf8(bytes, std::size_t(sqlite3_value_bytes(value)), folded, length) && length > 2
        && folded[0] == '%' && folded[length - 1] == '%') {
        pattern->literal = folded.substr(1, length - 2);
        pattern->containsLiteral = pattern->literal.find_first_of("%_") == std::string::npos;
    }
    return pattern;
}

// Whether the text matches, by the literal's fast path where the pattern and
// the text allow it.
bool matches(FoldedPattern& pattern, sqlite3_value* textValue, QChar escape)
{
    if (pattern.matchesAnything && escape.isNull())
        return true;
    if (pattern.containsLiteral && escape.isNull()) {
        const auto* bytes = sqlite3_value_text(textValue);
        const auto size = std::size_t(sqlite3_value_bytes(textValue));
        std::size_t length = 0;
        if (foldUtf8(bytes, size, pattern.text, length))
            return memmem(pattern.text.data(), length, pattern.literal.data(), pattern.literal.size()) != nullptr;
    }
    return matchFolded(pattern.folded, argumentText(textValue).toCaseFolded(), escape);
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    // like(pattern, text[, escape]); a Null operand gives Null, as SQL wants.
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    QChar escape;
    if (argc == 3) {
        const QString escapeText = argumentText(argv[2]);
        if (escapeText.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = escapeText[0];
    }
    // The pattern is the same for every row of a statement: fold it once.
    auto* pattern = static_cast<FoldedPattern*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        sqlite3_set_auxdata(context, 0, foldPattern(argv[0]), deletePattern);
        pattern = static_cast<FoldedPattern*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) { // SQLite could not keep it and has deleted it
            const std::unique_ptr<FoldedPattern> once(foldPattern(argv[0]));
            sqlite3_result_int(context, matches(*once, argv[1], escape) ? 1 : 0);
            return;
        }
    }
    sqlite3_result_int(context, matches(*pattern, argv[1], escape) ? 1 : 0);
}

} // namespace

bool caseFoldingLike(const QString& pattern, const QString& text)
{
    return matchFolded(pattern.toCaseFolded(), text.toCaseFolded(), QChar());
}

void registerCaseFoldingLike(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
}

} // namespace tilvora::store
