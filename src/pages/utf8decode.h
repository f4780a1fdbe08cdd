#pragma once

#include <QByteArrayView>

namespace tilvora::pages {

// Writes the UTF-16 form of a UTF-8 text at `out`, exactly as
// QString::fromUtf8 decodes it, and returns the end of what was written.
// `out` needs room for utf8.size() + 1 units. ASCII and well-formed two- and
// three-byte sequences, which make up the texts of the content, are decoded
// here in one pass; a text holding anything else (a four-byte or malformed
// sequence, a byte order mark) is left to Qt's decoder whole.
char16_t* decodeUtf8(QByteArrayView utf8, char16_t* out);

} // namespace tilvora::pages
