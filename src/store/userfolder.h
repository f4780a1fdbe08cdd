#pragma once

#include <QString>
#include <QStringList>

namespace tilvora::store {

// The reader's own application folder, for a program installed where the
// reader may not write (or that was installed as shared, which the file
// kSharedMarker in its folder says).
//
// The installed folder holds the content: DIC.DAT, the picker pages and
// media/. The reader's folder holds a copy of DIC.DAT and of the pages, a
// link to the installed media/, a stamp that names the content the copy came
// from, and whatever the reader keeps there (page files the program wrote,
// bookmarks, recordings). When the installed content changes (a new version
// or another content build), prepare() builds the folder again beside the
// old one: the new content, everything of the reader's that is not content,
// every voice's folder (the Data of each voice that both databases hold)
// and every text the reader downloaded (see downloadedtexts.h) from the old
// DIC.DAT. Then it puts the new folder in the old one's place.
// Until that swap, the old folder is untouched: a failure leaves it as it was.
class UserFolder {
public:
    // The file whose presence in a program's folder says that the program is
    // installed for everyone and runs from each reader's own folder.
    static const QString kSharedMarker;
    // The file in the reader's folder that names the content it holds.
    static const QString kStampName;

    UserFolder(const QString& installedFolder, const QString& ownFolder);

    // Whether a program started from `programFolder` runs from a reader's own
    // folder: the folder is marked as shared, or the reader may not write
    // its DIC.DAT.
    static bool isWantedFor(const QString& programFolder);
    // $XDG_DATA_HOME/tilvora: the reader's own folder.
    static QString defaultLocation();

    // Brings the reader's folder up to date with the installed content.
    // False with the reason in plain words when it could not; the folder is
    // then as it was before.
    bool prepare(QString* error);

    // Whether the reader's folder holds a content database (and so can be
    // run from, even after a failed update).
    bool isUsable() const;

    const QString& ownFolder() const { return m_own; }

private:
    QString contentStamp() const;
    QStringList contentNames() const;
    bool isCurrent(const QString& stamp) const;
    void recoverInterruptedUpdate() const;
    bool build(const QString& staging, const QString& stamp, QString* error) const;
    bool copyReaderFiles(const QString& staging, QString* error) const;
    bool copyContent(const QString& staging, QString* error) const;
    bool keepVoiceFolders(const QString& staging, QString* error) const;
    bool swapIn(const QString& staging, QString* error) const;
    bool ensureMediaLink(const QString& folder, QString* error) const;

    QString m_installed;
    QString m_own;
};

// The application folder for a program in `programFolder`: the folder itself,
// or the reader's own folder, brought up to date first. Empty when there is
// none to run from; `problem` then says why. A failed update that leaves an
// older usable folder returns that folder, with the problem set as a warning.
QString applicationFolderFor(const QString& programFolder, QString* problem);

} // namespace tilvora::store
