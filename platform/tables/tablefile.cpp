#include "tablefile.h"

#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

#include "sqlitedb.h"
#include "tableerror.h"

namespace tables {

QString findTableFile(const QDir& dir, const QString& name) {
    const QFileInfo given(dir, name);
    if (given.exists()) return given.absoluteFilePath();
    const QDir folder = given.absoluteDir();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden))
        if (entry.compare(given.fileName(), Qt::CaseInsensitive) == 0)
            return folder.absoluteFilePath(entry);
    return given.absoluteFilePath();
}

QString createTableSql(const QString& tableName, const std::vector<FieldDef>& fields) {
    QStringList columns;
    for (const FieldDef& field : fields) {
        const QString name = quotedIdentifier(field.name);
        if (field.type == FieldType::Date) {
            columns << name + QStringLiteral(" DATE CHECK (") + name + QStringLiteral(" IS NULL OR ") +
                           name +
                           QStringLiteral(" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]')");
        } else {
            columns << name + QStringLiteral(" VARCHAR(%1) NOT NULL DEFAULT '' CHECK (length(")
                                  .arg(field.width) +
                           name + QStringLiteral(") <= %1)").arg(field.width);
        }
    }
    return QStringLiteral("CREATE TABLE ") + quotedIdentifier(tableName) + QStringLiteral(" (") +
           columns.join(QStringLiteral(", ")) + QStringLiteral(")");
}

void createTableFile(const QString& path, const QString& tableName,
                     const std::vector<FieldDef>& fields) {
    const QString label = QFileInfo(path).fileName();
    if (QFileInfo::exists(path)) throw TableError(label + QStringLiteral(": the file exists"));
    sqlite3* db = nullptr;
    // EXCLUSIVE creation: a file that appears meanwhile is not overwritten either.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        throw TableError(label + QStringLiteral(": ") + text);
    }
    try {
        execute(db, QStringLiteral("PRAGMA journal_mode=WAL"), label);
        execute(db, createTableSql(tableName, fields), label);
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

}  // namespace tables
