#include "ui/shell/usersettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSet>

namespace tilvora::ui {

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tilvora"), QStringLiteral("Tilvora"));
}

bool keepUserSettings(QSettings& settings, QWidget* parent)
{
    settings.sync();
    if (settings.status() != QSettings::AccessError)
        return true;
    static QSet<QString> told;
    const QString path = settings.fileName();
    if (told.contains(path))
        return false;
    told.insert(path);
    const QString file = QDir::toNativeSeparators(path);
    const QString why = QFileInfo(path).isDir() ? QStringLiteral("%1 is a folder, not a file").arg(file)
                                                : QStringLiteral("the file %1 cannot be written").arg(file);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tilvora"),
        QStringLiteral("Your settings cannot be kept: %1. The choices you make now last until Tilvora closes.")
            .arg(why),
        QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

} // namespace tilvora::ui
