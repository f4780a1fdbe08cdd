#pragma once

#include <QSettings>

class QWidget;

#include <memory>

namespace tilvora::ui {

// The reader's settings kept between runs: one INI file of the user's own,
// under the one organisation and application name "Tilvora". Every part of
// the window that remembers something opens it here and keeps its keys in a
// group of its own ("window/...", ...).
std::unique_ptr<QSettings> openUserSettings();

// Writes what `settings` holds to its file now. When the file cannot be read
// or written (it is a folder, its folder is read-only, the disk is full), the
// reader is told so in a message box over `parent`, once per run and file;
// the choices then last until the program closes. False when not kept.
bool keepUserSettings(QSettings& settings, QWidget* parent);

// What repairUserSettings found: a sound file, a damaged one written again,
// or a damaged one that could not be replaced.
struct SettingsRepair {
    enum class Outcome { Sound, Rewritten, NotReplaced };
    Outcome outcome = Outcome::Sound;
    QString path;
    // The sentence that tells the reader, in the window's language; empty
    // for a sound file.
    QString text() const;
};

// Run once at start, before anything reads the settings: a file that cannot
// be read as settings (damaged) is written again with what could be read of
// it.
SettingsRepair repairUserSettings();

} // namespace tilvora::ui
