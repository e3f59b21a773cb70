#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include "data/catalogue.h"

// What the generator and the benchmark know about a collection folder: where its four table
// files are, how to copy them, and the SQL of the fourteen indexes.
namespace collectionfiles {

// The path of the table's file in the folder (its name matched without regard to letter case).
QString tablePath(const QDir& dir, const catalogue::TableEntry& table);

// The table files the folder already holds.
QStringList presentTableFiles(const QDir& dir);

// Copies one table file (and a write-ahead log left beside it) into `to`.
void copyTableFile(const QDir& from, const QDir& to, const catalogue::TableEntry& table);

// Copies the four table files (and a write-ahead log left beside one) into `to`, which must
// hold none of them.
void copyTableFiles(const QDir& from, const QDir& to);

// Removes the four table files and what SQLite keeps beside them.
void removeTableFiles(const QDir& dir);

// CREATE INDEX for one index of the catalogue: text key columns under the PTBR collation,
// dates under the binary order, as the engine's AddIndex makes them.
QString createIndexSql(const catalogue::IndexEntry& index);

}  // namespace collectionfiles
