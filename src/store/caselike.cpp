#include "caselike.h"

#include <QString>

#include <sqlite3.h>

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

QString argumentText(sqlite3_value* value)
{
    const auto* data = static_cast<const char16_t*>(sqlite3_value_text16(value));
    const int bytes = sqlite3_value_bytes16(value);
    return QString::fromUtf16(data, bytes / 2);
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
    const QString pattern = argumentText(argv[0]).toCaseFolded();
    const QString text = argumentText(argv[1]).toCaseFolded();
    sqlite3_result_int(context, matchFolded(pattern, text, escape) ? 1 : 0);
}

} // namespace

bool caseFoldingLike(const QString& pattern, const QString& text)
{
    return matchFolded(pattern.toCaseFolded(), text.toCaseFolded(), QChar());
}

void registerCaseFoldingLike(sqlite3* db)
{
    const int flags = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
}

} // namespace tilvora::store
