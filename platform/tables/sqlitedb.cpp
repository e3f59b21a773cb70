#include "sqlitedb.h"

#include <sqlite3.h>

#include <utility>

#include "tableerror.h"

namespace tables {

void raiseSqliteError(sqlite3* db, const QString& fileLabel, const QString& sql) {
    const QString text = QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
    throw TableError(fileLabel.isEmpty() ? text : fileLabel + QStringLiteral(": ") + text, sql);
}

void execute(sqlite3* db, const QString& sql, const QString& fileLabel) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        sqlite3_free(error);
        raiseSqliteError(db, fileLabel, sql);
    }
}

Statement::Statement(sqlite3* db, const QString& sql, const QString& fileLabel)
    : db_(db), sql_(sql), fileLabel_(fileLabel) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                           &stmt_, nullptr) != SQLITE_OK)
        fail();
}

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_),
      stmt_(std::exchange(other.stmt_, nullptr)),
      sql_(std::move(other.sql_)),
      fileLabel_(std::move(other.fileLabel_)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        if (stmt_) sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
        sql_ = std::move(other.sql_);
        fileLabel_ = std::move(other.fileLabel_);
    }
    return *this;
}

void Statement::fail() const { raiseSqliteError(db_, fileLabel_, sql_); }

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bindText(int index, std::string_view utf8) {
    if (sqlite3_bind_text(stmt_, index, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        fail();
}

void Statement::bindText(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    bindText(index, std::string_view(utf8.constData(), size_t(utf8.size())));
}

void Statement::bindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) fail();
}

void Statement::bindInt(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) fail();
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    // Keep the error text before reset replaces it.
    const QString text = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_reset(stmt_);
    throw TableError(fileLabel_.isEmpty() ? text : fileLabel_ + QStringLiteral(": ") + text, sql_);
}

void Statement::run() {
    while (step()) {
    }
    sqlite3_reset(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

bool Statement::columnIsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t Statement::columnInt(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string_view Statement::columnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text) return {};
    return {text, size_t(sqlite3_column_bytes(stmt_, column))};
}

QString Statement::columnString(int column) const {
    const std::string_view text = columnText(column);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace tables
