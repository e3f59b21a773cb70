#include "dblookupcombobox.h"

#include <QApplication>
#include <QSignalBlocker>

#include "errorhook.h"
#include "platform/tables/field.h"
#include "platform/tables/table.h"

namespace controls {

DBLookupComboBox::DBLookupComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::choose);
}

DBLookupComboBox::~DBLookupComboBox() = default;

void DBLookupComboBox::setDataSource(tables::DataSource* source) {
    binding_.setDataSource(source);
    display();
}

void DBLookupComboBox::setDataField(const QString& name) {
    binding_.setFieldName(name);
    display();
}

void DBLookupComboBox::setListSource(tables::DataSource* source) {
    list_.setDataSource(source);
    listChanged();
}

void DBLookupComboBox::setListField(const QString& name) {
    list_.setFieldName(name);
    listChanged();
}

void DBLookupComboBox::setKeyField(const QString& name) {
    keyField_ = name;
    listChanged();
}

QString DBLookupComboBox::Text() const { return currentIndex() >= 0 ? currentText() : QString(); }

void DBLookupComboBox::fieldChanged(tables::Field* field) {
    if (field == binding_.field()) display();
}

void DBLookupComboBox::listChanged() {
    stale_ = true;
    // A closed list table lets go of its file.
    if (!list_.openTable()) reader_.reset();
}

void DBLookupComboBox::showPopup() {
    refillIfStale();
    QComboBox::showPopup();
}

void DBLookupComboBox::showEvent(QShowEvent* event) {
    QComboBox::showEvent(event);
    refillIfStale();
}

void DBLookupComboBox::refillIfStale() {
    if (stale_) runReporting([this] { refill(); });
}

// The list table object's twin: same file, not exclusive, the fields as the file has them.
tables::Table& DBLookupComboBox::reader(const tables::Table& list) {
    if (!reader_ || !reader_->Active() ||
        reader_->TableName().compare(list.TableName(), Qt::CaseInsensitive) != 0) {
        reader_.reset();
        auto table = std::make_unique<tables::Table>();
        table->SetTableName(list.TableName());
        table->SetExclusive(false);
        table->Open();
        reader_ = std::move(table);
    }
    return *reader_;
}

void DBLookupComboBox::refill() {
    stale_ = false;
    QStringList texts;
    QStringList keys;
    const tables::Table* list = list_.openTable();
    if (list && !list_.fieldName().isEmpty()) {
        tables::Table& table = reader(*list);
        table.SetIndexName(list->IndexName());
        const tables::Field& text = table.FieldByName(list_.fieldName());
        const tables::Field& key =
            table.FieldByName(keyField_.isEmpty() ? list_.fieldName() : keyField_);
        for (table.First(); !table.Eof(); table.Next()) {
            texts << text.AsString();
            keys << key.AsString();
        }
    }
    {
        const QSignalBlocker blocker(this);
        clear();
        for (qsizetype i = 0; i < texts.size(); ++i) addItem(texts[i], keys[i]);
    }
    display();
}

void DBLookupComboBox::display() {
    const tables::Field* field = binding_.field();
    const QString value = field ? field->AsString() : QString();
    int index = value.isEmpty() ? -1 : findData(value);
    // The entry may be new in a list that has not been read since.
    if (index < 0 && !value.isEmpty() && stale_ && isVisible()) {
        runReporting([this] { refill(); });
        return;
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void DBLookupComboBox::choose(int index) {
    const QString key = itemData(index).toString();
    if (index < 0 || !binding_.startChange()) {
        QApplication::beep();
        display();
        return;
    }
    if (!runReporting([&] { binding_.field()->SetAsString(key); })) {
        display();
        return;
    }
    runReporting([this] { emit chosen(); });
}

}  // namespace controls
