#pragma once

#include <QString>
#include <vector>

#include "platform/tables/fielddef.h"

// The catalogue: the four tables, their fields and the fourteen secondary indexes, written once.
// The table-files tool, the data module, the index rebuild and the start-up check all read it.
namespace catalogue {

struct FieldEntry {
    tables::FieldDef def;
    QString objectName;  // the data module's persistent field, e.g. "CDTitulo"
};

struct TableEntry {
    QString name;      // table object and SQL table, e.g. "CD"
    QString fileName;  // e.g. "CD.db"
    std::vector<FieldEntry> fields;
    std::vector<tables::FieldDef> fieldDefs() const;
};

struct IndexEntry {
    int order;       // the order in which the rebuild creates them, 1 to 14
    QString table;   // e.g. "Musica"
    QString name;    // e.g. "iartistatitulo"
    QString fields;  // ";"-separated, lower case, e.g. "artista;titulo"
};

// The edit mask of the three date fields.
inline const QString kDateMask = QStringLiteral("!99/99/00;1;_");

// In the order the data module opens them: Artista, CD, Retirada, Musica.
const std::vector<TableEntry>& tableEntries();
const TableEntry& tableEntry(const QString& name);

// In rebuild order.
const std::vector<IndexEntry>& indexEntries();

}  // namespace catalogue
