#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "sqlitedb.h"

struct sqlite3;

namespace tables {

// A column of the SQL table as the file declares it.
struct ColumnInfo {
    QString name;
    QString declaredType;
};

// A secondary index as the file holds it: its key columns, each with its collation.
struct IndexInfo {
    QString name;
    QStringList columns;
    QStringList collations;
    bool unique = false;
};

// One open table file, shared by every table object of this process that names it: one SQLite
// connection (so a second table object sees the first one's writes at once, and an exclusive
// lock does not keep out the program's own objects), one statement cache, one write
// generation that tells every object when what it read ahead is stale, and the transaction
// that gathers writes until the event loop next waits.
class SharedFile {
public:
    // Opens the file or joins the connection already open on it. An exclusive user takes the
    // file's lock at once, so that a second program fails from its own open on.
    static std::shared_ptr<SharedFile> acquire(const QString& path, const QString& label,
                                               bool exclusive);
    ~SharedFile();

    sqlite3* db() const { return db_; }
    const QString& label() const { return label_; }
    const QString& sqlTable() const { return sqlTable_; }
    const std::vector<ColumnInfo>& columns() const { return columns_; }

    // A cached prepared statement; the lease resets it when it goes out of scope, so that no
    // half-stepped statement keeps a read snapshot open.
    class Lease {
    public:
        explicit Lease(Statement& statement) : statement_(statement) {}
        ~Lease() { statement_.reset(); }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Statement* operator->() const { return &statement_; }
        Statement& operator*() const { return statement_; }

    private:
        Statement& statement_;
    };
    Lease statement(const QString& sql);

    // Every write goes through here: it opens the gathering transaction if none is open.
    void beginWrite();
    // The generation changes on every write through any table object on this file.
    std::uint64_t generation() const { return generation_; }
    void wrote() { ++generation_; }
    void commit();
    bool inTransaction() const { return inTransaction_; }

    // The number of rows, counted once and then kept up to date by the engine's own writes;
    // counted again when another connection has changed the file.
    int recordCount();
    void countChanged(int delta);

    const std::map<QString, IndexInfo>& indexes() const { return indexes_; }  // lower-case keys
    void reloadIndexes();

    void addExclusiveUser();
    void releaseExclusiveUser() { --exclusiveUsers_; }

private:
    SharedFile() = default;
    void loadSchema(const QString& tableName);
    std::int64_t dataVersion();

    sqlite3* db_ = nullptr;
    QString path_;
    QString label_;
    QString sqlTable_;
    std::vector<ColumnInfo> columns_;
    std::map<QString, IndexInfo> indexes_;
    QHash<QString, std::shared_ptr<Statement>> statements_;
    std::uint64_t generation_ = 0;
    bool inTransaction_ = false;
    int exclusiveUsers_ = 0;
    std::optional<int> count_;
    std::int64_t countVersion_ = -1;
};

// Commits every open transaction now (the event loop does it by itself before it waits).
void commitAll();

}  // namespace tables
