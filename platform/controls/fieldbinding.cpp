#include "fieldbinding.h"

#include "errorhook.h"
#include "platform/tables/field.h"
#include "platform/tables/table.h"

namespace controls {

FieldBinding::~FieldBinding() {
    if (source_) source_->removeLink(link_);
}

void FieldBinding::setDataSource(tables::DataSource* source) {
    if (source_ == source) return;
    if (source_) source_->removeLink(link_);
    source_ = source;
    if (source_) source_->addLink(link_);
}

void FieldBinding::setFieldName(const QString& name) { fieldName_ = name; }

tables::Table* FieldBinding::openTable() const {
    tables::Table* table = source_ ? source_->DataSet() : nullptr;
    return table && table->Active() ? table : nullptr;
}

tables::Field* FieldBinding::field() const {
    tables::Table* table = openTable();
    return table && !fieldName_.isEmpty() ? table->FindField(fieldName_) : nullptr;
}

bool FieldBinding::takesChanges() const {
    const tables::Table* table = openTable();
    return table && (table->State() == tables::TableState::Edit ||
                     table->State() == tables::TableState::Insert);
}

bool FieldBinding::startChange() {
    if (!field()) return false;
    bool takes = false;
    runReporting([&] { takes = source_->Edit(); });
    return takes && field() != nullptr;
}

}  // namespace controls
