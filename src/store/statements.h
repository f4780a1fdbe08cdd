#pragma once

#include <QString>

namespace tilvora::store {

// The marker for an optional text argument that was not given.
inline const QString kDef = QStringLiteral("_DEF");

// The program list: every program record with its type code, by type and order.
inline const QString kProgramListQuery = QStringLiteral(
    "SELECT     AP_Master_TAB.*, AP_TypesMaster_TAB.SysTerm AS SysTerm_MasterTypeID FROM         "
    "AP_Master_TAB INNER JOIN                      AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = "
    "AP_TypesMaster_TAB.MasterTypeID ORDER BY AP_Master_TAB.MasterTypeID, AP_Master_TAB.SortOrderUser");

// Every start shows the default selection and order again.
inline const QString kRestoreDefaultsStatement =
    QStringLiteral("UPDATE AP_Master_TAB SET UserSelection = DefaultSelection, SortOrderUser = SortOrderDef");

// A text placed between single quotes in a statement, apostrophes doubled so
// that an apostrophe in the text finds what it means.
QString sqlText(const QString& text);

// Whether a value is a whole number as a statement may take it unquoted
// (optional sign, digits, blanks around allowed).
bool isWholeNumber(const QString& value);

} // namespace tilvora::store
