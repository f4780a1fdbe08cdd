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

// The pattern of one statement, folded once and kept by SQLite between rows.
struct FoldedPattern {
    QString folded;
    bool matchesAnything; // only "%" signs: every non-Null text matches
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
        const QString folded = argumentText(argv[0]).toCaseFolded();
        const bool onlyPercent = !folded.isEmpty() && folded.count(u'%') == folded.size();
        sqlite3_set_auxdata(context, 0, new FoldedPattern{folded, onlyPercent}, deletePattern);
        pattern = static_cast<FoldedPattern*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) { // SQLite could not keep it and has deleted it
            sqlite3_result_int(context, matchFolded(folded, argumentText(argv[1]).toCaseFolded(), escape) ? 1 : 0);
            return;
        }
    }
    if (pattern->matchesAnything && escape.isNull()) {
        sqlite3_result_int(context, 1);
        return;
    }
    const QString text = argumentText(argv[1]).toCaseFolded();
    sqlite3_result_int(context, matchFolded(pattern->folded, text, escape) ? 1 : 0);
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
