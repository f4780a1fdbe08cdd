#include "ui/shell/usersettings.h"

namespace tilvora::ui {

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tilvora"), QStringLiteral("Tilvora"));
}

} // namespace tilvora::ui
