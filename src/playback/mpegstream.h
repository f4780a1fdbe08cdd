#pragma once

#include <QtGlobal>

namespace tilvora::playback {

// What the frames of an MPEG audio file tell about its end.
enum class MpegStreamEnd {
    // Every frame is whole and the last one ends at the end of the file (or
    // right before a closing ID3v1 tag), and a frame count the encoder wrote
    // at the start (a Xing or Info header) is reached.
    Whole,
    // The frames are sound but the file stops before the end of the last
    // one, or before the frame count the encoder wrote: the file was cut.
    Cut,
    // No run of MPEG audio frames: not an MP3 file, or a damaged one.
    NotMpeg,
};

// Walks the MPEG audio frames of `size` bytes at `data` (an ID3v2 tag at the
// start is skipped), each frame's length taken from its header: version,
// layer, bitrate, sample rate and padding. Every frame must keep the first
// frame's version, layer and sample rate.
MpegStreamEnd checkMpegStream(const uchar* data, qint64 size);

} // namespace tilvora::playback
