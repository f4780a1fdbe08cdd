#pragma once

// The files the program reads and writes, as a test sees them.

#include "support/printing.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace tilvora::testing {

// The text of a page file the program wrote (UTF-16LE after a byte order
// mark); fails the test when the file cannot be read or has no such mark.
QString readPageFile(const QString& path);

// The application folder the content build made, copied into `target`:
// DIC.DAT, the picker pages and media/; the voices whose folders lie inside
// the source are made to name the copy. False, with the reason, on failure.
bool copyApplicationFolder(const QString& source, const QString& target, QString* error);

// The values of the first row of a statement on a database file opened
// read-only; empty when there is no row or the statement fails.
QVariantList queryRow(const QString& databasePath, const QString& statement);

// The lines, as a host records them, that open the control page and the four
// picker pages of the application folder `folder`, in the order of start-up.
QStringList startPageNavigations(const QString& folder);

} // namespace tilvora::testing
