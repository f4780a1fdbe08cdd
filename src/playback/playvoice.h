#pragma once

#include "host/host.h"
#include "store/sharedstate.h"

#include <QString>
#include <QtGlobal>

namespace tilvora::playback {

class MediaFileFinder;

// Recites one verse in the selected voice: finds the voice's media folder, the
// verse's file (directly in the folder, else below it, else as the other of
// the two file types, MP3 and WMA) and its start position, and starts the
// player there. A missing file is reported in an information box, any other
// failure in a critical box; nothing escapes to the caller. gPrograms is left
// unfiltered and gDetails where it was.
//
// Choices of ours where the stored data gives no usable answer:
// - An empty stored folder names no folder: no file is looked for in it, no
//   search starts from it (and never from the root folder), so the file is
//   reported missing. A blank stored file name is a missing file likewise.
// - A start position is read as a number in the C locale ("12.5"); one that
//   is not a finite number of seconds from 0 on is refused in the critical
//   "Cannot Access..." box, titled with our own description of the value.
// - A verse the voice has no detail record of (or a voice without any) is
//   told in an information box that names the voice and the verse and says
//   what to do; nothing plays. Verse 0 (a voice chosen before any verse was
//   double-clicked) plays nothing and tells nothing.
//
// The file is looked for by `finder`, away from the window's thread; the
// player starts (or the reader is told) when it has been found. The newest
// request wins: one that was still searching is dropped quietly, and whatever
// the newest one found (or reported) stands.
void playVoice(store::SharedState& state, host::Host& host, MediaFileFinder& finder, qint32 ayahRef);

// Tells the reader that the voice named `voice` has no recording of the verse
// `ayahRef`, naming both and saying what to do (an information box). A
// reference that names no verse of the content is not told of.
void showNoRecording(store::SharedState& state, host::Host& host, const QString& voice, qint32 ayahRef);

// A double-click in the reading page, with the id of the verse table around
// the clicked cell (empty outside any verse table). An id that is a whole
// number (32-bit) becomes gLastAyahRef and is recited; any other id does
// nothing and keeps gLastAyahRef.
void readingPageDoubleClick(
    store::SharedState& state, host::Host& host, MediaFileFinder& finder, const QString& verseTableId);

} // namespace tilvora::playback
