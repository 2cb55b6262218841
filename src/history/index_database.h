#pragma once

#include <QString>
#include <string>

namespace history {

// The schema version the index writes; a file of any other is set aside and rebuilt.
constexpr int kIndexSchemaVersion = 1;

// Opens the index's SQLite file on a Qt SQL connection of the given name, ready for use:
// its folder made when missing, WAL journal, the tables created in a new file, and a file
// that is not SQLite or holds another schema renamed to "<name>.damaged" and started anew.
// Returns why it could not be opened, or an empty text; the connection exists either way
// and the caller removes it.
std::string OpenIndexDatabase(const std::string& path, const QString& connection);

}  // namespace history
