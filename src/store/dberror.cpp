#include "dberror.h"

namespace tilvora::store {

DbError::DbError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

} // namespace tilvora::store
