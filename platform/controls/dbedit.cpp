#include "dbedit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "errorhook.h"
#include "platform/tables/field.h"
#include "platform/tables/table.h"
#include "platform/tables/tableerror.h"

namespace controls {

namespace {

// Set while an edit takes the focus back: the control losing it then is not being left.
bool refocusing = false;

bool changesText(const QKeyEvent& event) {
    for (QKeySequence::StandardKey key :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::Delete, QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (event.matches(key)) return true;
    if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete) return true;
    if (event.modifiers() & Qt::ControlModifier) return false;
    return !event.text().isEmpty() && event.text().front().isPrint();
}

// Focus changes that leave the control; a window losing activation or a popup opening do not.
bool leavesControl(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

}  // namespace

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!binding_.takesChanges()) changedOutsideKeys();
    });
}

void DBEdit::setDataSource(tables::DataSource* source) {
    binding_.setDataSource(source);
    display();
}

void DBEdit::setDataField(const QString& name) {
    binding_.setFieldName(name);
    display();
}

QString DBEdit::maskedText() const {
    return mask_.isEmpty() ? text() : mask_.maskedText(displayText());
}

void DBEdit::dataSetChanged() { display(); }

void DBEdit::fieldChanged(tables::Field* changed) {
    if (changed == field()) display();
}

void DBEdit::stateChanged() { display(); }

void DBEdit::updateData() {
    if (isModified() && field()) writeField();
}

void DBEdit::applyFormat(const tables::Field* bound) {
    const QString fieldMask = bound ? bound->EditMask() : QString();
    if (fieldMask != fieldMask_) {
        fieldMask_ = fieldMask;
        mask_ = EditMask(fieldMask);
        setInputMask(mask_.inputMask());
    }
    // Setting the length sets the text again, losing the cursor and the modified flag.
    const bool limited = mask_.isEmpty() && bound && bound->DataType() == tables::FieldType::Text &&
                         bound->Size() > 0;
    const int length = limited ? bound->Size() : 32767;
    if (mask_.isEmpty() && length != maxLength()) setMaxLength(length);
}

void DBEdit::display() {
    const tables::Field* bound = field();
    applyFormat(bound);
    if (holdText_) return;
    shown_ = bound ? bound->AsString() : QString();
    setText(shown_);
}

bool DBEdit::startChange() {
    holdText_ = true;
    const bool takes = binding_.startChange();
    holdText_ = false;
    // Starting the edit may have moved to another record (an empty table gets a new one).
    const tables::Field* bound = field();
    if (takes && bound && bound->AsString() != shown_) display();
    return takes;
}

// A change that came by another way than a key (the context menu, a drop) while the table was
// not taking changes: start editing after the fact, or undo it.
void DBEdit::changedOutsideKeys() {
    if (startChange()) return;
    QApplication::beep();
    display();
}

int DBEdit::missingPosition() const {
    return mask_.isEmpty() || !isModified() ? -1 : mask_.firstMissing(displayText());
}

void DBEdit::writeField() {
    field()->SetAsString(maskedText());
    setModified(false);
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            if (isModified()) {
                display();
                selectAll();
                event->accept();
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (const int missing = missingPosition(); missing >= 0) {
                QApplication::beep();
                setCursorPosition(missing);
                reportError(tables::TableError(messages::invalidInput));
                event->accept();
                return;
            }
            break;
        default:
            if (changesText(*event) && !binding_.takesChanges() && !startChange()) {
                QApplication::beep();
                event->accept();
                return;
            }
    }
    QLineEdit::keyPressEvent(event);
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (refocusing || refocusPending_ || !isModified() || !leavesControl(event->reason()) ||
        !isVisible() || !QApplication::focusWidget())
        return;
    if (const int missing = missingPosition(); missing >= 0) {
        QApplication::beep();
        keepFocus(missing);
        reportError(tables::TableError(messages::invalidInput));
        return;
    }
    if (!field()) return;
    try {
        writeField();
    } catch (const std::exception& error) {
        keepFocus(-1);
        reportError(error);
    }
}

// Takes the focus back once the focus change in progress is over; -1 selects the whole text.
void DBEdit::keepFocus(int cursor) {
    refocusPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, cursor] {
            refocusPending_ = false;
            if (!isVisible() || !isEnabled()) return;
            refocusing = true;
            setFocus(Qt::OtherFocusReason);
            refocusing = false;
            if (cursor >= 0)
                setCursorPosition(cursor);
            else
                selectAll();
        },
        Qt::QueuedConnection);
}

}  // namespace controls
