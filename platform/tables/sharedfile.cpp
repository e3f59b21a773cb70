#include "sharedfile.h"

#include <QFileInfo>
#include <QtDebug>
#include <sqlite3.h>

#include "collation.h"
#include "commitscheduler.h"
#include "tableerror.h"

namespace tables {

namespace {

// Open files by canonical path; a table object holds a strong reference while it is open.
QHash<QString, std::weak_ptr<SharedFile>>& registry() {
    static QHash<QString, std::weak_ptr<SharedFile>> files;
    return files;
}

constexpr int kBusyTimeoutMs = 100;
// Pages kept in memory per file: walks through an index jump about the table, and with
// SQLite's default of 2 MB they read the same pages from the system again and again. 8 MB per
// file (also the most an index build sorts in memory) keeps the program under 100 MB.
constexpr int kPageCacheKiB = 8192;

}  // namespace

std::shared_ptr<SharedFile> SharedFile::acquire(const QString& path, const QString& label,
                                                bool exclusive) {
    const QString key = QFileInfo(path).canonicalFilePath();
    if (!key.isEmpty()) {
        if (auto existing = registry().value(key).lock()) {
            if (exclusive) existing->addExclusiveUser();
            return existing;
        }
    }

    std::shared_ptr<SharedFile> file(new SharedFile);
    file->path_ = path;
    file->label_ = label;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &file->db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) raiseSqliteError(file->db_, label);
    sqlite3_extended_result_codes(file->db_, 1);
    sqlite3_busy_timeout(file->db_, kBusyTimeoutMs);
    registerCollation(file->db_);
    if (exclusive) {
        execute(file->db_, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), label);
        file->exclusiveUsers_ = 1;
    }
    // WAL with synchronous FULL: a committed transaction survives a crash or a power cut.
    execute(file->db_, QStringLiteral("PRAGMA journal_mode=WAL"), label);
    execute(file->db_, QStringLiteral("PRAGMA synchronous=FULL"), label);
    execute(file->db_, QStringLiteral("PRAGMA cache_size=-%1").arg(kPageCacheKiB), label);
    // The first read takes the lock (and fails here if another program holds it).
    file->loadSchema(QFileInfo(path).completeBaseName());
    file->reloadIndexes();
    if (!key.isEmpty()) registry().insert(key, file);
    return file;
}

SharedFile::~SharedFile() {
    commitscheduler::forget(this);
    if (inTransaction_) {
        try {
            commit();
        } catch (const TableError& error) {
            qWarning("%s", qPrintable(error.message()));
        }
    }
    statements_.clear();
    if (db_) sqlite3_close(db_);
    const QString key = QFileInfo(path_).canonicalFilePath();
    if (registry().contains(key) && registry().value(key).expired()) registry().remove(key);
}

void SharedFile::addExclusiveUser() {
    if (exclusiveUsers_++ == 0) {
        execute(db_, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), label_);
        // A write takes the lock now rather than at some later read.
        beginWrite();
        commit();
    }
}

void SharedFile::loadSchema(const QString& tableName) {
    Statement info(db_,
                   QStringLiteral("SELECT m.name, p.name, p.type FROM sqlite_master AS m, "
                                  "pragma_table_info(m.name) AS p WHERE m.type = 'table' AND "
                                  "m.name = ?1 COLLATE NOCASE ORDER BY p.cid"),
                   label_);
    info.bindText(1, tableName);
    columns_.clear();
    while (info.step()) {
        sqlTable_ = info.columnString(0);
        columns_.push_back({info.columnString(1), info.columnString(2)});
    }
    if (columns_.empty())
        throw TableError(label_ + QStringLiteral(": no such table: ") + tableName);
}

void SharedFile::reloadIndexes() {
    indexes_.clear();
    Statement list(db_,
                   QStringLiteral("SELECT il.name, il.\"unique\", ix.name, ix.coll "
                                  "FROM pragma_index_list(?1) AS il, pragma_index_xinfo(il.name) AS ix "
                                  "WHERE il.origin = 'c' AND ix.key = 1 ORDER BY il.name, ix.seqno"),
                   label_);
    list.bindText(1, sqlTable_);
    while (list.step()) {
        IndexInfo& index = indexes_[list.columnString(0).toLower()];
        index.name = list.columnString(0);
        index.unique = list.columnInt(1) != 0;
        index.columns << list.columnString(2);
        index.collations << list.columnString(3);
    }
}

SharedFile::Lease SharedFile::statement(const QString& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end())
        it = statements_.insert(sql, std::make_shared<Statement>(db_, sql, label_));
    return Lease(**it);
}

void SharedFile::beginWrite() {
    if (inTransaction_) return;
    execute(db_, QStringLiteral("BEGIN IMMEDIATE"), label_);
    inTransaction_ = true;
    commitscheduler::schedule(this);
}

void SharedFile::commit() {
    if (!inTransaction_) return;
    execute(db_, QStringLiteral("COMMIT"), label_);
    inTransaction_ = false;
    commitscheduler::forget(this);
}

std::int64_t SharedFile::dataVersion() {
    Lease version = statement(QStringLiteral("PRAGMA data_version"));
    version->step();
    return version->columnInt(0);
}

int SharedFile::recordCount() {
    const std::int64_t version = dataVersion();
    if (!count_ || version != countVersion_) {
        Lease count = statement(QStringLiteral("SELECT count(*) FROM ") + quotedIdentifier(sqlTable_));
        count->step();
        count_ = int(count->columnInt(0));
        countVersion_ = version;
    }
    return *count_;
}

void SharedFile::countChanged(int delta) {
    if (count_) *count_ += delta;
}

void commitAll() { commitscheduler::commitAll(); }

}  // namespace tables
