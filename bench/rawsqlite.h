#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin layer over the SQLite C API for the generator and for the baseline figures: nothing of
// the table engine, so that the baseline is SQLite doing the work by itself. Failures throw
// std::runtime_error with SQLite's words.
namespace rawsql {

class Db {
  public:
    // Opens an existing file read-write, with the PTBR collation registered.
    explicit Db(const QString& path);
    ~Db();
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    sqlite3* handle() const { return db_; }
    void exec(const char* sql);
    void exec(const QString& sql);
    // The pragmas every connection of the program runs: exclusive lock, WAL, synchronous FULL.
    void programPragmas();
    // Reads the whole schema; the first read also takes the exclusive lock.
    int readSchema();

  private:
    sqlite3* db_ = nullptr;
};

class Stmt {
  public:
    Stmt(Db& db, const char* sql);
    Stmt(Db& db, const QString& sql);
    ~Stmt();
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    void bind(int index, std::string_view utf8);
    void bindNull(int index);
    void bindInt(int index, std::int64_t value);
    // True when a row is available.
    bool step();
    void reset();
    int columns() const;
    std::string_view text(int column) const;
    std::int64_t integer(int column) const;

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

[[noreturn]] void fail(sqlite3* db, const QString& what);

}  // namespace rawsql
