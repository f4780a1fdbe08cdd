#pragma once

#include "error.h"
#include "sharedstate.h"

#include <QString>

namespace tilvora::store {

// A failure that ends start-up; the message says in plain words what is wrong.
class StartupError : public Error {
public:
    explicit StartupError(const QString& message) : Error(Kind::Startup, message) { }
};

// The store steps of start-up: records the application folder, opens
// DIC.DAT in it, opens the program list (a copy taken before the defaults are
// restored, which the voice menu is built from) and restores every program's
// selection and order from its defaults.
void startStore(SharedState& state, const QString& appFolder);

// The application folder as the program uses it: absolute, cleaned, without a
// trailing "/" except for the root folder.
QString normalizedAppFolder(const QString& folder);

} // namespace tilvora::store
