#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tables {

// One place that prepares and steps statements. Failures become TableError with SQLite's own
// words, prefixed by the file they concern; the statement text goes into the error's detail.
class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, const QString& sql, const QString& fileLabel);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;

    void reset();
    void bindText(int index, std::string_view utf8);
    void bindText(int index, const QString& text);
    void bindNull(int index);
    void bindInt(int index, std::int64_t value);

    // Steps once: true when a row is available, false when done.
    bool step();
    // Steps to the end, for statements that return no rows.
    void run();

    int columnCount() const;
    bool columnIsNull(int column) const;
    std::int64_t columnInt(int column) const;
    std::string_view columnText(int column) const;
    QString columnString(int column) const;

    const QString& sql() const { return sql_; }

private:
    [[noreturn]] void fail() const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
    QString fileLabel_;
};

// An SQL identifier in double quotes, for names that come from a file or a caller.
inline QString quotedIdentifier(const QString& identifier) {
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// Raises the connection's last error as a TableError.
[[noreturn]] void raiseSqliteError(sqlite3* db, const QString& fileLabel, const QString& sql = {});

// Runs statements that return nothing (pragmas, DDL, transaction control).
void execute(sqlite3* db, const QString& sql, const QString& fileLabel);

}  // namespace tables
