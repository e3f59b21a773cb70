#pragma once

#include <QObject>
#include <vector>

namespace tables {

class Field;
class Table;

// What a data-aware control (or a report band) implements to follow a table through its data
// source.
class DataLink {
public:
    virtual ~DataLink() = default;
    // The current record, the whole record's values or the table's open state changed.
    virtual void dataSetChanged() {}
    // One field of the current record changed (by code or by another control).
    virtual void fieldChanged(Field* field) { (void)field; }
    // The table's state (browsing, editing, inserting, key entry, closed) changed.
    virtual void stateChanged() {}
    // The table is about to settle or post: write any text still pending into the field.
    virtual void updateData() {}
};

// Links one table to the controls that show and edit it.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    Table* DataSet() const { return table_; }
    void SetDataSet(Table* table);

    // Off: typing into a bound control while the table is browsing is refused.
    // On: the first keystroke puts the table into editing of the current record.
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool on) { autoEdit_ = on; }

    // Called by a control that is about to change its field: starts editing when AutoEdit
    // allows it, and answers whether the table now takes changes.
    bool Edit();

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

    // Called by the table.
    void notifyDataSetChanged();
    void notifyFieldChanged(Field* field);
    void notifyStateChanged();
    void updateRecord();

private:
    Table* table_ = nullptr;
    bool autoEdit_ = true;
    std::vector<DataLink*> links_;
};

}  // namespace tables
