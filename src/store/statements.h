#pragma once

#include <QString>

#include <optional>

namespace tilvora::store {

// The marker for an optional text argument that was not given.
inline const QString kDef = QStringLiteral("_DEF");

// The program list: every program record with its type code, by type and order.
inline const QString kProgramListQuery = QStringLiteral(
    "SELECT     AP_Master_TAB.*, AP_TypesMaster_TAB.SysTerm AS SysTerm_MasterTypeID FROM         "
    "AP_Master_TAB INNER JOIN                      AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = "
    "AP_TypesMaster_TAB.MasterTypeID ORDER BY AP_Master_TAB.MasterTypeID, AP_Master_TAB.SortOrderUser");

// Every start shows the default selection and order again.
inline const QString kRestoreDefaultsStatement
    = QStringLiteral("UPDATE AP_Master_TAB SET UserSelection = DefaultSelection, SortOrderUser = SortOrderDef");

// A text placed between single quotes in a statement, apostrophes doubled so
// that an apostrophe in the text finds what it means.
QString sqlText(const QString& text);

// A value read as a whole number that a statement may take unquoted: an
// optional sign and ASCII digits, with only the white space a statement reads
// as such around them (blank, tab, line feed, carriage return, form feed).
// Any other character (a vertical tab, a NUL, another script's digits) makes
// it no whole number; digits that do not fit 32 bits make it out of range.
struct WholeNumber {
    std::optional<qint32> value;
    bool outOfRange = false;
};
WholeNumber readWholeNumber(const QString& value);

// Whether a value is a whole number that fits 32 bits (see readWholeNumber).
bool isWholeNumber(const QString& value);

// The checked number of a value, for a statement; otherwise RefusedValue with
// "The <what> "<value>" is not a whole number" or "... is out of range"
// followed by `consequence` (", so nothing was changed", say).
qint32 requireWholeNumber(const QString& value, const QString& what, const QString& consequence = QString());

// Whether a text holds a control character that no statement or search can
// take (a NUL, which cuts a statement short, or another C0 control except
// tab, line feed and carriage return).
bool holdsControlCharacter(const QString& text);

} // namespace tilvora::store
