#include "history/sql_connection.h"

#include <QSqlDatabase>

namespace history {

void CloseConnection(const QString& name) {
  if (!QSqlDatabase::contains(name)) return;
  QSqlDatabase::database(name, false).close();
  QSqlDatabase::removeDatabase(name);
}

}  // namespace history
