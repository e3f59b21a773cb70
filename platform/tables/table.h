#pragma once

#include <QFlags>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cursorsql.h"
#include "field.h"
#include "fielddef.h"
#include "sharedfile.h"

namespace tables {

class CursorSql;
class DataSource;

enum class TableState { Inactive, Browse, Edit, Insert, SetKey };

enum class IndexOption { Primary = 1, Unique = 2, Descending = 4, CaseInsensitive = 8,
                         Expression = 16 };
Q_DECLARE_FLAGS(IndexOptions, IndexOption)

// A row as read from the file: every column's UTF-8 bytes, back to back.
struct RawRow {
    std::int64_t rowid = 0;
    std::string bytes;
    std::vector<int> ends;
    std::vector<char> nulls;
    std::string_view value(int column) const;
};

// Rows read ahead in the current order, after the current record.
struct ReadAhead {
    std::string bytes;
    std::vector<int> ends;
    std::vector<char> nulls;
    std::vector<std::int64_t> rowids;
    size_t next = 0;
    std::uint64_t generation = 0;
    void clear();
    size_t rows() const { return rowids.size(); }
    void take(size_t row, int columns, RawRow& into) const;
};

// The table object: one cursor on one table file, with a current record, a selected index and a
// state (closed, browsing, editing, inserting, key entry). Operations that move, search or
// change the order first settle a pending edit or insert (CheckBrowseMode): stored if any field
// was changed, dropped if not.
class Table : public QObject {
    Q_OBJECT
public:
    explicit Table(QObject* parent = nullptr);
    ~Table() override;

    QString TableName() const { return tableName_; }
    void SetTableName(const QString& name);
    bool Exclusive() const { return exclusive_; }
    void SetExclusive(bool on);
    // A persistent field, in the order the fields are added; only while the table is closed.
    Field* AddField(const FieldDef& def, const QString& objectName = {});
    const std::vector<Field*>& Fields() const { return fields_; }

    void Open();
    void Close();
    bool Active() const { return state_ != TableState::Inactive; }
    void SetActive(bool on) { on ? Open() : Close(); }
    TableState State() const { return state_; }

    QString IndexName() const { return indexName_; }
    void SetIndexName(const QString& name);

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }

    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void SetKey();
    void CheckBrowseMode();

    Field& FieldByName(const QString& name);
    Field* FindField(const QString& name) const;
    int RecordCount();
    bool FindKey(const QStringList& values);
    // Creates the named index anew over the ";"-separated fields (an index of that name is
    // replaced); it is maintained from then on.
    void AddIndex(const QString& name, const QString& fields, IndexOptions options);
    bool IndexPresent(const QString& name) const;
    std::optional<IndexInfo> IndexDefinition(const QString& name) const;

    // Whether any field was changed since the editing or inserting began.
    bool Modified() const { return modified_; }
    bool IsEmpty();

    // For fields and data sources.
    QString fieldText(const Field& field) const;
    bool fieldIsNull(const Field& field) const;
    void setFieldText(Field& field, const QString& text);
    void clearField(Field& field);
    void attachSource(DataSource* source);
    void detachSource(DataSource* source);

private:
    void checkActive() const;
    void settle() { CheckBrowseMode(); }
    QString resolvePath() const;
    void bindFields();
    void buildStatements();
    void selectOrder(const QString& indexName);

    // Reading.
    void loadRows(const OrderedQuery& query, const std::vector<std::string>& keys,
                  std::int64_t rowid, size_t limit, ReadAhead& into);
    bool readAhead();
    bool readBackward(RawRow& into);
    bool readRow(std::int64_t rowid, RawRow& into);
    void appendRow(const Statement& statement, ReadAhead& into) const;
    std::vector<bool> keyNulls(const RawRow& row) const;
    std::vector<std::string> keyValues(const RawRow& row) const;
    void landOnFirstOf(ReadAhead& rows);
    void goFirst(size_t rows);
    void becomeEmpty();

    // Writing.
    void writeRecord();
    void dropRecord();
    void bindEditValues(Statement& statement) const;
    std::string storedValue(const Field& field) const;

    void notifyDataSetChanged();
    void notifyFieldChanged(Field* field);
    void notifyStateChanged();
    void setState(TableState state);

    QString tableName_;
    bool exclusive_ = false;
    QString indexName_;
    std::vector<Field*> fields_;
    bool dynamicFields_ = false;
    std::vector<DataSource*> sources_;

    std::shared_ptr<SharedFile> file_;
    TableState state_ = TableState::Inactive;
    std::unique_ptr<CursorSql> cursor_;
    std::vector<int> keyColumns_;     // column of each key of the selected order
    std::vector<int> fieldColumns_;   // column of each field
    int columnCount_ = 0;
    QString selectList_, selectByRowid_, insertSql_, updateSql_, deleteSql_;

    RawRow current_;
    bool hasCurrent_ = false;
    bool eof_ = true;
    bool bof_ = true;
    ReadAhead ahead_;
    size_t aheadLimit_ = 0;

    std::vector<QString> editValues_;
    std::vector<char> editNulls_;
    bool modified_ = false;
    RawRow beforeInsert_;
    bool hadCurrentBeforeInsert_ = false;
};

}  // namespace tables

Q_DECLARE_OPERATORS_FOR_FLAGS(tables::IndexOptions)
