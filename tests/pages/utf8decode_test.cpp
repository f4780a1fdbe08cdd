#include "pages/utf8decode.h"

#include <QRandomGenerator>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

using tilvora::pages::decodeUtf8;

namespace {

QString decoded(const QByteArray& utf8)
{
    std::vector<char16_t> out(std::size_t(utf8.size()) + 1, u'#');
    char16_t* end = decodeUtf8(utf8, out.data());
    return QString(reinterpret_cast<const QChar*>(out.data()), end - out.data());
}

// Pieces a text is made of: ASCII, the content's two- and three-byte letters,
// and what the one-pass decoder hands to Qt's (four-byte letters, byte order
// marks, noncharacters, encoded surrogates, overlong and cut sequences).
const QByteArray kPieces[] = {"a", "The Merciful ", "\r\n", QByteArray("\0", 1), "\xD8\xB1\xD8\xAD\xD9\x85", "\xDA\xA9",
    "\xC2\xA0", "\xDF\xBF", "\xE2\x80\x98", "\xEF\xBB\xBF", "\xEF\xBF\xBE", "\xEF\xB7\x90", "\xEF\xB7\xB0",
    "\xEF\xBF\xBD", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xED\xA0\x80", "\xEE\x80\x80", "\xF0\x9F\x98\x80",
    "\xF4\x90\x80\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xD8", "\xE2\x80", "\x80", "\xBF",
    "\xF8\x88\x80\x80\x80", "\xFF"};

} // namespace

TEST(Utf8Decode, EveryTextDecodesAsQtDecodesIt)
{
    // Each piece alone, after an ASCII run that ends at every offset of the
    // eight-byte steps, and before one.
    for (const QByteArray& piece : kPieces) {
        for (int run = 0; run <= 17; ++run) {
            const QByteArray before = QByteArray(run, 'x') + piece;
            const QByteArray after = piece + QByteArray(run, 'y');
            EXPECT_EQ(decoded(before), QString::fromUtf8(before)) << before.toHex().constData();
            EXPECT_EQ(decoded(after), QString::fromUtf8(after)) << after.toHex().constData();
        }
    }
    // Random texts of random pieces and random bytes.
    QRandomGenerator random(13);
    for (int i = 0; i < 20000; ++i) {
        QByteArray text;
        const int count = random.bounded(12);
        for (int k = 0; k < count; ++k) {
            if (random.bounded(4) == 0)
                text += char(random.bounded(256));
            else
                text += kPieces[random.bounded(int(std::size(kPieces)))];
        }
        ASSERT_EQ(decoded(text), QString::fromUtf8(text)) << text.toHex().constData();
    }
}
