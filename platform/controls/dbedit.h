#pragma once

#include <QLineEdit>

#include "editmask.h"
#include "fieldbinding.h"

namespace controls {

// A data-aware edit: shows its field in the current record under the field's edit mask, and
// writes what the user typed back into the field when the focus leaves it or the table settles
// or posts. Typing while the table is browsing starts editing only when the source's AutoEdit
// allows it; otherwise the key is refused.
class DBEdit : public QLineEdit, public tables::DataLink {
    Q_OBJECT
  public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(tables::DataSource* source);
    tables::DataSource* DataSource() const { return binding_.dataSource(); }
    void setDataField(const QString& name);
    QString DataField() const { return binding_.fieldName(); }
    // nullptr when unbound or while the table is closed.
    tables::Field* field() const { return binding_.field(); }

    // The text as the mask shows it, a blank for each empty position ("12/03/  "); the plain
    // text when the field has no mask.
    QString maskedText() const;

    void dataSetChanged() override;
    void fieldChanged(tables::Field* field) override;
    void stateChanged() override;
    void updateData() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void display();
    void applyFormat(const tables::Field* field);
    bool startChange();
    void changedOutsideKeys();
    int missingPosition() const;
    void writeField();
    void keepFocus(int cursor);

    FieldBinding binding_{this};
    QString fieldMask_;
    EditMask mask_;
    QString shown_;          // the field's value as last displayed
    bool holdText_ = false;  // while starting an edit: the text on screen is the user's
    bool refocusPending_ = false;
};

}  // namespace controls
