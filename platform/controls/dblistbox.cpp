#include "dblistbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "errorhook.h"
#include "platform/tables/field.h"

namespace controls {

DBListBox::DBListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void DBListBox::setDataSource(tables::DataSource* source) {
    binding_.setDataSource(source);
    display();
}

void DBListBox::setDataField(const QString& name) {
    binding_.setFieldName(name);
    display();
}

void DBListBox::fieldChanged(tables::Field* changed) {
    if (changed == field()) display();
}

void DBListBox::display() {
    const tables::Field* bound = field();
    const QString value = bound ? bound->AsString() : QString();
    // Of several equal items, the one the user picked stays highlighted.
    if (currentItem() && currentItem()->isSelected() && currentItem()->text() == value) return;
    const QList<QListWidgetItem*> found =
        value.isEmpty() ? QList<QListWidgetItem*>()
                        : findItems(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        setCurrentItem(nullptr);
        clearSelection();
    } else {
        setCurrentItem(found.front());
    }
}

void DBListBox::pickCurrent() {
    const QString text = currentItem()->text();
    if (!binding_.startChange()) {
        QApplication::beep();
        display();
        return;
    }
    if (!runReporting([&] { field()->SetAsString(text); })) display();
}

void DBListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentItem() && currentRow() != before) pickCurrent();
}

void DBListBox::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    const tables::Field* bound = field();
    if (currentItem() && itemAt(event->position().toPoint()) == currentItem() &&
        (currentRow() != before || !bound || currentItem()->text() != bound->AsString()))
        pickCurrent();
}

// Taking the focus does not pick an item: the highlight stays on the field's value.
void DBListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    display();
}

}  // namespace controls
