#pragma once

#include <QPointer>
#include <QString>

#include "platform/tables/datasource.h"

namespace tables {
class Field;
}

namespace controls {

// The data source and field a control is bound to. Keeps the control's link registered with
// the source for as long as both exist; the field is looked up each time, since a table's
// fields may come and go with its opening.
class FieldBinding {
  public:
    explicit FieldBinding(tables::DataLink* link) : link_(link) {}
    ~FieldBinding();
    FieldBinding(const FieldBinding&) = delete;
    FieldBinding& operator=(const FieldBinding&) = delete;

    tables::DataSource* dataSource() const { return source_; }
    void setDataSource(tables::DataSource* source);
    const QString& fieldName() const { return fieldName_; }
    void setFieldName(const QString& name);

    // The bound table, when it is open.
    tables::Table* openTable() const;
    // The bound field; nullptr when unbound, when the table is closed or has no such field.
    tables::Field* field() const;
    // Whether the table is editing or inserting, so that the field takes a value.
    bool takesChanges() const;
    // Asks the source to start editing (it does so when AutoEdit allows it) and answers
    // whether the field now takes a value; what the table raises is reported.
    bool startChange();

  private:
    tables::DataLink* link_;
    QPointer<tables::DataSource> source_;
    QString fieldName_;
};

}  // namespace controls
