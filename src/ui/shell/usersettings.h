#pragma once

#include <QSettings>

#include <memory>

namespace tilvora::ui {

// The reader's settings kept between runs: one INI file of the user's own,
// under the one organisation and application name "Tilvora". Every part of
// the window that remembers something opens it here and keeps its keys in a
// group of its own ("window/...", ...).
std::unique_ptr<QSettings> openUserSettings();

} // namespace tilvora::ui
