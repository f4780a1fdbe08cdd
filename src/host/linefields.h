#pragma once

#include <QString>
#include <QStringList>

namespace tilvora::host {

// The text host's line format: fields separated by one TAB; backslash, TAB,
// CR and LF inside a field are written \\, \t, \r and \n.
QString escapeField(const QString& field);
QString unescapeField(const QString& field);

// Joins escaped fields into one line (without the line break).
QString joinFields(const QStringList& fields);

// Splits a line into at most maxFields unescaped fields; the last one takes
// the rest of the line.
QStringList splitFields(const QString& line, int maxFields);

} // namespace tilvora::host
