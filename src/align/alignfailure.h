#pragma once

#include <QString>

namespace tilvora::align {

// Why a chapter could not be aligned, in plain words for the reader.
struct AlignFailure {
    QString message;
};

// Thrown when the caller asked the work to stop.
struct AlignCancelled { };

} // namespace tilvora::align
