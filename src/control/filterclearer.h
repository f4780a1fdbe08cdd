#pragma once

#include "store/recordset.h"

#include <QString>

namespace tilvora::control {

// Readers narrow gPrograms with filters while they walk one type of program;
// this puts the record set back to all programs on every way out, failures
// included.
class FilterClearer {
public:
    explicit FilterClearer(store::RecordSet& records) : m_records(records) { }
    ~FilterClearer()
    {
        try {
            m_records.setFilter(QString());
        } catch (...) {
        }
    }
    FilterClearer(const FilterClearer&) = delete;
    FilterClearer& operator=(const FilterClearer&) = delete;

private:
    store::RecordSet& m_records;
};

} // namespace tilvora::control
