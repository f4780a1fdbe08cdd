#pragma once

#include <QString>

#include <ostream>

// Failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
