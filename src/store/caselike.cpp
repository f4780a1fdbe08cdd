#include "caselike.h"

#include <QString>

#include <sqlite3.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <bitset>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

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

// What folding does to the basic plane, learnt once from Qt's own folding:
// the folded form of every code point below U+0800 (the one- and two-byte
// forms of UTF-8: Latin, Greek, Cyrillic, Hebrew, Arabic), which runs of 64
// code points hold any that folding changes (most scripts have no letter
// case and are copied as they are), which code points are the folded form
// of another, and the other code points that fold into ASCII.
struct FoldTables {
    std::array<char32_t, 0x800> small{};
    std::bitset<0x10000 / 64> changingRuns;
    std::bitset<0x10000> foldedFromOthers;
    struct IntoAscii {
        std::string letter; // in UTF-8
        char folded;
    };
    std::vector<IntoAscii> intoAscii;

    FoldTables()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            if (c < small.size())
                small[c] = folded;
            if (folded == c)
                continue;
            changingRuns.set(c / 64);
            if (folded < 0x10000)
                foldedFromOthers.set(folded);
            if (c >= 0x80 && folded < 0x80)
                intoAscii.push_back({QString(QChar(c)).toStdString(), char(folded)});
        }
    }
};

const FoldTables& foldTables()
{
    static const FoldTables tables;
    return tables;
}

char32_t foldCodePoint(char32_t c)
{
    return c < 0x800 ? foldTables().small[c] : QChar::toCaseFolded(c);
}

// Folds the ASCII letters among eight bytes at once: each of 'A' to 'Z'
// gains 0x20; every other byte stays.
quint64 foldAsciiWord(quint64 word)
{
    constexpr quint64 kOnes = 0x0101010101010101;
    constexpr quint64 kHigh = kOnes * 0x80;
    const quint64 low = word & ~kHigh;
    const quint64 fromA = low + kOnes * (0x80 - 'A');
    const quint64 pastZ = low + kOnes * (0x80 - 'Z' - 1);
    return word | (((fromA & ~pastZ & ~word) & kHigh) >> 2);
}

unsigned char foldAsciiByte(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
}

// Whether `size` bytes of text, their ASCII letters folded, equal a literal.
bool equalsFoldingAscii(const unsigned char* text, const unsigned char* literal, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (foldAsciiByte(text[i]) != literal[i])
            return false;
    }
    return true;
}

#if defined(__SSE2__)
// Sixteen bytes with their ASCII letters folded; bytes from 0x80 up compare
// as negative, so they stay as they are.
__m128i foldAscii16(const unsigned char* bytes)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i upper
        = _mm_and_si128(_mm_cmpgt_epi8(block, _mm_set1_epi8('A' - 1)), _mm_cmplt_epi8(block, _mm_set1_epi8('Z' + 1)));
    return _mm_or_si128(block, _mm_and_si128(upper, _mm_set1_epi8(0x20)));
}
#endif

// Whether the text, its ASCII letters folded and every other byte as it is,
// holds the literal's bytes, found in one pass without folding the text into
// a copy: the literal's first and last bytes are compared at sixteen places
// at once, and the bytes between only where both agree.
bool containsFoldingAscii(const unsigned char* text, std::size_t size, const std::string& literal)
{
    const std::size_t length = literal.size();
    if (length == 0 || length > size)
        return length == 0;
    const auto* wanted = reinterpret_cast<const unsigned char*>(literal.data());
    std::size_t start = 0;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(char(wanted[0]));
    const __m128i last = _mm_set1_epi8(char(wanted[length - 1]));
    // The places where the literal may start, sixteen by sixteen; the last
    // sixteen overlap the ones before, whose places are not looked at again.
    const auto foundAmong = [&](std::size_t from, unsigned skipped) {
        const __m128i firstHere = _mm_cmpeq_epi8(foldAscii16(text + from), first);
        const __m128i lastHere = _mm_cmpeq_epi8(foldAscii16(text + from + length - 1), last);
        auto found = unsigned(_mm_movemask_epi8(_mm_and_si128(firstHere, lastHere))) >> skipped << skipped;
        for (; found != 0; found &= found - 1) {
            const std::size_t at = from + std::size_t(__builtin_ctz(found));
            if (length <= 2 || equalsFoldingAscii(text + at + 1, wanted + 1, length - 2))
                return true;
        }
        return false;
    };
    const std::size_t places = size - length + 1;
    if (places >= 16) {
        for (; start + 16 <= places; start += 16) {
            if (foundAmong(start, 0))
                return true;
        }
        return start < places && foundAmong(places - 16, unsigned(start - (places - 16)));
    }
#endif
    for (; start + length <= size; ++start) {
        if (equalsFoldingAscii(text + start, wanted, length))
            return true;
    }
    return false;
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
// point by code point. ASCII goes eight bytes at a time where it can. False
// for text that is not well-formed UTF-8.
bool foldUtf8(const unsigned char* in, std::size_t size, std::string& room, std::size_t& length)
{
    // A code point's folded form takes at most half as many bytes again.
    if (room.size() < size * 2 + 8)
        room.resize(size * 2 + 8);
    char* out = room.data();
    const unsigned char* const end = in + size;
    const auto& small = foldTables().small;
    const auto& foldRuns = foldTables().changingRuns;
    while (in < end) {
        if (end - in >= 8) {
            quint64 word;
            std::memcpy(&word, in, 8);
            if ((word & 0x8080808080808080) == 0) {
                word = foldAsciiWord(word);
                std::memcpy(out, &word, 8);
                in += 8;
                out += 8;
                continue;
            }
        }
        const unsigned char byte = *in;
        if (byte < 0x80) {
            *out++ = char(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
            ++in;
            continue;
        }
        // Two bytes (Latin, Greek, Cyrillic, Hebrew, Arabic): looked up.
        if (byte >= 0xC2 && byte <= 0xDF && end - in >= 2 && (in[1] & 0xC0) == 0x80) {
            const char32_t c = char32_t(byte & 0x1F) << 6 | char32_t(in[1] & 0x3F);
            const char32_t folded = small[c];
            if (folded == c) {
                out[0] = char(in[0]);
                out[1] = char(in[1]);
                out += 2;
            } else {
                appendUtf8(folded, out);
            }
            in += 2;
            continue;
        }
        const unsigned char* const start = in;
        char32_t c = 0;
        if (!readUtf8(in, end, c))
            return false;
        const char32_t folded = c < 0x10000 && !foldRuns[c / 64] ? c : foldCodePoint(c);
        if (folded == c) {
            for (const unsigned char* copy = start; copy < in; ++copy)
                *out++ = char(*copy);
        } else {
            appendUtf8(folded, out);
        }
    }
    length = std::size_t(out - room.data());
    return true;
}

bool containsBytes(const std::string& haystack, std::size_t length, const std::string& needle)
{
    return memmem(haystack.data(), length, needle.data(), needle.size()) != nullptr;
}

bool containsBytes(const unsigned char* haystack, std::size_t length, const std::string& needle)
{
    // Most texts lack the first byte of a rare sequence: that is seen at
    // once, without a search for the whole of it.
    if (needle.size() > 1 && !std::memchr(haystack, needle.front(), length))
        return false;
    return memmem(haystack, length, needle.data(), needle.size()) != nullptr;
}

// The pattern of one statement, folded once and kept by SQLite between rows.
struct FoldedPattern {
    QString folded;
    bool matchesAnything = false; // only "%" signs: every non-Null text matches
    // For the shape "%literal%" with no wildcard in the literal, the form the
    // program's searches take: the folded literal in UTF-8, found as a plain
    // substring of the folded text, and the room that text is folded into.
    // How much of the text must be folded depends on the literal's letters:
    enum class Literal {
        None, // not of that shape
        AsIs, // no letter of the literal is the folded form of another: the text as it is
        Ascii, // only ASCII letters are: the text with its ASCII letters folded
        Folded, // the text folded whole
    };
    Literal literalKind = Literal::None;
    std::string literal;
    std::string text;
    // For an Ascii literal: the letters outside ASCII that fold into one of
    // its letters (the long s, the Kelvin sign), in UTF-8.
    std::vector<std::string> foldingIntoLiteral;
};

// How much of a text must be folded to find a folded literal in it.
FoldedPattern::Literal literalKind(const std::string& literal)
{
    const FoldTables& tables = foldTables();
    auto kind = FoldedPattern::Literal::AsIs;
    const auto* in = reinterpret_cast<const unsigned char*>(literal.data());
    const auto* const end = in + literal.size();
    while (in < end) {
        char32_t c = *in;
        if (c < 0x80)
            ++in;
        else if (!readUtf8(in, end, c))
            return FoldedPattern::Literal::Folded;
        if (c >= 0x10000 || c == 0xFFFD)
            return FoldedPattern::Literal::Folded;
        if (tables.foldedFromOthers[c])
            kind = c < 0x80 ? FoldedPattern::Literal::Ascii : FoldedPattern::Literal::Folded;
        if (kind == FoldedPattern::Literal::Folded)
            return kind;
    }
    return kind;
}

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
    if (foldUtf8(bytes, std::size_t(sqlite3_value_bytes(value)), folded, length) && length > 2 && folded[0] == '%'
        && folded[length - 1] == '%') {
        pattern->literal = folded.substr(1, length - 2);
        if (pattern->literal.find_first_of("%_") == std::string::npos)
            pattern->literalKind = literalKind(pattern->literal);
        for (const FoldTables::IntoAscii& sign : foldTables().intoAscii) {
            if (pattern->literal.find(sign.folded) != std::string::npos)
                pattern->foldingIntoLiteral.push_back(sign.letter);
        }
    }
    return pattern;
}

// Whether the text matches, by the literal's fast path where the pattern and
// the text allow it.
bool matches(FoldedPattern& pattern, sqlite3_value* textValue, QChar escape)
{
    if (pattern.matchesAnything && escape.isNull())
        return true;
    using Literal = FoldedPattern::Literal;
    if (pattern.literalKind != Literal::None && escape.isNull()) {
        const auto* bytes = sqlite3_value_text(textValue);
        const auto size = std::size_t(sqlite3_value_bytes(textValue));
        // The literal's bytes are found in the text's own where folding
        // would change nothing they could match. (Where the text is not
        // well-formed UTF-8, the literal's bytes are found where QString
        // would find its letters: QString reads a malformed sequence as
        // U+FFFD and takes up the next letter where it begins; a literal
        // holding U+FFFD itself is looked for in the folded text.)
        if (pattern.literalKind != Literal::Folded) {
            if (pattern.literalKind == Literal::AsIs)
                return containsBytes(bytes, size, pattern.literal);
            // Where a letter outside ASCII folds into an ASCII letter of the
            // literal, the text is folded whole.
            if (std::none_of(pattern.foldingIntoLiteral.begin(), pattern.foldingIntoLiteral.end(),
                    [&](const std::string& letter) { return containsBytes(bytes, size, letter); }))
                return containsFoldingAscii(bytes, size, pattern.literal);
        }
        std::size_t length = 0;
        if (foldUtf8(bytes, size, pattern.text, length))
            return containsBytes(pattern.text, length, pattern.literal);
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
