#include "ui/shell/usersettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSet>
#include <QVariantMap>

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
    const QString text = QFileInfo(path).isDir()
        ? QCoreApplication::translate("UserSettings",
            "Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until "
            "Tilvora closes.")
        : QCoreApplication::translate("UserSettings",
            "Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until "
            "Tilvora closes.");
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("UserSettings", "Tilvora"), text.arg(file),
        QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

SettingsRepair repairUserSettings()
{
    QVariantMap kept;
    QString path;
    {
        const std::unique_ptr<QSettings> settings = openUserSettings();
        if (settings->status() != QSettings::FormatError)
            return {};
        path = settings->fileName();
        for (const QString& key : settings->allKeys())
            kept.insert(key, settings->value(key));
    }
    // A file that cannot be read as settings is never written over by
    // QSettings: it goes, and what could be read of it is written anew.
    if (!QFile::remove(path))
        return {SettingsRepair::Outcome::NotReplaced, path};
    const std::unique_ptr<QSettings> clean = openUserSettings();
    for (auto value = kept.cbegin(); value != kept.cend(); ++value)
        clean->setValue(value.key(), value.value());
    clean->sync();
    return {SettingsRepair::Outcome::Rewritten, path};
}

QString SettingsRepair::text() const
{
    const QString file = QDir::toNativeSeparators(path);
    switch (outcome) {
    case Outcome::NotReplaced:
        return QCoreApplication::translate("UserSettings",
            "The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.")
            .arg(file);
    case Outcome::Rewritten:
        return QCoreApplication::translate("UserSettings",
            "The settings file %1 was damaged. The settings that could be read are kept; the others are back to "
            "their usual values.")
            .arg(file);
    case Outcome::Sound:
        break;
    }
    return {};
}

} // namespace tilvora::ui
