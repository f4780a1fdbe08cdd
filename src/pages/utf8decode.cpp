#include "utf8decode.h"

#include <QStringDecoder>

#include <cstring>

namespace tilvora::pages {

namespace {

constexpr quint64 kHighBits = 0x8080808080808080ULL;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The code points a three-byte sequence may carry here: none that Qt's
// decoder treats apart (an overlong form, a surrogate, the byte order mark).
bool isPlainThreeByte(char32_t codePoint)
{
    return codePoint >= 0x800 && (codePoint < 0xD800 || codePoint > 0xDFFF) && codePoint != 0xFEFF;
}

// The one-pass decoder; nullptr where it meets a sequence it leaves alone.
// Each kind of sequence is decoded in a loop of its own, so that a run of
// Arabic letters or of ASCII stays in one tight loop.
char16_t* decodeCommon(const unsigned char* in, const unsigned char* end, char16_t* out)
{
    while (in < end) {
        if (*in < 0x80) {
            // ASCII, eight bytes at a time while they are all ASCII.
            do {
                *out++ = *in++;
            } while (in < end && *in < 0x80 && (reinterpret_cast<quintptr>(in) & 7) != 0);
            while (end - in >= 8) {
                quint64 word;
                std::memcpy(&word, in, sizeof word);
                if (word & kHighBits)
                    break;
                for (int i = 0; i < 8; ++i)
                    out[i] = in[i];
                in += 8;
                out += 8;
            }
        } else if (*in >= 0xC2 && *in <= 0xDF) {
            do {
                if (end - in < 2 || !isContinuation(in[1]))
                    return nullptr;
                *out++ = char16_t(((in[0] & 0x1F) << 6) | (in[1] & 0x3F));
                in += 2;
            } while (in < end && *in >= 0xC2 && *in <= 0xDF);
        } else if ((*in & 0xF0) == 0xE0) {
            if (end - in < 3 || !isContinuation(in[1]) || !isContinuation(in[2]))
                return nullptr;
            const char32_t codePoint = ((in[0] & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F);
            if (!isPlainThreeByte(codePoint))
                return nullptr;
            *out++ = char16_t(codePoint);
            in += 3;
        } else {
            return nullptr;
        }
    }
    return out;
}

} // namespace

char16_t* decodeUtf8(QByteArrayView utf8, char16_t* out)
{
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    if (char16_t* written = decodeCommon(in, in + utf8.size(), out))
        return written;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return reinterpret_cast<char16_t*>(decoder.appendToBuffer(reinterpret_cast<QChar*>(out), utf8));
}

} // namespace tilvora::pages
