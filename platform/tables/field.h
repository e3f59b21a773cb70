#pragma once

#include <QObject>
#include <QString>

#include "fielddef.h"

namespace tables {

class Table;

// A field of a table: reads and writes its value in the table's current record. Persistent
// fields live as long as their table; fields made from the file at open live until close.
class Field : public QObject {
    Q_OBJECT
public:
    Field(Table* table, FieldDef def, int position);

    const QString& FieldName() const { return def_.name; }
    FieldType DataType() const { return def_.type; }
    int Size() const { return def_.width; }
    const QString& EditMask() const { return def_.editMask; }
    const FieldDef& definition() const { return def_; }
    Table* DataSet() const { return table_; }
    int position() const { return position_; }

    // The value as text: "" for an empty field, a date in the program's short date format.
    QString AsString() const;
    // Only while editing or inserting; cuts text to the width, converts a date, and makes the
    // record count as changed.
    void SetAsString(const QString& text);
    bool IsNull() const;
    void Clear();

private:
    Table* table_;
    FieldDef def_;
    int position_;
};

}  // namespace tables
