#pragma once

#include "align/energyenvelope.h"

#include <QString>

#include <atomic>

namespace tilvora::align {

// Decodes a recording (MP3, WMA or any format the platform's GStreamer
// decoders read) into its energy envelope. The decoding runs in a
// gst-launch-1.0 process that reads the file on its standard input (so no
// file name is ever parsed as part of a pipeline) and writes mono 16-bit
// samples at 8 kHz, which the envelope takes as they arrive.
//
// Fails with AlignFailure when the file cannot be read or decoded, or holds
// no sound; with AlignCancelled as soon as `cancelled` becomes true.
EnergyEnvelope decodeEnvelope(const QString& path, const std::atomic_bool* cancelled = nullptr);

} // namespace tilvora::align
