#include "rawsqlite.h"

#include <sqlite3.h>

#include <stdexcept>

#include "platform/tables/collation.h"

namespace rawsql {

void fail(sqlite3* db, const QString& what) {
    const QString text =
        what + QStringLiteral(": ") + QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
    throw std::runtime_error(text.toStdString());
}

Db::Db(const QString& path) {
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        throw std::runtime_error((path + QStringLiteral(": ") + text).toStdString());
    }
    tables::registerCollation(db_);
}

Db::~Db() {
    if (db_) sqlite3_close(db_);
}

void Db::exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        sqlite3_free(error);
        fail(db_, QString::fromUtf8(sql));
    }
}

void Db::exec(const QString& sql) { exec(sql.toUtf8().constData()); }

void Db::programPragmas() {
    exec("PRAGMA locking_mode=EXCLUSIVE");
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA cache_size=-8192");  // as the engine sets it
}

int Db::readSchema() {
    Stmt schema(*this, "SELECT type, name, tbl_name, sql FROM sqlite_master");
    int entries = 0;
    while (schema.step()) {
        for (int c = 0; c < 4; ++c) (void)schema.text(c);
        ++entries;
    }
    return entries;
}

Stmt::Stmt(Db& db, const char* sql) : db_(db.handle()) {
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr) != SQLITE_OK)
        fail(db_, QString::fromUtf8(sql));
}

Stmt::Stmt(Db& db, const QString& sql) : Stmt(db, sql.toUtf8().constData()) {}

Stmt::~Stmt() {
    if (stmt_) sqlite3_finalize(stmt_);
}

void Stmt::bind(int index, std::string_view utf8) {
    if (sqlite3_bind_text(stmt_, index, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        fail(db_, QStringLiteral("bind"));
}

void Stmt::bindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) fail(db_, QStringLiteral("bind"));
}

void Stmt::bindInt(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) fail(db_, QStringLiteral("bind"));
}

bool Stmt::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const QString sql = QString::fromUtf8(sqlite3_sql(stmt_));
    const QString text = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_reset(stmt_);
    throw std::runtime_error((sql + QStringLiteral(": ") + text).toStdString());
}

void Stmt::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Stmt::columns() const { return sqlite3_column_count(stmt_); }

std::string_view Stmt::text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text) return {};
    return {text, size_t(sqlite3_column_bytes(stmt_, column))};
}

std::int64_t Stmt::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

}  // namespace rawsql
