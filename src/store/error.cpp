#include "error.h"

namespace tilvora::store {

Error::Error(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message)
{
}

} // namespace tilvora::store
