#include "playback/mpegstream.h"

#include <array>
#include <cstring>

namespace tilvora::playback {

namespace {

constexpr qint64 kId3v2HeaderSize = 10;
constexpr qint64 kId3v1Size = 128;

// Kilobits per second by bitrate index 1..14, for MPEG-1 layers I, II, III
// and for MPEG-2 and 2.5 layer I, then layers II and III.
constexpr std::array<std::array<int, 15>, 5> kBitrates{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
}};

// Sample rates by index for MPEG-1, 2 and 2.5.
constexpr std::array<std::array<int, 3>, 3> kSampleRates{{
    {44100, 48000, 32000},
    {22050, 24000, 16000},
    {11025, 12000, 8000},
}};

struct FrameHeader {
    // 0: MPEG-1, 1: MPEG-2, 2: MPEG-2.5.
    int version = 0;
    // 1, 2 or 3.
    int layer = 0;
    int sampleRate = 0;
    bool mono = false;
    bool crc = false;
    qint64 length = 0;
};

quint32 bigEndian32(const uchar* at)
{
    return (quint32(at[0]) << 24) | (quint32(at[1]) << 16) | (quint32(at[2]) << 8) | quint32(at[3]);
}

// The header of a frame at `at`; false when the four bytes are no frame
// header (no sync, a reserved version, layer, bitrate or sample rate, or the
// free bitrate, whose frames do not tell their length).
bool readFrameHeader(const uchar* at, FrameHeader* header)
{
    const quint32 bits = bigEndian32(at);
    if ((bits >> 21) != 0x7FF)
        return false;
    const quint32 versionBits = (bits >> 19) & 3;
    const quint32 layerBits = (bits >> 17) & 3;
    const quint32 bitrateIndex = (bits >> 12) & 15;
    const quint32 rateIndex = (bits >> 10) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return false;
    header->version = versionBits == 3 ? 0 : versionBits == 2 ? 1 : 2;
    header->layer = static_cast<int>(4 - layerBits);
    header->crc = ((bits >> 16) & 1) == 0;
    header->mono = ((bits >> 6) & 3) == 3;
    header->sampleRate = kSampleRates[header->version][rateIndex];
    const int table = header->version == 0 ? header->layer - 1 : (header->layer == 1 ? 3 : 4);
    const qint64 bitrate = qint64(kBitrates[table][bitrateIndex]) * 1000;
    const qint64 padding = (bits >> 9) & 1;
    if (header->layer == 1) {
        header->length = (12 * bitrate / header->sampleRate + padding) * 4;
    } else {
        // MPEG-2 and 2.5 layer III frames hold half the samples.
        const qint64 factor = header->layer == 3 && header->version != 0 ? 72 : 144;
        header->length = factor * bitrate / header->sampleRate + padding;
    }
    return true;
}

// Where the audio starts: past an ID3v2 tag (and the zero padding some
// writers leave after it); -1 when the tag runs past the end.
qint64 audioStart(const uchar* data, qint64 size)
{
    if (size < kId3v2HeaderSize || std::memcmp(data, "ID3", 3) != 0)
        return 0;
    // The tag's size is four 7-bit bytes; a footer adds another ten bytes.
    const qint64 tagSize = (qint64(data[6] & 0x7F) << 21) | (qint64(data[7] & 0x7F) << 14)
        | (qint64(data[8] & 0x7F) << 7) | qint64(data[9] & 0x7F);
    qint64 start = kId3v2HeaderSize + tagSize + ((data[5] & 0x10) != 0 ? kId3v2HeaderSize : 0);
    if (start > size)
        return -1;
    while (start < size && data[start] == 0)
        ++start;
    return start;
}

// The frame count of a Xing or Info header in the first frame (the frames
// after that one), or -1 when it has none.
qint64 announcedFrames(const uchar* frame, const FrameHeader& header)
{
    if (header.layer != 3)
        return -1;
    const qint64 sideInfo = header.version == 0 ? (header.mono ? 17 : 32) : (header.mono ? 9 : 17);
    const qint64 at = 4 + sideInfo + (header.crc ? 2 : 0);
    if (at + 12 > header.length)
        return -1;
    const uchar* tag = frame + at;
    if (std::memcmp(tag, "Xing", 4) != 0 && std::memcmp(tag, "Info", 4) != 0)
        return -1;
    if ((bigEndian32(tag + 4) & 1) == 0)
        return -1;
    return bigEndian32(tag + 8);
}

} // namespace

MpegStreamEnd checkMpegStream(const uchar* data, qint64 size)
{
    qint64 at = audioStart(data, size);
    if (at < 0)
        return MpegStreamEnd::Cut;
    FrameHeader first;
    qint64 frames = 0;
    qint64 announced = -1;
    while (at < size) {
        const qint64 left = size - at;
        if (frames > 0 && left == kId3v1Size && std::memcmp(data + at, "TAG", 3) == 0)
            break;
        FrameHeader header;
        if (left < 4)
            return frames > 0 ? MpegStreamEnd::Cut : MpegStreamEnd::NotMpeg;
        if (!readFrameHeader(data + at, &header))
            return MpegStreamEnd::NotMpeg;
        if (frames == 0) {
            first = header;
        } else if (header.version != first.version || header.layer != first.layer
            || header.sampleRate != first.sampleRate) {
            return MpegStreamEnd::NotMpeg;
        }
        if (header.length > left)
            return MpegStreamEnd::Cut;
        if (frames == 0)
            announced = announcedFrames(data + at, header);
        ++frames;
        at += header.length;
    }
    if (frames == 0)
        return MpegStreamEnd::Cut; // a tag and nothing after it
    // A file cut right at a frame's end shows only against the encoder's count.
    if (announced >= 0 && frames - 1 < announced)
        return MpegStreamEnd::Cut;
    return MpegStreamEnd::Whole;
}

} // namespace tilvora::playback
