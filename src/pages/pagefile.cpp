#include "pagefile.h"

#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

PageFileError::PageFileError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

QString PageFilePath(const QString& appFolder, const QString& fileName)
{
    const QString name = fileName == store::kDef ? u"Default.htm"_s : fileName;
    if (appFolder.endsWith(u'/'))
        return appFolder + name;
    return appFolder + u'/' + name;
}

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw PageFileError(u"The page file \""_s + path + u"\" cannot be written: "_s + reason);
}

} // namespace

QString WritePageFile(const store::SharedState& state, const QString& content, const QString& fileName)
{
    const QString path = PageFilePath(state.gAppFolder, fileName);

    // QSaveFile writes beside the target and renames over it on commit, so a
    // failed write never leaves half a page where the reading pane looks.
    // Where the folder allows no new file but the page itself may be
    // written, it is written in place instead.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());

    static constexpr char kByteOrderMark[] = {'\xFF', '\xFE'};
    bool written = file.write(kByteOrderMark, sizeof kByteOrderMark) == sizeof kByteOrderMark;

    // The text goes out in little-endian code units, a slice at a time, so a
    // page of many megabytes needs no second copy in memory.
    constexpr qsizetype kSlice = 32 * 1024;
    std::array<quint16, kSlice> buffer;
    const auto* units = content.utf16();
    for (qsizetype done = 0; written && done < content.size(); done += kSlice) {
        const qsizetype count = std::min(kSlice, content.size() - done);
        qToLittleEndian<quint16>(units + done, count, buffer.data());
        const qint64 bytes = count * qint64(sizeof(quint16));
        written = file.write(reinterpret_cast<const char*>(buffer.data()), bytes) == bytes;
    }

    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
    return path;
}

} // namespace tilvora::pages
