// sonorelo-bench DIR: the figures of the table engine on a generated collection, each against
// raw SQLite doing the same work in the same run (same pragmas, the collation registered).
// One line per figure on standard output:
//   NAME: ours X ms, baseline Y ms, ratio Z
// Progress and anything odd go to standard error. Figures that write work on copies in a
// scratch folder, so the collection stays as generated.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "bench/collectionfiles.h"
#include "bench/figures.h"
#include "bench/names.h"
#include "bench/rawsqlite.h"
#include "data/catalogue.h"
#include "platform/tables/sharedfile.h"
#include "platform/tables/shortdate.h"
#include "platform/tables/sqlitedb.h"
#include "platform/tables/table.h"

namespace {

// Fixed random start value for the choice of keys: every run searches the same ones.
constexpr std::uint32_t kRngStart = 20240611;
constexpr int kSearches = 1000;
constexpr int kWarmUpSearches = 100;
constexpr int kAppends = 1000;

using figures::Clock;
using figures::median;
using figures::msSince;
using figures::note;
using figures::report;

const catalogue::TableEntry& tableNamed(const char* name) {
    return catalogue::tableEntry(QLatin1String(name));
}

// The engine finds table files in the working directory, as the program does.
class InFolder {
  public:
    explicit InFolder(const QDir& dir) : saved_(QDir::currentPath()) {
        if (!QDir::setCurrent(dir.absolutePath()))
            throw std::runtime_error("cannot enter " + dir.absolutePath().toStdString());
    }
    ~InFolder() { QDir::setCurrent(saved_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    QString saved_;
};

// A table object as the data module makes it: exclusive, with its persistent fields.
std::unique_ptr<tables::Table> makeTable(const catalogue::TableEntry& table) {
    auto object = std::make_unique<tables::Table>();
    object->setObjectName(table.name);
    object->SetTableName(table.fileName);
    object->SetExclusive(true);
    for (const catalogue::FieldEntry& field : table.fields)
        object->AddField(field.def, field.objectName);
    return object;
}

// A baseline connection as the engine opens one: the collation, the same pragmas, the schema
// read that takes the lock.
std::unique_ptr<rawsql::Db> openBaseline(const QDir& dir, const catalogue::TableEntry& table) {
    auto db = std::make_unique<rawsql::Db>(collectionfiles::tablePath(dir, table));
    db->programPragmas();
    db->readSchema();
    return db;
}

QString selectAllColumns(const catalogue::TableEntry& table) {
    QStringList columns;
    for (const catalogue::FieldEntry& field : table.fields)
        columns << tables::quotedIdentifier(field.def.name);
    return columns.join(QStringLiteral(", ")) + QStringLiteral(", rowid");
}

// Reads every column of the current row as text, as the engine copies a row it lands on.
size_t readRow(const rawsql::Stmt& statement) {
    size_t bytes = 0;
    for (int c = 0; c < statement.columns(); ++c) bytes += statement.text(c).size();
    return bytes;
}

struct Options {
    QDir collection;
    QString scratchParent;
    int reps = 5;
    int indexReps = 3;
    QString only;
};

class Bench {
  public:
    explicit Bench(Options options) : options_(std::move(options)) {}

    void run();

  private:
    bool wanted(const char* name) const {
        return options_.only.isEmpty() ||
               QString::fromLatin1(name).contains(options_.only, Qt::CaseInsensitive);
    }
    // Runs ours and the baseline alternately, the first round unmeasured when `warmUp`.
    void alternate(const char* name, int reps, bool warmUp, const std::function<double()>& ours,
                   const std::function<double()>& baseline);
    QDir scratch(const QString& name);
    void pickKeys();

    void openFourTables();
    void walkByTitle();
    void findKeyCd();
    void findKeyMusica();
    void appendAndPost();
    void recordCount();
    void addIndexes();

    Options options_;
    std::unique_ptr<QTemporaryDir> scratch_;
    names::Rng rng_{kRngStart};
    std::vector<QStringList> cdKeys_, cdWarmUp_;
    std::vector<QStringList> songKeys_, songWarmUp_;
};

void Bench::alternate(const char* name, int reps, bool warmUp, const std::function<double()>& ours,
                      const std::function<double()>& baseline) {
    std::vector<double> oursMs, baselineMs;
    for (int round = warmUp ? -1 : 0; round < reps; ++round) {
        const double o = ours();
        const double b = baseline();
        if (round < 0) continue;
        oursMs.push_back(o);
        baselineMs.push_back(b);
    }
    report(name, median(oursMs), median(baselineMs));
}

QDir Bench::scratch(const QString& name) {
    if (!scratch_) {
        const QString parent = options_.scratchParent.isEmpty()
                                   ? QFileInfo(options_.collection.absolutePath()).absolutePath()
                                   : options_.scratchParent;
        scratch_ =
            std::make_unique<QTemporaryDir>(parent + QStringLiteral("/sonorelo-bench-XXXXXX"));
        if (!scratch_->isValid())
            throw std::runtime_error("cannot make a scratch folder in " + parent.toStdString());
    }
    QDir dir(scratch_->path());
    if (!dir.mkpath(name)) throw std::runtime_error("cannot make " + name.toStdString());
    return QDir(dir.absoluteFilePath(name));
}

// Existing keys, taken from random rows of the collection.
void Bench::pickKeys() {
    const auto pick = [&](const catalogue::TableEntry& table, const char* columns, int count,
                          std::vector<QStringList>& into) {
        rawsql::Db db(collectionfiles::tablePath(options_.collection, table));
        rawsql::Stmt last(
            db, QStringLiteral("SELECT max(rowid) FROM ") + tables::quotedIdentifier(table.name));
        if (!last.step() || last.integer(0) <= 0)
            throw std::runtime_error(table.fileName.toStdString() + " is empty");
        const std::int64_t maxRowid = last.integer(0);
        rawsql::Stmt row(db, QStringLiteral("SELECT ") + QLatin1String(columns) +
                                 QStringLiteral(" FROM ") + tables::quotedIdentifier(table.name) +
                                 QStringLiteral(" WHERE rowid = ?1"));
        while (int(into.size()) < count) {
            row.bindInt(1, 1 + std::int64_t(rng_.below(std::uint32_t(maxRowid))));
            if (row.step()) {
                QStringList key;
                for (int c = 0; c < row.columns(); ++c) {
                    const std::string_view text = row.text(c);
                    key << QString::fromUtf8(text.data(), qsizetype(text.size()));
                }
                into.push_back(key);
            }
            row.reset();
        }
    };
    pick(tableNamed("CD"), "Artista, Titulo", kSearches, cdKeys_);
    pick(tableNamed("CD"), "Artista, Titulo", kWarmUpSearches, cdWarmUp_);
    pick(tableNamed("Musica"), "Musica", kSearches, songKeys_);
    pick(tableNamed("Musica"), "Musica", kWarmUpSearches, songWarmUp_);
}

void Bench::run() {
    const QStringList present = collectionfiles::presentTableFiles(options_.collection);
    if (present.size() != int(catalogue::tableEntries().size()))
        throw std::runtime_error(options_.collection.absolutePath().toStdString() +
                                 " does not hold the four table files; make it with "
                                 "sonorelo-generate");
    pickKeys();
    if (wanted("open four tables")) openFourTables();
    if (wanted("walk CDs in ititulo order reading two fields")) walkByTitle();
    if (wanted("FindKey iartista_titulo")) findKeyCd();
    if (wanted("FindKey imusica")) findKeyMusica();
    if (wanted("append and post 1000 records")) appendAndPost();
    if (wanted("RecordCount Musica")) recordCount();
    if (wanted("AddIndex fourteen indexes")) addIndexes();
}

void Bench::openFourTables() {
    const QDir dir = options_.collection;
    const auto ours = [&] {
        InFolder folder(dir);
        std::vector<std::unique_ptr<tables::Table>> objects;
        for (const catalogue::TableEntry& table : catalogue::tableEntries())
            objects.push_back(makeTable(table));
        const Clock::time_point start = Clock::now();
        for (auto& object : objects) object->Open();
        const double ms = msSince(start);
        for (auto& object : objects) object->Close();
        return ms;
    };
    const auto baseline = [&] {
        std::vector<QString> paths;
        for (const catalogue::TableEntry& table : catalogue::tableEntries())
            paths.push_back(collectionfiles::tablePath(dir, table));
        std::vector<std::unique_ptr<rawsql::Db>> dbs;
        const Clock::time_point start = Clock::now();
        for (const QString& path : paths) {
            dbs.push_back(std::make_unique<rawsql::Db>(path));
            dbs.back()->programPragmas();
            dbs.back()->readSchema();
        }
        return msSince(start);
    };
    alternate("open four tables", options_.reps * 2, true, ours, baseline);
}

void Bench::walkByTitle() {
    const QDir dir = options_.collection;
    int oursRows = 0, baselineRows = 0;
    const auto ours = [&] {
        InFolder folder(dir);
        auto cd = makeTable(tableNamed("CD"));
        cd->Open();
        tables::Field* titulo = &cd->FieldByName(QStringLiteral("titulo"));
        tables::Field* artista = &cd->FieldByName(QStringLiteral("artista"));
        qsizetype characters = 0;
        int rows = 0;
        const Clock::time_point start = Clock::now();
        cd->SetIndexName(QStringLiteral("ititulo"));
        cd->First();
        while (!cd->Eof()) {
            characters += titulo->AsString().size();
            characters += artista->AsString().size();
            ++rows;
            cd->Next();
        }
        const double ms = msSince(start);
        oursRows = characters > 0 ? rows : 0;
        return ms;
    };
    const auto baseline = [&] {
        auto db = openBaseline(dir, tableNamed("CD"));
        qsizetype characters = 0;
        int rows = 0;
        const Clock::time_point start = Clock::now();
        rawsql::Stmt walk(*db,
                          "SELECT Titulo, Artista FROM CD ORDER BY Titulo COLLATE PTBR, rowid");
        while (walk.step()) {
            const std::string_view titulo = walk.text(0), artista = walk.text(1);
            characters += QString::fromUtf8(titulo.data(), qsizetype(titulo.size())).size();
            characters += QString::fromUtf8(artista.data(), qsizetype(artista.size())).size();
            ++rows;
        }
        const double ms = msSince(start);
        baselineRows = characters > 0 ? rows : 0;
        return ms;
    };
    alternate("walk CDs in ititulo order reading two fields", options_.reps, true, ours, baseline);
    if (oursRows != baselineRows)
        note(QStringLiteral("walk: ours visited %1 CDs, the baseline %2")
                 .arg(oursRows)
                 .arg(baselineRows));
}

// The median time of one FindKey over the keys, against the same search as one SELECT.
void findKeyFigure(const char* name, const QDir& dir, const catalogue::TableEntry& table,
                   const QString& index, const QString& where, const QString& order,
                   const std::vector<QStringList>& warmUp, const std::vector<QStringList>& keys) {
    std::vector<double> oursMs, baselineMs;
    int oursMisses = 0, baselineMisses = 0;
    {
        InFolder folder(dir);
        auto object = makeTable(table);
        object->Open();
        object->SetIndexName(index);
        for (const QStringList& key : warmUp) object->FindKey(key);
        for (const QStringList& key : keys) {
            const Clock::time_point start = Clock::now();
            const bool found = object->FindKey(key);
            oursMs.push_back(msSince(start));
            if (!found) ++oursMisses;
        }
    }
    {
        auto db = openBaseline(dir, table);
        rawsql::Stmt search(
            *db, QStringLiteral("SELECT ") + selectAllColumns(table) + QStringLiteral(" FROM ") +
                     tables::quotedIdentifier(table.name) + QStringLiteral(" WHERE ") + where +
                     QStringLiteral(" ORDER BY ") + order + QStringLiteral(" LIMIT 1"));
        const auto find = [&](const QStringList& key) {
            for (qsizetype i = 0; i < key.size(); ++i) {
                const QByteArray utf8 = key[i].toUtf8();
                search.bind(int(i) + 1, std::string_view(utf8.constData(), size_t(utf8.size())));
            }
            const bool found = search.step() && readRow(search) > 0;
            search.reset();
            return found;
        };
        for (const QStringList& key : warmUp) find(key);
        for (const QStringList& key : keys) {
            const Clock::time_point start = Clock::now();
            const bool found = find(key);
            baselineMs.push_back(msSince(start));
            if (!found) ++baselineMisses;
        }
    }
    report(name, median(oursMs), median(baselineMs));
    if (oursMisses || baselineMisses)
        note(QStringLiteral("%1: existing keys not found: ours %2, baseline %3")
                 .arg(QLatin1String(name))
                 .arg(oursMisses)
                 .arg(baselineMisses));
}

void Bench::findKeyCd() {
    findKeyFigure("FindKey iartista_titulo", options_.collection, tableNamed("CD"),
                  QStringLiteral("iartista_titulo"),
                  QStringLiteral("Artista = ?1 COLLATE PTBR AND Titulo = ?2 COLLATE PTBR"),
                  QStringLiteral("Artista COLLATE PTBR, Titulo COLLATE PTBR, rowid"), cdWarmUp_,
                  cdKeys_);
}

void Bench::findKeyMusica() {
    findKeyFigure("FindKey imusica", options_.collection, tableNamed("Musica"),
                  QStringLiteral("imusica"), QStringLiteral("Musica = ?1 COLLATE PTBR"),
                  QStringLiteral("Musica COLLATE PTBR, rowid"), songWarmUp_, songKeys_);
}

void Bench::appendAndPost() {
    const catalogue::TableEntry& musica = tableNamed("Musica");
    const QDir oursDir = scratch(QStringLiteral("append-ours"));
    const QDir baselineDir = scratch(QStringLiteral("append-baseline"));
    collectionfiles::copyTableFile(options_.collection, oursDir, musica);
    collectionfiles::copyTableFile(options_.collection, baselineDir, musica);

    // The songs of new CDs by existing artists; each round adds other names.
    int round = 0;
    const auto songs = [&] {
        std::vector<QStringList> rows;
        for (int i = 0; i < kAppends; ++i) {
            const QStringList& cd = cdKeys_[size_t(i / 12) % cdKeys_.size()];
            rows.push_back({cd[0], cd[1] + QStringLiteral(" (reedição %1)").arg(round),
                            QStringLiteral("Canção Nova nº %1").arg(i + 1)});
        }
        return rows;
    };
    const auto ours = [&] {
        const std::vector<QStringList> rows = songs();
        InFolder folder(oursDir);
        auto object = makeTable(musica);
        object->Open();
        tables::Field* artista = &object->FieldByName(QStringLiteral("Artista"));
        tables::Field* titulo = &object->FieldByName(QStringLiteral("Titulo"));
        tables::Field* song = &object->FieldByName(QStringLiteral("Musica"));
        const Clock::time_point start = Clock::now();
        for (const QStringList& row : rows) {
            object->Append();
            artista->SetAsString(row[0]);
            titulo->SetAsString(row[1]);
            song->SetAsString(row[2]);
            object->Post();
        }
        tables::commitAll();
        return msSince(start);
    };
    const auto baseline = [&] {
        const std::vector<QStringList> rows = songs();
        ++round;
        auto db = openBaseline(baselineDir, musica);
        const Clock::time_point start = Clock::now();
        db->exec("BEGIN IMMEDIATE");
        {
            rawsql::Stmt insert(*db,
                                "INSERT INTO Musica (Artista, Titulo, Musica) VALUES (?1, ?2, ?3)");
            for (const QStringList& row : rows) {
                for (int c = 0; c < 3; ++c) {
                    const QByteArray utf8 = row[c].toUtf8();
                    insert.bind(c + 1, std::string_view(utf8.constData(), size_t(utf8.size())));
                }
                insert.step();
                insert.reset();
            }
        }
        db->exec("COMMIT");
        return msSince(start);
    };
    alternate("append and post 1000 records", options_.reps, true, ours, baseline);
}

void Bench::recordCount() {
    const catalogue::TableEntry& musica = tableNamed("Musica");
    const QDir dir = options_.collection;
    std::vector<double> firstMs, cachedMs, baselineMs;
    int oursCount = 0, baselineCount = 0;
    for (int round = -1; round < options_.reps; ++round) {
        {
            InFolder folder(dir);
            auto object = makeTable(musica);
            object->Open();
            Clock::time_point start = Clock::now();
            oursCount = object->RecordCount();
            const double first = msSince(start);
            start = Clock::now();
            oursCount = std::min(oursCount, object->RecordCount());
            const double cached = msSince(start);
            if (round >= 0) {
                firstMs.push_back(first);
                cachedMs.push_back(cached);
            }
        }
        {
            auto db = openBaseline(dir, musica);
            const Clock::time_point start = Clock::now();
            rawsql::Stmt count(*db, "SELECT count(*) FROM Musica");
            if (count.step()) baselineCount = int(count.integer(0));
            const double ms = msSince(start);
            if (round >= 0) baselineMs.push_back(ms);
        }
    }
    report("RecordCount Musica", median(firstMs), median(baselineMs));
    report("RecordCount Musica (cached)", median(cachedMs), median(baselineMs));
    if (oursCount != baselineCount)
        note(QStringLiteral("RecordCount: ours %1, baseline %2").arg(oursCount).arg(baselineCount));
}

// Drops the fourteen indexes of the copy in `dir`.
void dropIndexes(const QDir& dir) {
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        rawsql::Db db(collectionfiles::tablePath(dir, table));
        for (const catalogue::IndexEntry& index : catalogue::indexEntries())
            if (index.table == table.name)
                db.exec(QStringLiteral("DROP INDEX IF EXISTS ") +
                        tables::quotedIdentifier(index.name));
    }
}

// The CREATE INDEX statements of a folder's files, index by index.
std::map<QString, QString> indexSql(const QDir& dir) {
    std::map<QString, QString> result;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        rawsql::Db db(collectionfiles::tablePath(dir, table));
        rawsql::Stmt list(db, "SELECT name, sql FROM sqlite_master WHERE type = 'index'");
        while (list.step())
            result[table.name + QLatin1Char('.') +
                   QString::fromUtf8(list.text(0).data(), qsizetype(list.text(0).size()))] =
                QString::fromUtf8(list.text(1).data(), qsizetype(list.text(1).size()));
    }
    return result;
}

void Bench::addIndexes() {
    const QDir oursDir = scratch(QStringLiteral("index-ours"));
    const QDir baselineDir = scratch(QStringLiteral("index-baseline"));
    collectionfiles::copyTableFiles(options_.collection, oursDir);
    collectionfiles::copyTableFiles(options_.collection, baselineDir);

    const auto ours = [&] {
        dropIndexes(oursDir);
        InFolder folder(oursDir);
        std::map<QString, std::unique_ptr<tables::Table>> objects;
        for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
            objects[table.name] = makeTable(table);
            objects[table.name]->Open();
        }
        const Clock::time_point start = Clock::now();
        for (const catalogue::IndexEntry& index : catalogue::indexEntries())
            objects.at(index.table)
                ->AddIndex(index.name, index.fields, tables::IndexOption::CaseInsensitive);
        tables::commitAll();
        return msSince(start);
    };
    const auto baseline = [&] {
        dropIndexes(baselineDir);
        std::map<QString, std::unique_ptr<rawsql::Db>> dbs;
        for (const catalogue::TableEntry& table : catalogue::tableEntries())
            dbs[table.name] = openBaseline(baselineDir, table);
        std::vector<QString> sql;
        for (const catalogue::IndexEntry& index : catalogue::indexEntries())
            sql.push_back(collectionfiles::createIndexSql(index));
        const Clock::time_point start = Clock::now();
        std::map<QString, bool> begun;
        for (size_t i = 0; i < sql.size(); ++i) {
            rawsql::Db& db = *dbs.at(catalogue::indexEntries()[i].table);
            if (!begun[catalogue::indexEntries()[i].table]) {
                db.exec("BEGIN IMMEDIATE");
                begun[catalogue::indexEntries()[i].table] = true;
            }
            db.exec(sql[i]);
        }
        for (auto& [table, db] : dbs)
            if (begun[table]) db->exec("COMMIT");
        return msSince(start);
    };
    alternate("AddIndex fourteen indexes", options_.indexReps, false, ours, baseline);
    if (indexSql(oursDir) != indexSql(baselineDir))
        note(QStringLiteral(
            "AddIndex: the engine's indexes differ from the baseline's CREATE INDEX"));
}

void usage() {
    std::fprintf(
        stderr,
        "usage: sonorelo-bench [--reps N] [--index-reps N] [--only TEXT] [--scratch DIR] DIR\n"
        "  DIR      a collection written by sonorelo-generate (left unchanged)\n"
        "  --reps   rounds of each cheap figure, the median printed (default 5)\n"
        "  --index-reps  rounds of the AddIndex figure (default 3)\n"
        "  --only   run only the figures whose name contains TEXT\n"
        "  --scratch  where the copies for the figures that write go (default: beside DIR)\n");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    QString dirName;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto number = [&](int& into) {
            bool ok = false;
            into = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            return ok && into > 0;
        };
        if (arg == QLatin1String("--reps")) {
            if (!number(options.reps)) return usage(), 2;
        } else if (arg == QLatin1String("--index-reps")) {
            if (!number(options.indexReps)) return usage(), 2;
        } else if (arg == QLatin1String("--only") && i + 1 < args.size()) {
            options.only = args[++i];
        } else if (arg == QLatin1String("--scratch") && i + 1 < args.size()) {
            options.scratchParent = args[++i];
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            usage();
            return 0;
        } else if (!arg.startsWith(QLatin1Char('-')) && dirName.isEmpty()) {
            dirName = arg;
        } else {
            usage();
            return 2;
        }
    }
    if (dirName.isEmpty()) {
        usage();
        return 2;
    }
    options.collection = QDir(QFileInfo(dirName).absoluteFilePath());
    tables::ShortDateFormat::setProgramFormat(tables::ShortDateFormat{});
    try {
        Bench(std::move(options)).run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sonorelo-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
