#pragma once

#include <QString>

#include <ostream>

// Texts print as text in test failures, with line breaks shown.
inline void PrintTo(const QString& text, std::ostream* out)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r"), QStringLiteral("\\r")).replace(QStringLiteral("\n"), QStringLiteral("\\n\n"));
    *out << '"' << shown.toStdString() << '"';
}
