#pragma once

#include <QString>
#include <QStringList>

// One run of tilvora-cli: the input lines it was given and what it wrote.
struct CliRun {
    int exitCode = -1;
    QStringList lines;

    // The lines whose first field is `word`, each split into its fields
    // (escapes undone).
    QList<QStringList> linesOf(const QString& word) const;
};

// Runs tilvora-cli on an application folder with the given input lines. A
// file size limit other than 0 keeps every file it writes at most that many
// bytes long, as a nearly full disk would.
CliRun runCli(const QString& appFolder, const QStringList& inputLines, qint64 fileSizeLimit = 0);
// Runs a copy of tilvora-cli (`program`) with the given arguments.
CliRun runCliProgram(
    const QString& program, const QStringList& arguments, const QStringList& inputLines, qint64 fileSizeLimit = 0);

// A file URL for a name in a folder, with blanks and the like percent-encoded
// as the browser engine sends it.
QString encodedFileUrl(const QString& folder, const QString& name);
