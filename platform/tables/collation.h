#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace tables {

// The name under which the Portuguese, letter-case-insensitive order is known to SQLite.
inline constexpr const char* kCollationName = "PTBR";

// Compares two UTF-8 texts in Portuguese order, ignoring letter case but not accents
// ("a" = "A", "e" < "é" < "f"). Returns <0, 0 or >0.
int compareText(const char* a, int lengthA, const char* b, int lengthB);
int compareText(const QString& a, const QString& b);

// Registers the collation on a connection; every connection the engine opens gets it.
void registerCollation(sqlite3* db);

}  // namespace tables
