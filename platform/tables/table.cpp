#include "table.h"

#include <QDir>

#include "cursorsql.h"
#include "datasource.h"
#include "tablefile.h"
#include "tableerror.h"

namespace tables {

namespace {

// "VARCHAR(40)" → 40; a declared DATE column is a date field.
FieldDef definitionFromColumn(const ColumnInfo& column) {
    FieldDef def;
    def.name = column.name;
    const QString type = column.declaredType.toUpper();
    if (type.startsWith(QLatin1String("DATE"))) {
        def.type = FieldType::Date;
        def.editMask = QStringLiteral("!99/99/00;1;_");
        return def;
    }
    const qsizetype open = type.indexOf(QLatin1Char('('));
    const qsizetype close = type.indexOf(QLatin1Char(')'));
    if (open >= 0 && close > open) def.width = type.mid(open + 1, close - open - 1).toInt();
    return def;
}

}  // namespace

std::string_view RawRow::value(int column) const {
    const int start = column == 0 ? 0 : ends[size_t(column) - 1];
    return std::string_view(bytes).substr(size_t(start), size_t(ends[size_t(column)] - start));
}

void ReadAhead::clear() {
    bytes.clear();
    ends.clear();
    nulls.clear();
    rowids.clear();
    next = 0;
}

void ReadAhead::take(size_t row, int columns, RawRow& into) const {
    const size_t first = row * size_t(columns);
    const int start = first == 0 ? 0 : ends[first - 1];
    const int end = ends[first + size_t(columns) - 1];
    into.rowid = rowids[row];
    into.bytes.assign(bytes, size_t(start), size_t(end - start));
    into.ends.resize(size_t(columns));
    into.nulls.resize(size_t(columns));
    for (int c = 0; c < columns; ++c) {
        into.ends[size_t(c)] = ends[first + size_t(c)] - start;
        into.nulls[size_t(c)] = nulls[first + size_t(c)];
    }
}

Table::Table(QObject* parent) : QObject(parent) {}

Table::~Table() {
    Close();
    for (DataSource* source : std::vector<DataSource*>(sources_)) source->SetDataSet(nullptr);
}

void Table::checkActive() const {
    if (state_ == TableState::Inactive) throw TableError(messages::closedDataset);
}

void Table::SetTableName(const QString& name) {
    if (Active()) throw TableError(messages::openDataset);
    tableName_ = name;
}

void Table::SetExclusive(bool on) {
    if (Active()) throw TableError(messages::openDataset);
    exclusive_ = on;
}

Field* Table::AddField(const FieldDef& def, const QString& objectName) {
    if (Active()) throw TableError(messages::openDataset);
    auto* field = new Field(this, def, int(fields_.size()));
    field->setObjectName(objectName);
    fields_.push_back(field);
    return field;
}

Field* Table::FindField(const QString& name) const {
    for (Field* field : fields_)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0) return field;
    return nullptr;
}

Field& Table::FieldByName(const QString& name) {
    Field* field = FindField(name);
    if (!field) throw TableError(messages::fieldNotFound.arg(name));
    return *field;
}

// The file named by TableName in the working directory, its name matched without regard to
// letter case.
QString Table::resolvePath() const { return findTableFile(QDir::current(), tableName_); }

void Table::Open() {
    if (Active()) return;
    try {
        file_ = SharedFile::acquire(resolvePath(), tableName_, exclusive_);
        bindFields();
        buildStatements();
        selectOrder(indexName_);
    } catch (...) {
        if (file_ && exclusive_) file_->releaseExclusiveUser();
        file_.reset();
        if (dynamicFields_) {
            for (Field* field : fields_) delete field;
            fields_.clear();
            dynamicFields_ = false;
        }
        throw;
    }
    state_ = TableState::Browse;
    // On the first record; a walk that follows reads its own batches.
    goFirst(2);
    notifyStateChanged();
}

void Table::bindFields() {
    const auto& columns = file_->columns();
    columnCount_ = int(columns.size());
    if (fields_.empty()) {
        dynamicFields_ = true;
        for (const ColumnInfo& column : columns) {
            auto* field = new Field(this, definitionFromColumn(column), int(fields_.size()));
            fields_.push_back(field);
        }
    }
    fieldColumns_.clear();
    for (Field* field : fields_) {
        int found = -1;
        for (int c = 0; c < columnCount_; ++c)
            if (columns[size_t(c)].name.compare(field->FieldName(), Qt::CaseInsensitive) == 0)
                found = c;
        if (found < 0)
            throw TableError(messages::fieldNotFound.arg(field->FieldName()),
                             QStringLiteral("no such column in ") + tableName_);
        fieldColumns_.push_back(found);
    }
}

void Table::buildStatements() {
    const QString table = quotedIdentifier(file_->sqlTable());
    QStringList all, fieldNames, placeholders, assignments;
    for (const ColumnInfo& column : file_->columns()) all << quotedIdentifier(column.name);
    for (int c : fieldColumns_) {
        const QString name = quotedIdentifier(file_->columns()[size_t(c)].name);
        fieldNames << name;
        placeholders << QStringLiteral("?");
        assignments << name + QStringLiteral(" = ?");
    }
    selectList_ = all.join(QStringLiteral(", ")) + QStringLiteral(", rowid");
    selectByRowid_ =
        QStringLiteral("SELECT ") + selectList_ + QStringLiteral(" FROM ") + table +
        QStringLiteral(" WHERE rowid = ?");
    insertSql_ = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
                 fieldNames.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                 placeholders.join(QStringLiteral(", ")) + QStringLiteral(")");
    updateSql_ = QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") +
                 assignments.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?");
    deleteSql_ = QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE rowid = ?");
}

void Table::Close() {
    if (!Active()) return;
    // Closing does not settle: an edit or insert still pending is lost. What was posted is
    // committed now, when no other table object of this program has the file open (one that
    // has goes on gathering its writes until the event loop waits).
    state_ = TableState::Inactive;
    editValues_.clear();
    editNulls_.clear();
    modified_ = false;
    hasCurrent_ = false;
    eof_ = bof_ = true;
    ahead_.clear();
    cursor_.reset();
    if (exclusive_) file_->releaseExclusiveUser();
    try {
        if (file_.use_count() == 1) file_->commit();
    } catch (...) {
        file_.reset();
        throw;
    }
    file_.reset();
    if (dynamicFields_) {
        for (Field* field : fields_) delete field;
        fields_.clear();
        dynamicFields_ = false;
    }
    notifyStateChanged();
    notifyDataSetChanged();
}

int Table::RecordCount() {
    checkActive();
    return file_->recordCount();
}

bool Table::IsEmpty() {
    checkActive();
    return !hasCurrent_ && file_->recordCount() == 0;
}

void Table::attachSource(DataSource* source) {
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end())
        sources_.push_back(source);
}

void Table::detachSource(DataSource* source) {
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

void Table::notifyDataSetChanged() {
    for (DataSource* source : sources_) source->notifyDataSetChanged();
}

void Table::notifyFieldChanged(Field* field) {
    for (DataSource* source : sources_) source->notifyFieldChanged(field);
}

void Table::notifyStateChanged() {
    for (DataSource* source : sources_) source->notifyStateChanged();
}

void Table::setState(TableState state) {
    if (state_ == state) return;
    state_ = state;
    notifyStateChanged();
}

}  // namespace tables
