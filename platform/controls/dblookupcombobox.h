#pragma once

#include <QComboBox>
#include <memory>

#include "fieldbinding.h"

namespace controls {

// A data-aware lookup list: offers the ListField values of every record of the ListSource's
// table, in that table's current order, and stores the chosen record's KeyField value into its
// own DataField. The list is read through a table object of its own on the same file, so the
// shared table's current record never moves; it is read again when the list table has changed
// and the list is about to be seen.
class DBLookupComboBox : public QComboBox, public tables::DataLink {
    Q_OBJECT
  public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);
    ~DBLookupComboBox() override;

    void setDataSource(tables::DataSource* source);
    tables::DataSource* DataSource() const { return binding_.dataSource(); }
    void setDataField(const QString& name);
    QString DataField() const { return binding_.fieldName(); }
    void setListSource(tables::DataSource* source);
    tables::DataSource* ListSource() const { return list_.dataSource(); }
    void setListField(const QString& name);
    QString ListField() const { return list_.fieldName(); }
    void setKeyField(const QString& name);
    QString KeyField() const { return keyField_; }

    // The text shown: the list entry of the current record's DataField value, or "".
    QString Text() const;

    void showPopup() override;

    void dataSetChanged() override { display(); }
    void fieldChanged(tables::Field* field) override;
    void stateChanged() override { display(); }

  signals:
    // The user chose an entry and its key is now in the DataField.
    void chosen();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Follows the list table: any change may change the list.
    struct ListLink : tables::DataLink {
        explicit ListLink(DBLookupComboBox* owner) : owner(owner) {}
        void dataSetChanged() override { owner->listChanged(); }
        void fieldChanged(tables::Field*) override { owner->listChanged(); }
        void stateChanged() override { owner->listChanged(); }
        DBLookupComboBox* owner;
    };

    void listChanged();
    void refill();
    void refillIfStale();
    tables::Table& reader(const tables::Table& list);
    void display();
    void choose(int index);

    FieldBinding binding_{this};
    ListLink listLink_{this};
    FieldBinding list_{&listLink_};
    QString keyField_;
    bool stale_ = true;
    std::unique_ptr<tables::Table> reader_;
};

}  // namespace controls
