#pragma once

#include <QListWidget>

#include "fieldbinding.h"

namespace controls {

// A data-aware list box: its window fills the items; the user's pick stores the item's text
// into the field, and the item equal to the field's value is highlighted.
class DBListBox : public QListWidget, public tables::DataLink {
    Q_OBJECT
  public:
    explicit DBListBox(QWidget* parent = nullptr);

    void setDataSource(tables::DataSource* source);
    tables::DataSource* DataSource() const { return binding_.dataSource(); }
    void setDataField(const QString& name);
    QString DataField() const { return binding_.fieldName(); }
    tables::Field* field() const { return binding_.field(); }

    void dataSetChanged() override { display(); }
    void fieldChanged(tables::Field* field) override;
    void stateChanged() override { display(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void display();
    void pickCurrent();

    FieldBinding binding_{this};
};

}  // namespace controls
