// Changing a table: the edit buffer, settling, posting, cancelling and deleting.
#include <QDate>
#include <sqlite3.h>

#include "datasource.h"
#include "shortdate.h"
#include "table.h"
#include "tableerror.h"

namespace tables {

namespace {

// A text cut to a width counted in characters (a surrogate pair is one character).
QString cutToWidth(const QString& text, int width) {
    if (width <= 0) return text;
    qsizetype i = 0;
    for (int count = 0; i < text.size(); ++count) {
        if (count == width) return text.left(i);
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                 ? 2
                 : 1;
    }
    return text;
}

// A date edit left empty shows only blanks and its separators ("  /  /  ").
bool isBlankDate(const QString& text, QChar separator) {
    for (QChar c : text)
        if (!c.isSpace() && c != separator && c != QLatin1Char('_')) return false;
    return true;
}

QString displayDate(std::string_view iso) {
    const QString text = QString::fromUtf8(iso.data(), qsizetype(iso.size()));
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? ShortDateFormat::program().format(date) : text;
}

}  // namespace

QString Table::fieldText(const Field& field) const {
    const size_t position = size_t(field.position());
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        if (editNulls_[position]) return {};
        const QString& value = editValues_[position];
        if (field.DataType() == FieldType::Date) return displayDate(value.toStdString());
        return value;
    }
    if (!Active() || !hasCurrent_) return {};
    const int column = fieldColumns_[position];
    if (current_.nulls[size_t(column)]) return {};
    const std::string_view raw = current_.value(column);
    if (field.DataType() == FieldType::Date) return displayDate(raw);
    return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
}

bool Table::fieldIsNull(const Field& field) const {
    const size_t position = size_t(field.position());
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return editNulls_[position] || (field.DataType() == FieldType::Text &&
                                        editValues_[position].isEmpty());
    if (!Active() || !hasCurrent_) return true;
    const int column = fieldColumns_[position];
    return current_.nulls[size_t(column)] || current_.value(column).empty();
}

void Table::setFieldText(Field& field, const QString& text) {
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        throw TableError(messages::notEditing);
    const size_t position = size_t(field.position());
    if (field.DataType() == FieldType::Date) {
        const ShortDateFormat format = ShortDateFormat::program();
        if (isBlankDate(text, format.separator)) {
            editNulls_[position] = 1;
            editValues_[position].clear();
        } else {
            const auto date = convertShortDate(text, format, QDate::currentDate());
            if (!date) throw TableError(messages::invalidDate.arg(text));
            editNulls_[position] = 0;
            editValues_[position] = date->toString(Qt::ISODate);
        }
    } else {
        editNulls_[position] = 0;
        editValues_[position] = cutToWidth(text, field.Size());
    }
    modified_ = true;
    notifyFieldChanged(&field);
}

void Table::clearField(Field& field) {
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        throw TableError(messages::notEditing);
    const size_t position = size_t(field.position());
    editValues_[position].clear();
    editNulls_[position] = field.DataType() == FieldType::Date ? 1 : 0;
    modified_ = true;
    notifyFieldChanged(&field);
}

void Table::Append() {
    checkActive();
    settle();
    beforeInsert_ = current_;
    hadCurrentBeforeInsert_ = hasCurrent_;
    editValues_.assign(fields_.size(), QString());
    editNulls_.assign(fields_.size(), 0);
    for (Field* field : fields_)
        if (field->DataType() == FieldType::Date) editNulls_[size_t(field->position())] = 1;
    modified_ = false;
    setState(TableState::Insert);
    notifyDataSetChanged();
}

void Table::Edit() {
    checkActive();
    if (state_ == TableState::Edit || state_ == TableState::Insert) return;
    settle();
    if (!hasCurrent_) First();
    if (!hasCurrent_) {
        Append();
        return;
    }
    // Edit what the file holds now: another table object on the file may have changed it.
    if (!readRow(current_.rowid, current_))
        throw TableError(file_->label() + QStringLiteral(": Record/Key deleted"));
    editValues_.assign(fields_.size(), QString());
    editNulls_.assign(fields_.size(), 0);
    for (Field* field : fields_) {
        const size_t position = size_t(field->position());
        const int column = fieldColumns_[position];
        editNulls_[position] = current_.nulls[size_t(column)];
        const std::string_view raw = current_.value(column);
        editValues_[position] = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    }
    modified_ = false;
    setState(TableState::Edit);
}

void Table::Post() {
    checkActive();
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        for (DataSource* source : std::vector<DataSource*>(sources_)) source->updateRecord();
        writeRecord();
    } else if (state_ == TableState::SetKey) {
        setState(TableState::Browse);
    }
}

void Table::CheckBrowseMode() {
    checkActive();
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        for (DataSource* source : std::vector<DataSource*>(sources_)) source->updateRecord();
        if (modified_)
            writeRecord();
        else
            Cancel();
    } else if (state_ == TableState::SetKey) {
        setState(TableState::Browse);
    }
}

void Table::SetKey() {
    checkActive();
    settle();
    setState(TableState::SetKey);
}

void Table::Cancel() {
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        if (state_ == TableState::Insert) {
            current_ = beforeInsert_;
            hasCurrent_ = hadCurrentBeforeInsert_;
        }
        editValues_.clear();
        editNulls_.clear();
        modified_ = false;
        setState(TableState::Browse);
        notifyDataSetChanged();
    } else if (state_ == TableState::SetKey) {
        setState(TableState::Browse);
    }
}

void Table::bindEditValues(Statement& statement) const {
    for (size_t position = 0; position < fields_.size(); ++position) {
        if (editNulls_[position] && fields_[position]->DataType() == FieldType::Date)
            statement.bindNull(int(position) + 1);
        else
            statement.bindText(int(position) + 1, editValues_[position]);
    }
}

void Table::writeRecord() {
    file_->beginWrite();
    const bool aheadValid = ahead_.generation == file_->generation();
    if (state_ == TableState::Insert) {
        {
            SharedFile::Lease insert = file_->statement(insertSql_);
            bindEditValues(*insert);
            insert->run();
        }
        const std::int64_t rowid = sqlite3_last_insert_rowid(file_->db());
        file_->wrote();
        file_->countChanged(+1);
        readRow(rowid, current_);
        hasCurrent_ = true;
        // The new record may fall among the rows read ahead: read again from it.
        ahead_.clear();
        aheadLimit_ = 0;
    } else {
        const std::vector<std::string> keysBefore = keyValues(current_);
        const std::vector<bool> nullsBefore = keyNulls(current_);
        {
            SharedFile::Lease update = file_->statement(updateSql_);
            bindEditValues(*update);
            update->bindInt(int(fields_.size()) + 1, current_.rowid);
            update->run();
        }
        if (sqlite3_changes(file_->db()) == 0)
            throw TableError(file_->label() + QStringLiteral(": Record/Key deleted"));
        file_->wrote();
        readRow(current_.rowid, current_);
        // The rows after the current one are untouched unless the record moved in the order.
        if (!aheadValid || keyValues(current_) != keysBefore || keyNulls(current_) != nullsBefore) {
            ahead_.clear();
            aheadLimit_ = 0;
        }
    }
    ahead_.generation = file_->generation();
    editValues_.clear();
    editNulls_.clear();
    modified_ = false;
    eof_ = bof_ = false;
    setState(TableState::Browse);
    notifyDataSetChanged();
}

void Table::Delete() {
    checkActive();
    if (state_ == TableState::Insert || state_ == TableState::SetKey) {
        Cancel();
        return;
    }
    if (!hasCurrent_) {
        if (file_->recordCount() == 0) throw TableError(messages::emptyDataset);
        First();
    }
    file_->beginWrite();
    const bool aheadValid = ahead_.generation == file_->generation();
    {
        SharedFile::Lease remove = file_->statement(deleteSql_);
        remove->bindInt(1, current_.rowid);
        remove->run();
    }
    const bool removed = sqlite3_changes(file_->db()) > 0;
    file_->wrote();
    if (removed) file_->countChanged(-1);
    editValues_.clear();
    editNulls_.clear();
    modified_ = false;
    setState(TableState::Browse);

    // The record that followed becomes current; after the last, the new last one.
    if (!aheadValid) {
        ahead_.clear();
        aheadLimit_ = 0;
    }
    ahead_.generation = file_->generation();
    RawRow previous;
    if (ahead_.next < ahead_.rows() || readAhead()) {
        ahead_.take(ahead_.next++, columnCount_, current_);
        eof_ = bof_ = false;
    } else if (readBackward(previous)) {
        current_ = std::move(previous);
        ahead_.clear();
        ahead_.generation = file_->generation();
        eof_ = bof_ = false;
    } else {
        becomeEmpty();
    }
    notifyDataSetChanged();
}

}  // namespace tables
