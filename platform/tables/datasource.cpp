#include "datasource.h"

#include <algorithm>

#include "table.h"

namespace tables {

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::~DataSource() {
    if (table_) table_->detachSource(this);
}

void DataSource::SetDataSet(Table* table) {
    if (table_ == table) return;
    if (table_) table_->detachSource(this);
    table_ = table;
    if (table_) table_->attachSource(this);
    notifyDataSetChanged();
}

bool DataSource::Edit() {
    if (!table_) return false;
    if (autoEdit_ && table_->State() == TableState::Browse) table_->Edit();
    return table_->State() == TableState::Edit || table_->State() == TableState::Insert;
}

void DataSource::addLink(DataLink* link) {
    if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void DataSource::removeLink(DataLink* link) {
    links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

// A link may add or remove links while it is told; each call works on a copy of the list.
void DataSource::notifyDataSetChanged() {
    const auto links = links_;
    for (DataLink* link : links) link->dataSetChanged();
}

void DataSource::notifyFieldChanged(Field* field) {
    const auto links = links_;
    for (DataLink* link : links) link->fieldChanged(field);
}

void DataSource::notifyStateChanged() {
    const auto links = links_;
    for (DataLink* link : links) link->stateChanged();
}

void DataSource::updateRecord() {
    const auto links = links_;
    for (DataLink* link : links) link->updateData();
}

}  // namespace tables
