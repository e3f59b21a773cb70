// Moving through a table: reading rows ahead in the current order, keyed search.

#include <QDate>

#include "cursorsql.h"
#include "shortdate.h"
#include "table.h"
#include "tableerror.h"

namespace tables {

namespace {
// A walk reads a few rows first (a keyed search is often followed by few steps), then ever
// larger batches.
constexpr size_t kFirstBatch = 32;
constexpr size_t kLargestBatch = 4096;
}  // namespace

std::vector<bool> Table::keyNulls(const RawRow& row) const {
    std::vector<bool> nulls;
    for (int column : keyColumns_) nulls.push_back(row.nulls[size_t(column)] != 0);
    return nulls;
}

std::vector<std::string> Table::keyValues(const RawRow& row) const {
    std::vector<std::string> values;
    for (int column : keyColumns_) values.emplace_back(row.value(column));
    return values;
}

void Table::loadRows(const OrderedQuery& query, const std::vector<std::string>& keys,
                     std::int64_t rowid, size_t limit, ReadAhead& into) {
    SharedFile::Lease statement = file_->statement(query.sql);
    int parameter = 1;
    for (int level : query.keyParams) statement->bindText(parameter++, keys[size_t(level)]);
    if (query.bindsRowid) statement->bindInt(parameter++, rowid);
    statement->bindInt(parameter, std::int64_t(limit));
    while (statement->step()) appendRow(*statement, into);
}

// Copies the statement's current row (every column, then the rowid) to the end of `into`.
void Table::appendRow(const Statement& statement, ReadAhead& into) const {
    for (int c = 0; c < columnCount_; ++c) {
        const bool isNull = statement.columnIsNull(c);
        into.nulls.push_back(isNull ? 1 : 0);
        if (!isNull) into.bytes.append(statement.columnText(c));
        into.ends.push_back(int(into.bytes.size()));
    }
    into.rowids.push_back(statement.columnInt(columnCount_));
}

bool Table::readRow(std::int64_t rowid, RawRow& into) {
    ReadAhead row;
    SharedFile::Lease statement = file_->statement(selectByRowid_);
    statement->bindInt(1, rowid);
    if (!statement->step()) return false;
    appendRow(*statement, row);
    row.take(0, columnCount_, into);
    return true;
}

// Fills the read-ahead with the rows that follow the current record.
bool Table::readAhead() {
    ahead_.clear();
    ahead_.generation = file_->generation();
    if (!hasCurrent_) return false;
    aheadLimit_ = aheadLimit_ == 0 ? kFirstBatch : std::min(aheadLimit_ * 2, kLargestBatch);
    const std::vector<std::string> keys = keyValues(current_);
    for (const OrderedQuery& branch : cursor_->continuation(true, keyNulls(current_))) {
        loadRows(branch, keys, current_.rowid, aheadLimit_ - ahead_.rows(), ahead_);
        if (ahead_.rows() >= aheadLimit_) break;
    }
    return ahead_.rows() > 0;
}

bool Table::readBackward(RawRow& into) {
    const std::vector<std::string> keys = keyValues(current_);
    for (const OrderedQuery& branch : cursor_->continuation(false, keyNulls(current_))) {
        ReadAhead row;
        loadRows(branch, keys, current_.rowid, 1, row);
        if (row.rows() > 0) {
            row.take(0, columnCount_, into);
            return true;
        }
    }
    return false;
}

void Table::landOnFirstOf(ReadAhead& rows) {
    rows.take(0, columnCount_, current_);
    rows.next = 1;
    hasCurrent_ = true;
    eof_ = bof_ = false;
}

void Table::becomeEmpty() {
    hasCurrent_ = false;
    current_ = RawRow{};
    ahead_.clear();
    ahead_.generation = file_->generation();
    eof_ = bof_ = true;
}

void Table::First() {
    checkActive();
    settle();
    goFirst(kFirstBatch + 1);
}

void Table::goFirst(size_t rows) {
    ahead_.clear();
    ahead_.generation = file_->generation();
    aheadLimit_ = rows - 1 >= kFirstBatch ? rows - 1 : 0;
    loadRows(cursor_->first(false), {}, 0, rows, ahead_);
    if (ahead_.rows() == 0) {
        becomeEmpty();
    } else {
        landOnFirstOf(ahead_);
        bof_ = true;
    }
    notifyDataSetChanged();
}

void Table::Next() {
    checkActive();
    settle();
    if (!hasCurrent_) {
        eof_ = true;
        return;
    }
    if (ahead_.generation != file_->generation()) aheadLimit_ = 0;  // stale: start small again
    if (ahead_.generation != file_->generation() || ahead_.next >= ahead_.rows()) {
        if (!readAhead()) {
            // Controls that show the ends (a navigator) learn that the end was reached.
            if (!eof_) {
                eof_ = true;
                notifyDataSetChanged();
            }
            return;
        }
    }
    ahead_.take(ahead_.next++, columnCount_, current_);
    eof_ = bof_ = false;
    notifyDataSetChanged();
}

void Table::Prior() {
    checkActive();
    settle();
    RawRow row;
    if (!hasCurrent_ || !readBackward(row)) {
        if (!bof_) {
            bof_ = true;
            notifyDataSetChanged();
        }
        return;
    }
    current_ = std::move(row);
    ahead_.clear();
    ahead_.generation = file_->generation();
    aheadLimit_ = 0;
    eof_ = bof_ = false;
    notifyDataSetChanged();
}

void Table::Last() {
    checkActive();
    settle();
    ReadAhead last;
    loadRows(cursor_->first(true), {}, 0, 1, last);
    if (last.rows() == 0) {
        becomeEmpty();
    } else {
        last.take(0, columnCount_, current_);
        hasCurrent_ = true;
        ahead_.clear();
        ahead_.generation = file_->generation();
        aheadLimit_ = 0;
        eof_ = bof_ = false;
    }
    notifyDataSetChanged();
}

bool Table::FindKey(const QStringList& values) {
    checkActive();
    settle();
    const size_t keyCount = cursor_->keys().size();
    if (keyCount == 0) throw TableError(messages::noIndex);
    if (size_t(values.size()) > keyCount) throw TableError(messages::tooManyKeys.arg(indexName_));

    std::vector<std::string> keys(keyCount);
    std::vector<bool> nulls;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const KeyColumn& key = cursor_->keys()[size_t(i)];
        bool isNull = false;
        if (key.nullable) {
            const QString text = values[i];
            if (text.trimmed().isEmpty()) {
                isNull = true;
            } else {
                const auto date =
                    convertShortDate(text, ShortDateFormat::program(), QDate::currentDate());
                if (!date) throw TableError(messages::invalidDate.arg(text));
                keys[size_t(i)] = date->toString(Qt::ISODate).toStdString();
            }
        } else {
            keys[size_t(i)] = values[i].toStdString();
        }
        nulls.push_back(isNull);
    }

    // The record found and the one after it: a search is often followed by no step or one,
    // and a longer walk reads its own batches from there.
    ReadAhead found;
    found.generation = file_->generation();
    loadRows(cursor_->findKey(nulls), keys, 0, 2, found);
    if (found.rows() == 0) return false;
    // The rows found are consecutive in the order: they serve as the read-ahead.
    ahead_ = std::move(found);
    aheadLimit_ = 0;
    landOnFirstOf(ahead_);
    notifyDataSetChanged();
    return true;
}

}  // namespace tables
