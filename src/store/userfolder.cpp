#include "userfolder.h"

#include "downloadedtexts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>

#include <filesystem>
#include <system_error>

namespace tilvora::store {

namespace fs = std::filesystem;

const QString UserFolder::kSharedMarker = QStringLiteral("tilvora-shared");
const QString UserFolder::kStampName = QStringLiteral(".installed-content");

namespace {

const QString kDatabaseName = QStringLiteral("DIC.DAT");
const QString kMediaName = QStringLiteral("media");
// A reader's DIC.DAT that could not be read at an update is kept under this
// name beside the new one.
const QString kUnreadableDatabaseName = QStringLiteral("DIC.DAT.unreadable");

fs::path pathOf(const QString& path)
{
    return fs::path(path.toStdString());
}

QString plainWords(const std::error_code& error)
{
    return QString::fromStdString(error.message());
}

// The shipped files copied into the reader's folder: DIC.DAT and the pages.
QFileInfoList shippedFiles(const QString& installed)
{
    return QDir(installed).entryInfoList({kDatabaseName, QStringLiteral("*.Htm")}, QDir::Files, QDir::Name);
}

// The texts the reader downloaded go into the new content in one
// transaction: all of them, or none and the update fails.
bool keepDownloadedTexts(QSqlDatabase& db, QString* error)
{
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    if (!carryDownloadedTexts(db, error) || !db.commit()) {
        if (error->isEmpty())
            *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

QString siblingPath(const QString& folder, const QString& suffix)
{
    const QFileInfo info(folder);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + suffix;
}

} // namespace

UserFolder::UserFolder(const QString& installedFolder, const QString& ownFolder)
    : m_installed(QDir::cleanPath(QFileInfo(installedFolder).absoluteFilePath())),
      m_own(QDir::cleanPath(QFileInfo(ownFolder).absoluteFilePath()))
{
}

bool UserFolder::isWantedFor(const QString& programFolder)
{
    const QFileInfo database(programFolder + QLatin1Char('/') + kDatabaseName);
    if (!database.isFile())
        return false;
    return QFileInfo::exists(programFolder + QLatin1Char('/') + kSharedMarker) || !database.isWritable()
        || !QFileInfo(programFolder).isWritable();
}

QString UserFolder::defaultLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tilvora");
}

bool UserFolder::isUsable() const
{
    return QFileInfo(m_own + QLatin1Char('/') + kDatabaseName).isFile();
}

// Names the content by each shipped file's name, size and modification
// time: a new version or another content build changes at least one.
QString UserFolder::contentStamp() const
{
    QString stamp;
    for (const QFileInfo& file : shippedFiles(m_installed)) {
        stamp += QStringLiteral("%1\t%2\t%3\n")
                     .arg(file.fileName())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    }
    return stamp;
}

// Everything the installed folder holds, and the stamp, belongs to the
// content; the rest of the reader's folder is the reader's.
QStringList UserFolder::contentNames() const
{
    QStringList names
        = QDir(m_installed).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names << kStampName;
    return names;
}

bool UserFolder::isCurrent(const QString& stamp) const
{
    if (!isUsable())
        return false;
    QFile file(m_own + QLatin1Char('/') + kStampName);
    return file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == stamp;
}

bool UserFolder::prepare(QString* error)
{
    error->clear();
    const QString stamp = contentStamp();
    if (!QFileInfo(m_installed + QLatin1Char('/') + kDatabaseName).isFile()) {
        *error = QStringLiteral("The installed folder %1 holds no content database (DIC.DAT).").arg(m_installed);
        return false;
    }
    const QString parent = QFileInfo(m_own).absolutePath();
    if (!QDir().mkpath(parent)) {
        *error = QStringLiteral("The folder %1 cannot be made.").arg(parent);
        return false;
    }

    // One update at a time when two programs start together.
    QLockFile lock(siblingPath(m_own, QStringLiteral(".lock")));
    if (!lock.tryLock(60000)) {
        *error = QStringLiteral("Another Tilvora is updating %1; it was waited for a minute.").arg(m_own);
        return false;
    }
    recoverInterruptedUpdate();
    if (isCurrent(stamp))
        return ensureMediaLink(m_own, error);

    QTemporaryDir staging(siblingPath(m_own, QStringLiteral("-new-XXXXXX")));
    if (!staging.isValid()) {
        *error = QStringLiteral("A new folder beside %1 cannot be made: %2").arg(m_own, staging.errorString());
        return false;
    }
    return build(staging.path(), stamp, error) && swapIn(staging.path(), error);
}

// An update that was cut short (the computer stopped, the program was
// killed) may have left its new folder half built, or the old folder set
// aside with none in its place. The first goes; the second comes back.
void UserFolder::recoverInterruptedUpdate() const
{
    const QFileInfo own(m_own);
    const QDir parent = own.absoluteDir();
    const QString prefix = QLatin1Char('.') + own.fileName();
    for (const QString& name : parent.entryList({prefix + QStringLiteral("-new-*")}, QDir::Dirs | QDir::Hidden))
        QDir(parent.filePath(name)).removeRecursively();
    const QStringList asides
        = parent.entryList({prefix + QStringLiteral("-old-*")}, QDir::Dirs | QDir::Hidden, QDir::Time);
    if (!asides.isEmpty() && !own.exists())
        QDir().rename(parent.filePath(asides.first()), m_own);
}

bool UserFolder::build(const QString& staging, const QString& stamp, QString* error) const
{
    if (!copyReaderFiles(staging, error) || !copyContent(staging, error) || !keepVoiceFolders(staging, error))
        return false;
    QSaveFile file(staging + QLatin1Char('/') + kStampName);
    if (!file.open(QIODevice::WriteOnly) || file.write(stamp.toUtf8()) < 0 || !file.commit()) {
        *error = QStringLiteral("The file %1 cannot be written: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

bool UserFolder::copyReaderFiles(const QString& staging, QString* error) const
{
    if (!QFileInfo(m_own).isDir())
        return true;
    const QStringList content = contentNames();
    const QStringList names
        = QDir(m_own).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (content.contains(name))
            continue;
        std::error_code failure;
        fs::copy(pathOf(m_own + QLatin1Char('/') + name), pathOf(staging + QLatin1Char('/') + name),
            fs::copy_options::recursive | fs::copy_options::copy_symlinks, failure);
        if (failure) {
            *error = QStringLiteral("%1 cannot be copied into the new folder: %2")
                         .arg(m_own + QLatin1Char('/') + name, plainWords(failure));
            return false;
        }
    }
    return true;
}

bool UserFolder::copyContent(const QString& staging, QString* error) const
{
    for (const QFileInfo& file : shippedFiles(m_installed)) {
        const fs::path copy = pathOf(staging + QLatin1Char('/') + file.fileName());
        std::error_code failure;
        fs::copy_file(pathOf(file.absoluteFilePath()), copy, fs::copy_options::overwrite_existing, failure);
        if (!failure)
            fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, failure);
        if (failure) {
            *error = QStringLiteral("%1 cannot be copied into %2: %3")
                         .arg(file.absoluteFilePath(), staging, plainWords(failure));
            return false;
        }
    }
    return ensureMediaLink(staging, error);
}

// The recordings stay where they were installed; the reader's folder links
// to them, so that a voice folder written relative to the application folder
// finds them.
bool UserFolder::ensureMediaLink(const QString& folder, QString* error) const
{
    const QString media = m_installed + QLatin1Char('/') + kMediaName;
    const QString link = folder + QLatin1Char('/') + kMediaName;
    if (!QFileInfo(media).isDir() || QFileInfo(link).isSymLink() || QFileInfo::exists(link))
        return true;
    std::error_code failure;
    fs::create_directory_symlink(pathOf(media), pathOf(link), failure);
    if (failure) {
        *error = QStringLiteral("The link %1 to the installed recordings cannot be made: %2")
                     .arg(link, plainWords(failure));
        return false;
    }
    return true;
}

// Every voice of the new content that the reader's old DIC.DAT also holds
// takes its folder from there, whatever it holds, and every text the reader
// downloaded is carried over (see downloadedtexts.h). An old DIC.DAT that cannot
// be read has nothing to give; it is kept beside the new one.
bool UserFolder::keepVoiceFolders(const QString& staging, QString* error) const
{
    const QString previous = m_own + QLatin1Char('/') + kDatabaseName;
    if (!QFileInfo(previous).isFile())
        return true;

    const QString connectionName = QStringLiteral("userfolder-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString failure;
    bool unreadable = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(staging + QLatin1Char('/') + kDatabaseName);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("ATTACH DATABASE ? AS previous"));
            query.addBindValue(previous);
            const bool attached = query.exec()
                && query.exec(
                    QStringLiteral("SELECT count(*) FROM previous.AP_Master_TAB JOIN previous.AP_TypesMaster_TAB "
                                   "USING (MasterTypeID) WHERE SysTerm = 'VOICE'"));
            if (!attached) {
                unreadable = true;
                failure = query.lastError().text();
            } else if (!query.exec(QStringLiteral(
                           "UPDATE main.AP_Master_TAB SET Data = ("
                           "  SELECT coalesce(old.Data, '') FROM previous.AP_Master_TAB old WHERE old.MasterID = "
                           "AP_Master_TAB.MasterID) "
                           "WHERE MasterTypeID IN (SELECT MasterTypeID FROM main.AP_TypesMaster_TAB WHERE SysTerm = "
                           "'VOICE') "
                           "AND MasterID IN (SELECT old.MasterID FROM previous.AP_Master_TAB old "
                           "  JOIN previous.AP_TypesMaster_TAB oldType ON oldType.MasterTypeID = old.MasterTypeID "
                           "  WHERE oldType.SysTerm = 'VOICE')"))) {
                failure = query.lastError().text();
            } else if (!keepDownloadedTexts(db, &failure)) {
                failure = QStringLiteral("the downloaded texts cannot be carried over: ") + failure;
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);

    if (unreadable) {
        std::error_code copyFailure;
        fs::copy_file(pathOf(previous), pathOf(staging + QLatin1Char('/') + kUnreadableDatabaseName),
            fs::copy_options::overwrite_existing, copyFailure);
        if (!copyFailure)
            return true;
        failure += QStringLiteral("; ") + plainWords(copyFailure);
    }
    if (failure.isEmpty())
        return true;
    *error
        = QStringLiteral("The voice folders of %1 cannot be carried into the new content: %2").arg(previous, failure);
    return false;
}

// The old folder steps aside, the new one takes its name, the old one goes.
// Should the new one not take its name, the old one comes back.
bool UserFolder::swapIn(const QString& staging, QString* error) const
{
    std::error_code failure;
    const bool hadFolder = QFileInfo(m_own).isDir();
    const QString aside = siblingPath(m_own, QStringLiteral("-old-") + QUuid::createUuid().toString(QUuid::Id128));
    if (hadFolder) {
        fs::rename(pathOf(m_own), pathOf(aside), failure);
        if (failure) {
            *error = QStringLiteral("%1 cannot be replaced: %2").arg(m_own, plainWords(failure));
            return false;
        }
    }
    fs::rename(pathOf(staging), pathOf(m_own), failure);
    if (failure) {
        *error = QStringLiteral("The new folder cannot take the place of %1: %2").arg(m_own, plainWords(failure));
        if (hadFolder) {
            std::error_code ignored;
            fs::rename(pathOf(aside), pathOf(m_own), ignored);
        }
        return false;
    }
    if (hadFolder)
        fs::remove_all(pathOf(aside), failure);
    return true;
}

QString applicationFolderFor(const QString& programFolder, QString* problem)
{
    problem->clear();
    if (!UserFolder::isWantedFor(programFolder))
        return programFolder;

    UserFolder folder(programFolder, UserFolder::defaultLocation());
    QString error;
    if (folder.prepare(&error))
        return folder.ownFolder();
    if (folder.isUsable()) {
        *problem = QStringLiteral("Your Tilvora folder %1 could not be brought up to date with the installed content, "
                                  "so Tilvora uses it as it was. %2")
                       .arg(folder.ownFolder(), error);
        return folder.ownFolder();
    }
    *problem = QStringLiteral("Tilvora could not make your own folder %1. %2").arg(folder.ownFolder(), error);
    return {};
}

} // namespace tilvora::store
