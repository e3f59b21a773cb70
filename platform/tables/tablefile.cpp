#include "tablefile.h"

#include <QFile>
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
    for (const QString& entry :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
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
    const QFileInfo info(path);
    if (QFileInfo(findTableFile(info.absoluteDir(), info.fileName())).exists())
        throw TableError(label + QStringLiteral(": the file exists"));
    // Made new and empty first: a file that appears meanwhile is never overwritten.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw TableError(label + QStringLiteral(": ") + file.errorString());
    file.close();
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (rc != SQLITE_OK) raiseSqliteError(db, label);
        execute(db, QStringLiteral("PRAGMA journal_mode=WAL"), label);
        execute(db, createTableSql(tableName, fields), label);
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        throw;
    }
    sqlite3_close(db);
}

}  // namespace tables
