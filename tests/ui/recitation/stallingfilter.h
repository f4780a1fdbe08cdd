#pragma once

namespace tilvora::test {

// A GStreamer element for tests, "tilvorastall": it passes the sound on
// until it is told to stall; from then on it holds every buffer (so the sink
// gets nothing and the media stands still while the pipeline plays) until
// the element goes back to READY. A flushing move frees the held buffer and
// the next one is held again. So it stands for a sound output whose stream
// stopped taking sound until it is closed and opened again.
class StallingFilter {
public:
    // Makes the element known to GStreamer (once).
    static void registerElement();
    // The next buffer, and every one after, is held.
    static void stall();
    // How often an element went back to READY.
    static int closings();
};

} // namespace tilvora::test
