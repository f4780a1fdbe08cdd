#pragma once

#include <QString>
#include <QStringView>

namespace tilvora::store {

// The form in which Arabic text is searched: vowel marks, Quranic
// annotation marks and the tatweel are dropped, and the letters that are
// written in several ways become one: أ إ آ ٱ as ا, ؤ as و, ئ and ى as ي,
// ة as ه. Every other character is kept as it is, so a text without Arabic
// letters comes back unchanged, and folding a text piece by piece gives the
// same result as folding it whole.
//
// The content build stores the searchable text of every verse in this form
// (through tilvora-fold), and a search text is folded the same way before it
// is looked for.
QString foldArabic(QStringView text);

// The search text to look for: the folded text, or the text as typed when
// folding leaves nothing of it (a text of marks only).
QString searchFormOf(const QString& typed);

} // namespace tilvora::store
