#pragma once

#include <QDir>
#include <QString>
#include <vector>

#include "fielddef.h"

namespace tables {

// The path of the file `name` in `dir`, its name matched without regard to letter case; the
// path as named when no such file exists.
QString findTableFile(const QDir& dir, const QString& name);

// The SQL that creates the table of a table file: one column per field, text never NULL and
// never longer than its width, dates as 'YYYY-MM-DD' or NULL.
QString createTableSql(const QString& tableName, const std::vector<FieldDef>& fields);

// Creates a new table file holding one empty table, with no secondary index. Refuses (throws
// TableError) when the file exists.
void createTableFile(const QString& path, const QString& tableName,
                     const std::vector<FieldDef>& fields);

}  // namespace tables
