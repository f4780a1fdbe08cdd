#include "ui/shell/usersettings.h"

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

QString repairUserSettings()
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
        return QStringLiteral("The settings file %1 is damaged and cannot be replaced; the settings it holds are "
                              "not all used.")
            .arg(QDir::toNativeSeparators(path));
    const std::unique_ptr<QSettings> clean = openUserSettings();
    for (auto value = kept.cbegin(); value != kept.cend(); ++value)
        clean->setValue(value.key(), value.value());
    clean->sync();
    return QStringLiteral("The settings file %1 was damaged. The settings that could be read are kept; the others "
                          "are back to their usual values.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace tilvora::ui
