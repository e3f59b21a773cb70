// Opens a table file as the program does (exclusive locking, WAL), reads once so that the lock
// is really taken, says "ready" and keeps the file until its standard input closes.
#include <sqlite3.h>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sonorelo_lock_holder FILE\n";
        return 2;
    }
    sqlite3* db = nullptr;
    const auto fail = [&db](const char* what) {
        std::cerr << what << ": " << (db ? sqlite3_errmsg(db) : "out of memory") << '\n';
        sqlite3_close(db);
        return 1;
    };
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return fail("open");
    if (sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; PRAGMA journal_mode=WAL;", nullptr,
                     nullptr, nullptr) != SQLITE_OK)
        return fail("pragma");
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        return fail("read");
    std::cout << "ready" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    sqlite3_close(db);
    return 0;
}
