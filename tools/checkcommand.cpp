// check DIR: says whether each table file is one the program can open and use.
#include <sqlite3.h>

#include <QFileInfo>
#include <QStringList>

#include "console.h"
#include "data/catalogue.h"
#include "platform/tables/collation.h"
#include "platform/tables/sqlitedb.h"
#include "platform/tables/tableerror.h"
#include "platform/tables/tablefile.h"

namespace tablestool {

namespace {

// A running program holds its files with an exclusive lock; waiting longer would not help.
constexpr int kBusyTimeoutMs = 200;
// Enough of a failed integrity check to see what is wrong without flooding the terminal.
constexpr int kIntegrityLinesShown = 5;

class Connection {
  public:
    Connection() = default;
    ~Connection() {
        if (db_) sqlite3_close(db_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    sqlite3** out() { return &db_; }
    sqlite3* get() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

// One key column of an index: its column and collation, as the catalogue wants them or as
// the file holds them.
struct Key {
    QString column;
    QString collation;
    bool descending = false;
};

QString describe(const std::vector<Key>& keys) {
    QStringList parts;
    for (const Key& key : keys)
        parts << key.column + QLatin1Char(' ') + key.collation +
                     (key.descending ? QStringLiteral(" DESC") : QString());
    return parts.join(QStringLiteral(", "));
}

bool sameKeys(const std::vector<Key>& a, const std::vector<Key>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].column.compare(b[i].column, Qt::CaseInsensitive) != 0 ||
            a[i].collation.compare(b[i].collation, Qt::CaseInsensitive) != 0 ||
            a[i].descending != b[i].descending)
            return false;
    }
    return true;
}

const tables::FieldDef* findField(const catalogue::TableEntry& table, const QString& name) {
    for (const catalogue::FieldEntry& field : table.fields)
        if (field.def.name.compare(name, Qt::CaseInsensitive) == 0) return &field.def;
    return nullptr;
}

// The keys the catalogue asks for: text compared in the program's collation, dates binary.
std::vector<Key> expectedKeys(const catalogue::TableEntry& table,
                              const catalogue::IndexEntry& index) {
    std::vector<Key> keys;
    for (const QString& name : index.fields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const tables::FieldDef* field = findField(table, name.trimmed());
        const bool date = field && field->type == tables::FieldType::Date;
        keys.push_back(
            {field ? field->name : name.trimmed(),
             date ? QStringLiteral("BINARY") : QString::fromLatin1(tables::kCollationName)});
    }
    return keys;
}

// The declared type that createTableSql gives each kind of field; the engine reads the kind
// back from it.
QString expectedType(const tables::FieldDef& field) {
    return field.type == tables::FieldType::Date ? QStringLiteral("DATE")
                                                 : QStringLiteral("VARCHAR(%1)").arg(field.width);
}

// Checks one table file, printing its summary line and its problems; returns how many
// problems it found.
class FileCheck {
  public:
    FileCheck(const QDir& folder, const catalogue::TableEntry& table)
        : folder_(folder), table_(table) {}

    int run() {
        const QFileInfo file(tables::findTableFile(folder_, table_.fileName));
        label_ = file.fileName();
        if (!file.exists()) {
            problem(QStringLiteral("missing file (none of that name, in any letter case, in %1)")
                        .arg(folder_.path()));
            return problems_;
        }
        if (!file.isFile()) {
            problem(QStringLiteral("not a regular file"));
            return problems_;
        }
        if (sqlite3_open_v2(file.filePath().toUtf8().constData(), db_.out(), SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK) {
            sqliteProblem(
                label_ + QStringLiteral(": ") +
                QString::fromUtf8(db_.get() ? sqlite3_errmsg(db_.get()) : "out of memory"));
            return problems_;
        }
        sqlite3_busy_timeout(db_.get(), kBusyTimeoutMs);
        // Indexes over the program's collation cannot be read or verified without it.
        tables::registerCollation(db_.get());

        // The first read is where a file that is no database, or one held by the program, fails;
        // nothing after it can be learnt then.
        if (!attempt([&] { query(QStringLiteral("SELECT count(*) FROM sqlite_master")); }))
            return problems_;

        attempt([&] { checkIntegrity(); });
        if (!attempt([&] { checkTable(); }) || sqlTable_.isEmpty()) return problems_;
        std::optional<qint64> records;
        attempt([&] {
            tables::Statement count(
                db_.get(),
                QStringLiteral("SELECT count(*) FROM ") + tables::quotedIdentifier(sqlTable_),
                label_);
            count.step();
            records = count.columnInt(0);
        });
        QStringList indexStates;
        attempt([&] { indexStates = checkIndexes(); });

        QString line =
            label_ + QStringLiteral(": ") +
            (records ? QStringLiteral("%1 record%2").arg(*records).arg(*records == 1 ? "" : "s")
                     : QStringLiteral("records not counted"));
        if (!indexStates.isEmpty())
            line += QStringLiteral("; indexes: ") + indexStates.join(QStringLiteral(", "));
        printOut(line);
        return problems_;
    }

  private:
    void problem(const QString& what) {
        ++problems_;
        printErr(label_ + QStringLiteral(": ") + what);
    }

    // SQLite's own words; a lock is what a running program leaves, so the user is told.
    void sqliteProblem(const QString& message) {
        const int code = db_.get() ? sqlite3_errcode(db_.get()) : SQLITE_NOMEM;
        QString text = message;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
            text += QStringLiteral(" (is the program running?)");
        ++problems_;
        printErr(text);
    }

    // Runs one step of the check; an SQLite failure becomes a problem of this file.
    template <typename Step>
    bool attempt(Step step) {
        try {
            step();
            return true;
        } catch (const tables::TableError& error) {
            sqliteProblem(error.message());
            return false;
        }
    }

    std::vector<QStringList> query(const QString& sql, const QString& parameter = {}) {
        tables::Statement statement(db_.get(), sql, label_);
        if (!parameter.isNull()) statement.bindText(1, parameter);
        std::vector<QStringList> rows;
        while (statement.step()) {
            QStringList row;
            for (int c = 0; c < statement.columnCount(); ++c)
                row << (statement.columnIsNull(c) ? QString() : statement.columnString(c));
            rows.push_back(row);
        }
        return rows;
    }

    void checkIntegrity() {
        const std::vector<QStringList> rows = query(QStringLiteral("PRAGMA integrity_check"));
        if (rows.size() == 1 && rows[0].value(0) == QLatin1String("ok")) return;
        QStringList shown;
        for (size_t i = 0; i < rows.size() && i < size_t(kIntegrityLinesShown); ++i)
            shown << rows[i].value(0);
        QString text =
            QStringLiteral("integrity check failed: ") + shown.join(QStringLiteral("; "));
        if (rows.size() > size_t(kIntegrityLinesShown))
            text +=
                QStringLiteral(" (and %1 more)").arg(rows.size() - size_t(kIntegrityLinesShown));
        problem(text);
    }

    // The table and its columns, matched without regard to letter case as the engine does.
    void checkTable() {
        const auto found =
            query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                 "AND name = ?1 COLLATE NOCASE"),
                  table_.name);
        if (found.empty()) {
            problem(QStringLiteral("no table %1 in the file").arg(table_.name));
            return;
        }
        sqlTable_ = found[0].value(0);

        const auto columns =
            query(QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"), sqlTable_);
        QStringList missing, wrongType, extra;
        for (const catalogue::FieldEntry& field : table_.fields) {
            const QStringList* column = nullptr;
            for (const QStringList& c : columns)
                if (c.value(0).compare(field.def.name, Qt::CaseInsensitive) == 0) column = &c;
            if (!column) {
                missing << field.def.name;
            } else if (column->value(1).trimmed().compare(expectedType(field.def),
                                                          Qt::CaseInsensitive) != 0) {
                wrongType << QStringLiteral("%1 is %2, expected %3")
                                 .arg(field.def.name, column->value(1), expectedType(field.def));
            }
        }
        for (const QStringList& c : columns)
            if (!findField(table_, c.value(0))) extra << c.value(0);
        if (!missing.isEmpty())
            problem(QStringLiteral("table %1 lacks the column(s) %2")
                        .arg(sqlTable_, missing.join(QStringLiteral(", "))));
        if (!wrongType.isEmpty())
            problem(QStringLiteral("table %1: %2")
                        .arg(sqlTable_, wrongType.join(QStringLiteral("; "))));
        if (!extra.isEmpty())
            problem(QStringLiteral("table %1 has unexpected column(s) %2")
                        .arg(sqlTable_, extra.join(QStringLiteral(", "))));
    }

    // Each of the catalogue's indexes of this table, in catalogue order: present, missing (the
    // program builds it; no problem) or present with a definition the engine would misuse.
    QStringList checkIndexes() {
        const auto list =
            query(QStringLiteral("SELECT name, \"unique\", partial FROM pragma_index_list(?1)"),
                  sqlTable_);
        QStringList states;
        for (const catalogue::IndexEntry& index : catalogue::indexEntries()) {
            if (index.table.compare(table_.name, Qt::CaseInsensitive) != 0) continue;
            const QStringList* row = nullptr;
            for (const QStringList& r : list)
                if (r.value(0).compare(index.name, Qt::CaseInsensitive) == 0) row = &r;
            if (!row) {
                states << index.name + QStringLiteral(" missing");
                continue;
            }
            std::vector<Key> actual;
            for (const QStringList& key :
                 query(QStringLiteral("SELECT name, coll, desc FROM pragma_index_xinfo(?1) "
                                      "WHERE key = 1 ORDER BY seqno"),
                       row->value(0))) {
                actual.push_back(
                    {key.value(0).isNull() ? QStringLiteral("<expression>") : key.value(0),
                     key.value(1), key.value(2) == QLatin1String("1")});
            }
            const std::vector<Key> expected = expectedKeys(table_, index);
            QStringList wrong;
            if (!sameKeys(actual, expected))
                wrong << QStringLiteral("keys (%1), expected (%2)")
                             .arg(describe(actual), describe(expected));
            // Equal keys are allowed and must all be covered: the program keeps every record.
            if (row->value(1) == QLatin1String("1")) wrong << QStringLiteral("unique");
            if (row->value(2) == QLatin1String("1")) wrong << QStringLiteral("partial");
            if (wrong.isEmpty()) {
                states << index.name + QStringLiteral(" present");
            } else {
                states << index.name + QStringLiteral(" WRONG");
                problem(QStringLiteral("index %1 has a wrong definition: %2")
                            .arg(row->value(0), wrong.join(QStringLiteral("; "))));
            }
        }
        return states;
    }

    const QDir& folder_;
    const catalogue::TableEntry& table_;
    QString label_;
    QString sqlTable_;
    Connection db_;
    int problems_ = 0;
};

}  // namespace

int checkCommand(const QString& folderPath) {
    const std::optional<QDir> folder = existingFolder(folderPath);
    if (!folder) return kUsage;
    int problems = 0;
    for (const catalogue::TableEntry& table : catalogue::tableEntries())
        problems += FileCheck(*folder, table).run();
    if (problems == 0) {
        printOut(QStringLiteral("OK"));
        return kSuccess;
    }
    printErr(QStringLiteral("%1 problem(s)").arg(problems));
    return kProblems;
}

}  // namespace tablestool
