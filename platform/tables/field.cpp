#include "field.h"

#include "table.h"

namespace tables {

Field::Field(Table* table, FieldDef def, int position)
    : QObject(table), table_(table), def_(std::move(def)), position_(position) {}

QString Field::AsString() const { return table_->fieldText(*this); }

void Field::SetAsString(const QString& text) { table_->setFieldText(*this, text); }

bool Field::IsNull() const { return table_->fieldIsNull(*this); }

void Field::Clear() { table_->clearField(*this); }

}  // namespace tables
