#include "playback/mediasearch.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <vector>

namespace tilvora::playback {

namespace {

// True when `path` is a plain file that opens for reading. The file is
// looked at before it is opened, and opened without blocking, so that a pipe
// or a device that happens to carry the name is never opened or waited on.
bool opensAsPlainFile(const QByteArray& path)
{
    struct stat info { };
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false;
    const bool plain = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return plain;
}

bool sameNameIgnoringCase(const QByteArray& rawName, const QString& name)
{
    return QFile::decodeName(rawName).compare(name, Qt::CaseInsensitive) == 0;
}

// What the search does with a folder entry.
enum class EntryKind {
    Skipped, // hidden (leading "."), or neither a file nor a folder
    File,
    Folder,
    FolderLink, // a symbolic link to a folder
};

struct Entry {
    QByteArray rawName;
    EntryKind kind = EntryKind::Skipped;
};

EntryKind classify(int folderFd, const dirent& entry)
{
    if (entry.d_name[0] == '.')
        return EntryKind::Skipped;
    unsigned char type = entry.d_type;
    struct stat info { };
    if (type == DT_UNKNOWN) {
        if (::fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Skipped;
        type = S_ISLNK(info.st_mode) ? DT_LNK
            : S_ISDIR(info.st_mode)  ? DT_DIR
            : S_ISREG(info.st_mode)  ? DT_REG
                                     : DT_UNKNOWN;
    }
    switch (type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
        if (::fstatat(folderFd, entry.d_name, &info, 0) != 0)
            return EntryKind::Skipped; // a dangling link
        if (S_ISDIR(info.st_mode))
            return EntryKind::FolderLink;
        return S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Skipped;
    default:
        return EntryKind::Skipped;
    }
}

// Reads the entries of `folder` in the order the file system lists them,
// without "." and "..". With `classifyEntries` false every entry is left
// Skipped (only the names are wanted). False when the folder cannot be read.
bool readFolder(const QByteArray& folder, bool classifyEntries, std::vector<Entry>& entries)
{
    entries.clear();
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return false;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        entries.push_back({QByteArray(name), classifyEntries ? classify(fd, *entry) : EntryKind::Skipped});
    }
    ::closedir(dir);
    return true;
}

// The names in `entries` that equal `name` ignoring case, the exact spelling
// first.
std::vector<QByteArray> spellingsOf(
    const std::vector<Entry>& entries, const QString& name, const QByteArray& encodedName)
{
    std::vector<QByteArray> spellings;
    for (const Entry& entry : entries) {
        if (entry.rawName == encodedName)
            spellings.insert(spellings.begin(), entry.rawName);
        else if (sameNameIgnoringCase(entry.rawName, name))
            spellings.push_back(entry.rawName);
    }
    return spellings;
}

// The name on disk that `name` resolves to in `folder` (a path ending in
// "/", or empty for the current folder); empty when no spelling of it opens
// as a plain file.
QByteArray resolveName(const QByteArray& folder, const QString& name)
{
    QByteArray encodedName = QFile::encodeName(name);
    if (opensAsPlainFile(folder + encodedName))
        return encodedName;
    std::vector<Entry> entries;
    if (!readFolder(folder.isEmpty() ? QByteArrayLiteral(".") : folder, false, entries))
        return {};
    for (const QByteArray& spelling : spellingsOf(entries, name, encodedName)) {
        if (spelling != encodedName && opensAsPlainFile(folder + spelling))
            return spelling;
    }
    return {};
}

// Answers, as often as the search asks, whether one folder holds the file.
//
// The search asks before every entry of the folder, because the file may
// appear while the search is running. Reading the whole folder each time would
// make the search quadratic in the size of a folder, so the spellings of the
// name found in the folder are kept, and read again only when the folder's
// modification time has changed since. A change made within the same tick of
// the file system's clock as the previous one keeps the time unchanged, so a
// folder modified shortly before it was read is read again on every question.
class FolderProbe {
public:
    FolderProbe(const QByteArray& folder, const QString& name, const QByteArray& encodedName)
        : m_folder(folder), m_name(name), m_encodedName(encodedName)
    {
    }

    // Reads the folder's entries for the search, classified. False when the
    // folder is missing or is not a folder.
    bool start(std::vector<Entry>& entries)
    {
        struct stat info { };
        const timespec readAt = now();
        if (::stat(m_folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
            return false;
        m_listed = readFolder(m_folder, true, entries);
        remember(info, readAt, entries);
        return true;
    }

    bool holdsFile()
    {
        if (!m_listed) // a folder that can be entered but not read
            return opensAsPlainFile(m_folder + m_encodedName);
        struct stat info { };
        if (::stat(m_folder.constData(), &info) != 0)
            return false;
        if (m_recent || info.st_mtim.tv_sec != m_modified.tv_sec || info.st_mtim.tv_nsec != m_modified.tv_nsec)
            reread();
        for (const QByteArray& spelling : m_spellings) {
            if (opensAsPlainFile(m_folder + spelling))
                return true;
        }
        return false;
    }

private:
    static timespec now()
    {
        timespec t{};
        ::clock_gettime(CLOCK_REALTIME, &t);
        return t;
    }

    void reread()
    {
        struct stat info { };
        const timespec readAt = now();
        std::vector<Entry> entries;
        if (::stat(m_folder.constData(), &info) != 0) {
            m_spellings.clear();
            return;
        }
        m_listed = readFolder(m_folder, false, entries);
        remember(info, readAt, entries);
    }

    void remember(const struct stat& info, const timespec& readAt, const std::vector<Entry>& entries)
    {
        // File system clocks advance in ticks of a few milliseconds; a
        // tenth of a second covers them with room to spare.
        constexpr long long kTickMarginNs = 100'000'000;
        const long long modifiedNs = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
        const long long readNs = readAt.tv_sec * 1'000'000'000LL + readAt.tv_nsec;
        m_modified = info.st_mtim;
        m_recent = modifiedNs > readNs - kTickMarginNs;
        m_spellings = spellingsOf(entries, m_name, m_encodedName);
    }

    QByteArray m_folder;
    const QString& m_name;
    const QByteArray& m_encodedName;
    bool m_listed = false;
    bool m_recent = true;
    timespec m_modified{};
    std::vector<QByteArray> m_spellings;
};

QByteArray canonicalPath(const QByteArray& path)
{
    char* resolved = ::realpath(path.constData(), nullptr);
    if (resolved == nullptr)
        return {};
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

bool isWithin(const QByteArray& path, const QByteArray& folder)
{
    if (folder == "/")
        return true;
    return path == folder || (path.startsWith(folder) && path.at(folder.size()) == '/');
}

// The state of one search. Every search has its own, so a search started
// while another one yields is independent of it.
struct Search {
    QString name;
    QByteArray encodedName;
    const std::function<void()>& yieldToEvents;
    QByteArray startFolder;
    QByteArray canonicalStart; // resolved when the first folder link is met
    std::vector<QByteArray> followedTargets;

    // Whether the folder link `link` may be followed. A link into the start
    // folder's tree (a loop, or a folder that is searched anyway) is not, nor
    // one into a target already followed; every other link adds its target to
    // the followed ones. The targets are finite, so the search ends.
    bool mayFollow(const QByteArray& link)
    {
        const QByteArray target = canonicalPath(link);
        if (target.isEmpty())
            return false;
        if (canonicalStart.isEmpty())
            canonicalStart = canonicalPath(startFolder);
        if (canonicalStart.isEmpty() || isWithin(target, canonicalStart))
            return false;
        for (const QByteArray& followed : followedTargets) {
            if (isWithin(target, followed))
                return false;
        }
        followedTargets.push_back(target);
        return true;
    }

    // The search of one folder: `folder` and `encodedFolder` end with "/".
    QString searchFolder(const QString& folder, const QByteArray& encodedFolder)
    {
        FolderProbe probe(encodedFolder, name, encodedName);
        // Keeping the folder's entries keeps the place in its enumeration
        // while a subfolder is searched.
        std::vector<Entry> entries;
        if (!probe.start(entries))
            return {};
        for (const Entry& entry : entries) {
            if (entry.kind == EntryKind::Skipped)
                continue;
            if (probe.holdsFile())
                return folder;
            if (yieldToEvents)
                yieldToEvents();
            const bool descend = entry.kind == EntryKind::Folder
                || (entry.kind == EntryKind::FolderLink && mayFollow(encodedFolder + entry.rawName));
            if (!descend)
                continue;
            QString found
                = searchFolder(folder + QFile::decodeName(entry.rawName) + u'/', encodedFolder + entry.rawName + '/');
            if (!found.isEmpty())
                return found;
        }
        return probe.holdsFile() ? folder : QString();
    }
};

} // namespace

bool fileExists(const QString& path)
{
    return !existingFilePath(path).isEmpty();
}

QString existingFilePath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    if (name.isEmpty())
        return {};
    const QByteArray spelling = resolveName(QFile::encodeName(folder), name);
    if (spelling.isEmpty())
        return {};
    return folder + QFile::decodeName(spelling);
}

QString findFile(const QString& startFolder, const QString& fileName, const std::function<void()>& yieldToEvents)
{
    // A bare name only: a name with a folder in it is not a file of a folder.
    if (fileName.isEmpty() || startFolder.isEmpty() || fileName.contains(u'/'))
        return {};
    QString start = startFolder;
    if (!start.endsWith(u'/'))
        start += u'/';
    Search search{fileName, QFile::encodeName(fileName), yieldToEvents, QFile::encodeName(start), {}, {}};
    return search.searchFolder(start, search.startFolder);
}

} // namespace tilvora::playback
