#include "collectionfiles.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "platform/tables/collation.h"
#include "platform/tables/sqlitedb.h"
#include "platform/tables/tablefile.h"

namespace collectionfiles {

QString tablePath(const QDir& dir, const catalogue::TableEntry& table) {
    return tables::findTableFile(dir, table.fileName);
}

QStringList presentTableFiles(const QDir& dir) {
    QStringList present;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        const QString path = tablePath(dir, table);
        if (QFileInfo::exists(path)) present << QFileInfo(path).fileName();
    }
    return present;
}

void copyTableFile(const QDir& from, const QDir& to, const catalogue::TableEntry& table) {
    const QString source = tablePath(from, table);
    const QString target = to.absoluteFilePath(QFileInfo(source).fileName());
    for (const QString& suffix : {QString(), QStringLiteral("-wal")}) {
        if (!suffix.isEmpty() && !QFileInfo::exists(source + suffix)) continue;
        if (!QFile::copy(source + suffix, target + suffix))
            throw std::runtime_error((QStringLiteral("cannot copy ") + source + suffix +
                                      QStringLiteral(" to ") + target + suffix)
                                         .toStdString());
    }
}

void copyTableFiles(const QDir& from, const QDir& to) {
    for (const catalogue::TableEntry& table : catalogue::tableEntries())
        copyTableFile(from, to, table);
}

void removeTableFiles(const QDir& dir) {
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        const QString path = tablePath(dir, table);
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                      QStringLiteral("-journal")})
            QFile::remove(path + suffix);
    }
}

QString createIndexSql(const catalogue::IndexEntry& index) {
    const catalogue::TableEntry& table = catalogue::tableEntry(index.table);
    QStringList columns;
    for (const QString& wanted : index.fields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const catalogue::FieldEntry* found = nullptr;
        for (const catalogue::FieldEntry& field : table.fields)
            if (field.def.name.compare(wanted.trimmed(), Qt::CaseInsensitive) == 0) found = &field;
        if (!found)
            throw std::runtime_error(
                (QStringLiteral("no field ") + wanted + QStringLiteral(" in ") + table.name)
                    .toStdString());
        QString column = tables::quotedIdentifier(found->def.name);
        if (found->def.type == tables::FieldType::Text)
            column += QStringLiteral(" COLLATE ") + QLatin1String(tables::kCollationName);
        columns << column;
    }
    return QStringLiteral("CREATE INDEX ") + tables::quotedIdentifier(index.name) +
           QStringLiteral(" ON ") + tables::quotedIdentifier(table.name) + QStringLiteral(" (") +
           columns.join(QStringLiteral(", ")) + QStringLiteral(")");
}

}  // namespace collectionfiles
