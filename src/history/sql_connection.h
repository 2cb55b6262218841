#pragma once

#include <QString>

namespace history {

// Closes and forgets a named database connection of this thread, if it is there; Qt refuses
// to remove one that is still open or still referred to.
void CloseConnection(const QString& name);

}  // namespace history
