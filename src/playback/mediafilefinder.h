#pragma once

#include "playback/verserecording.h"

#include <QFutureWatcher>

#include <functional>
#include <memory>

namespace tilvora::playback {

// Looks for a recitation file away from the caller's thread, so that a search
// through a large folder never holds up the window, and hands what it found
// to a callback on the caller's thread, from its event loop.
//
// One finder holds one search: a new search, cancel() or the finder's end
// drops the one before it, whose callback is then never called, and its walk
// through the folders stops at the next entry.
class MediaFileFinder {
public:
    using Done = std::function<void(const LocatedFile&)>;

    MediaFileFinder();
    ~MediaFileFinder();
    MediaFileFinder(const MediaFileFinder&) = delete;
    MediaFileFinder& operator=(const MediaFileFinder&) = delete;

    // Looks for `name` as LocateMediaFile does and calls `done` with what it
    // found. `done` may start the next search on this finder.
    void find(const QString& storedFolder, const QString& name, Done done);
    void cancel();
    bool isSearching() const { return m_watcher != nullptr; }

    // Returns once every search started on any finder has handed over its
    // result, the searches those callbacks started included. For a host that
    // reads its events one at a time and finishes each before the next.
    static void finishAll();

private:
    void handOver(QFutureWatcher<LocatedFile>* watcher, const Done& done);

    std::unique_ptr<QFutureWatcher<LocatedFile>> m_watcher;
};

} // namespace tilvora::playback
