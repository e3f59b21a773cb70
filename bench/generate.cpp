// sonorelo-generate DIR [--scale F]: writes the benchmark collection into DIR as real table
// files. At full size: 10,000 artists, 100,000 CDs, 1,200,000 songs and 5,000 loans, with the
// fourteen indexes. The same collection comes out on every run.
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "bench/collectionfiles.h"
#include "bench/names.h"
#include "bench/rawsqlite.h"
#include "data/catalogue.h"
#include "platform/tables/sqlitedb.h"
#include "platform/tables/tablefile.h"

namespace {

// Fixed random start value: every run writes the same collection.
constexpr std::uint32_t kRngStart = 19970531;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Sizes {
    int artists;
    int cds;
    int songs;
    int loans;
};

Sizes sizesFor(double scale) {
    Sizes sizes;
    sizes.artists = std::max(1, int(std::lround(10000 * scale)));
    sizes.cds = std::max(1, int(std::lround(100000 * scale)));
    sizes.songs = std::clamp(int(std::lround(1200000 * scale)), sizes.cds, sizes.cds * 20);
    sizes.loans = std::min(sizes.cds, int(std::lround(5000 * scale)));
    return sizes;
}

struct Cd {
    int artist;
    QString title;
    QString acquired;  // ISO date, empty for none
    QString style;
    QString number;
    bool lent = false;
    int songs = 0;
};

struct Loan {
    int cd;
    QString taken;
    QString due;
    QString person;
    QString telephone;
};

struct Collection {
    std::vector<QString> artists;
    std::vector<Cd> cds;
    std::vector<Loan> loans;
    int caseVariants = 0;
};

// The artists: distinct names, no two alike but for letter case except a few pairs made so on
// purpose ("Ana Conceição" and "ANA CONCEIÇÃO"), which the indexes take as equal.
std::vector<int> makeArtists(names::Rng& rng, int count, Collection& collection) {
    const int variants = std::min(8, count / 100);
    QSet<QString> exact, folded;
    auto& artists = collection.artists;
    while (int(artists.size()) < count - variants) {
        const QString name = names::artistName(rng);
        if (name.trimmed().isEmpty() || exact.contains(name) ||
            folded.contains(name.toCaseFolded()))
            continue;
        exact.insert(name);
        folded.insert(name.toCaseFolded());
        artists.push_back(name);
    }
    std::vector<int> paired;
    while (int(artists.size()) < count) {
        const int base = int(rng.below(std::uint32_t(artists.size())));
        QString variant = artists[size_t(base)].toUpper();
        if (variant == artists[size_t(base)]) variant = artists[size_t(base)].toLower();
        if (exact.contains(variant)) continue;
        exact.insert(variant);
        artists.push_back(variant);
        paired.push_back(base);
        paired.push_back(int(artists.size()) - 1);
    }
    collection.caseVariants = variants;
    return paired;
}

// CDs per artist follow a long tail: the artist of rank r (0 the busiest) is chosen with weight
// 1/(r + 25), so a few have hundreds of CDs and most a handful. The CDs come in the order they
// were "entered": artists mixed.
void makeCds(names::Rng& rng, const Sizes& sizes, const std::vector<int>& paired,
             Collection& collection) {
    const int artistCount = int(collection.artists.size());
    std::vector<int> byRank(static_cast<size_t>(artistCount));
    std::iota(byRank.begin(), byRank.end(), 0);
    rng.shuffle(byRank);
    // The artists that differ only in letter case get many CDs, so that equal keys of
    // different spelling meet in the indexes.
    for (size_t i = 0; i < paired.size() && 60 + i < byRank.size(); ++i) {
        const auto at = std::find(byRank.begin(), byRank.end(), paired[i]);
        std::iter_swap(at, byRank.begin() + std::ptrdiff_t(60 + i));
    }
    std::vector<double> cumulative(static_cast<size_t>(artistCount));
    std::vector<int> artistOfSlot(static_cast<size_t>(artistCount));
    double total = 0;
    for (int rank = 0; rank < artistCount; ++rank) {
        total += 1.0 / (rank + 25.0);
        cumulative[size_t(rank)] = total;
        artistOfSlot[size_t(rank)] = byRank[size_t(rank)];
    }

    std::map<QString, QSet<QString>> titlesOf;  // by the artist's folded name
    const QDate firstBought(1990, 1, 1), lastBought(2024, 12, 31);
    collection.cds.reserve(size_t(sizes.cds));
    for (int i = 0; i < sizes.cds; ++i) {
        const double draw = rng.unit() * total;
        const size_t slot =
            std::min(size_t(artistCount - 1),
                     size_t(std::upper_bound(cumulative.begin(), cumulative.end(), draw) -
                            cumulative.begin()));
        Cd cd;
        cd.artist = artistOfSlot[slot];
        QSet<QString>& used = titlesOf[collection.artists[size_t(cd.artist)].toCaseFolded()];
        QString title;
        for (int attempt = 0; attempt < 60; ++attempt) {
            title = rng.chance(0.06) ? names::genericTitle(rng) : names::cdTitle(rng);
            if (!used.contains(title.toCaseFolded())) break;
            title.clear();
        }
        for (int n = 2; title.isEmpty(); ++n) {
            const QString candidate =
                names::cut(names::cdTitle(rng), 34) + QStringLiteral(" ") + QString::number(n);
            if (!used.contains(candidate.toCaseFolded())) title = candidate;
        }
        used.insert(title.toCaseFolded());
        cd.title = title;
        if (!rng.chance(0.1))
            cd.acquired = names::dateBetween(rng, firstBought, lastBought).toString(Qt::ISODate);
        cd.style = names::style(rng);
        cd.number = QStringLiteral("%1").arg(1 + rng.below(999), 3, 10, QLatin1Char('0'));
        collection.cds.push_back(std::move(cd));
    }
}

// 1 to 20 songs a CD, about 12 on average: a few singles and short records, most between 4 and
// 20; then nudged, one song at a time, to the exact total.
void makeSongCounts(names::Rng& rng, int totalSongs, Collection& collection) {
    auto& cds = collection.cds;
    long long sum = 0;
    for (Cd& cd : cds) {
        cd.songs = rng.chance(0.03) ? int(1 + rng.below(3)) : int(4 + rng.below(9) + rng.below(9));
        sum += cd.songs;
    }
    while (sum != totalSongs) {
        Cd& cd = cds[rng.below(std::uint32_t(cds.size()))];
        if (sum < totalSongs && cd.songs < 20) {
            ++cd.songs;
            ++sum;
        } else if (sum > totalSongs && cd.songs > 1) {
            --cd.songs;
            --sum;
        }
    }
}

// About 5% of the CDs are lent: the CD is flagged and a loan record names it.
void makeLoans(names::Rng& rng, int count, Collection& collection) {
    std::vector<int> order(collection.cds.size());
    std::iota(order.begin(), order.end(), 0);
    const QDate firstTaken(2025, 1, 2), lastTaken(2025, 12, 31);
    for (int i = 0; i < count; ++i) {
        const size_t j = size_t(i) + rng.below(std::uint32_t(order.size() - size_t(i)));
        std::swap(order[size_t(i)], order[j]);
        Loan loan;
        loan.cd = order[size_t(i)];
        const QDate taken = names::dateBetween(rng, firstTaken, lastTaken);
        loan.taken = taken.toString(Qt::ISODate);
        loan.due = taken.addDays(7 + rng.below(24)).toString(Qt::ISODate);
        loan.person = names::personName(rng);
        loan.telephone = names::telephone(rng);
        collection.cds[size_t(loan.cd)].lent = true;
        collection.loans.push_back(std::move(loan));
    }
}

// An INSERT over every field of the table, and each field's parameter number.
class Inserter {
  public:
    Inserter(rawsql::Db& db, const catalogue::TableEntry& table) : table_(table) {
        QStringList columns, params;
        for (const catalogue::FieldEntry& field : table.fields) {
            columns << tables::quotedIdentifier(field.def.name);
            params << QStringLiteral("?");
        }
        statement_ = std::make_unique<rawsql::Stmt>(
            db, QStringLiteral("INSERT INTO ") + tables::quotedIdentifier(table.name) +
                    QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
                    QStringLiteral(") VALUES (") + params.join(QStringLiteral(", ")) +
                    QStringLiteral(")"));
    }

    int param(const char* fieldName) const {
        for (size_t i = 0; i < table_.fields.size(); ++i)
            if (table_.fields[i].def.name.compare(QLatin1String(fieldName), Qt::CaseInsensitive) ==
                0)
                return int(i) + 1;
        throw std::runtime_error(std::string("no field ") + fieldName);
    }

    // An empty date is NULL; an empty text is ''.
    void set(int param, const QString& value, bool emptyIsNull = false) {
        if (emptyIsNull && value.isEmpty()) {
            statement_->bindNull(param);
            return;
        }
        const QByteArray utf8 = value.toUtf8();
        statement_->bind(param, std::string_view(utf8.constData(), size_t(utf8.size())));
    }

    void insert() {
        statement_->step();
        statement_->reset();
    }

  private:
    const catalogue::TableEntry& table_;
    std::unique_ptr<rawsql::Stmt> statement_;
};

struct Written {
    QString file;
    int rows = 0;
    double seconds = 0;
};

void prepareConnection(rawsql::Db& db) {
    // Building only: a large page cache for the index sorts, two sorter threads (two cores).
    db.exec("PRAGMA synchronous=NORMAL");
    db.exec("PRAGMA cache_size=-262144");
    db.exec("PRAGMA threads=2");
}

int generate(const QDir& dir, double scale) {
    const Clock::time_point start = Clock::now();
    const Sizes sizes = sizesFor(scale);

    Collection collection;
    names::Rng artistRng(kRngStart), cdRng(kRngStart + 1), songCountRng(kRngStart + 2),
        loanRng(kRngStart + 3), songRng(kRngStart + 4);
    const std::vector<int> paired = makeArtists(artistRng, sizes.artists, collection);
    makeCds(cdRng, sizes, paired, collection);
    makeSongCounts(songCountRng, sizes.songs, collection);
    makeLoans(loanRng, sizes.loans, collection);
    const double planned = secondsSince(start);

    std::map<QString, std::unique_ptr<rawsql::Db>> dbs;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        const QString path = dir.absoluteFilePath(table.fileName);
        tables::createTableFile(path, table.name, table.fieldDefs());
        auto db = std::make_unique<rawsql::Db>(path);
        prepareConnection(*db);
        dbs[table.name] = std::move(db);
    }

    std::vector<Written> written;
    const auto fill = [&](const QString& tableName, const auto& rows) {
        const catalogue::TableEntry& table = catalogue::tableEntry(tableName);
        rawsql::Db& db = *dbs.at(table.name);
        const Clock::time_point begun = Clock::now();
        db.exec("BEGIN IMMEDIATE");
        Inserter inserter(db, table);
        const int count = rows(inserter);
        db.exec("COMMIT");
        written.push_back({table.fileName, count, secondsSince(begun)});
    };

    fill(QStringLiteral("Artista"), [&](Inserter& in) {
        const int artista = in.param("Artista");
        for (const QString& name : collection.artists) {
            in.set(artista, name);
            in.insert();
        }
        return int(collection.artists.size());
    });
    fill(QStringLiteral("CD"), [&](Inserter& in) {
        const int titulo = in.param("Titulo"), aquisicao = in.param("Aquisicao"),
                  artista = in.param("Artista"), estilo = in.param("Estilo"),
                  retirada = in.param("Retirada"), numero = in.param("Numero");
        for (const Cd& cd : collection.cds) {
            in.set(titulo, cd.title);
            in.set(aquisicao, cd.acquired, true);
            in.set(artista, collection.artists[size_t(cd.artist)]);
            in.set(estilo, cd.style);
            in.set(retirada, cd.lent ? QStringLiteral("S") : QStringLiteral("N"));
            in.set(numero, cd.number);
            in.insert();
        }
        return int(collection.cds.size());
    });
    fill(QStringLiteral("Musica"), [&](Inserter& in) {
        const int artista = in.param("Artista"), titulo = in.param("Titulo"),
                  musica = in.param("Musica");
        int count = 0;
        for (const Cd& cd : collection.cds) {
            for (int s = 0; s < cd.songs; ++s) {
                in.set(artista, collection.artists[size_t(cd.artist)]);
                in.set(titulo, cd.title);
                in.set(musica, names::songName(songRng));
                in.insert();
                ++count;
            }
        }
        return count;
    });
    fill(QStringLiteral("Retirada"), [&](Inserter& in) {
        const int taken = in.param("Data_Retirada"), person = in.param("Responsavel"),
                  telephone = in.param("Telefone"), due = in.param("Data_Entrega"),
                  titulo = in.param("Titulo"), artista = in.param("Artista");
        for (const Loan& loan : collection.loans) {
            const Cd& cd = collection.cds[size_t(loan.cd)];
            in.set(taken, loan.taken, true);
            in.set(person, loan.person);
            in.set(telephone, loan.telephone);
            in.set(due, loan.due, true);
            in.set(titulo, cd.title);
            in.set(artista, collection.artists[size_t(cd.artist)]);
            in.insert();
        }
        return int(collection.loans.size());
    });

    const Clock::time_point indexStart = Clock::now();
    std::map<QString, double> indexSeconds;
    for (const catalogue::IndexEntry& index : catalogue::indexEntries()) {
        const Clock::time_point begun = Clock::now();
        dbs.at(catalogue::tableEntry(index.table).name)
            ->exec(collectionfiles::createIndexSql(index));
        indexSeconds[index.table] += secondsSince(begun);
    }
    const double indexTime = secondsSince(indexStart);
    dbs.clear();  // closing checkpoints the write-ahead logs into the files

    // What was written.
    int busiest = 0;
    {
        std::vector<int> perArtist(collection.artists.size());
        for (const Cd& cd : collection.cds) ++perArtist[size_t(cd.artist)];
        busiest = *std::max_element(perArtist.begin(), perArtist.end());
    }
    qint64 bytes = 0;
    for (const Written& w : written) {
        const qint64 size = QFileInfo(dir.absoluteFilePath(w.file)).size();
        bytes += size;
        std::printf("%-12s %9d rows inserted in %6.2f s (%.1f MB with its indexes)\n",
                    qPrintable(w.file), w.rows, w.seconds, size / 1e6);
    }
    std::printf("indexes      %9zu built in %6.2f s (", catalogue::indexEntries().size(), indexTime);
    bool firstTable = true;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        std::printf("%s%s %.2f s", firstTable ? "" : ", ", qPrintable(table.name),
                    indexSeconds[table.name]);
        firstTable = false;
    }
    std::printf(")\n");
    std::printf(
        "collection   %d artists (%d differing from another only in letter case), "
        "%d CDs (busiest artist %d), %d songs (%.2f a CD), %d loans\n",
        int(collection.artists.size()), collection.caseVariants, int(collection.cds.size()),
        busiest, sizes.songs, double(sizes.songs) / double(collection.cds.size()),
        int(collection.loans.size()));
    std::printf("wrote %s: %.1f MB in %.2f s (names made in %.2f s)\n",
                qPrintable(QDir::toNativeSeparators(dir.absolutePath())), bytes / 1e6,
                secondsSince(start), planned);
    return 0;
}

void usage() {
    std::fprintf(stderr,
                 "usage: sonorelo-generate [--scale F] DIR\n"
                 "  writes the benchmark collection (10,000 artists, 100,000 CDs,\n"
                 "  1,200,000 songs, 5,000 loans; times F with --scale) into DIR\n");
}

}  // namespace

int main(int argc, char** argv) {
    QString dirName;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc) {
            bool ok = false;
            scale = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
            if (!ok || scale <= 0 || scale > 10) {
                std::fprintf(stderr,
                             "sonorelo-generate: --scale takes a number above 0, up to 10\n");
                return 2;
            }
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

    QDir dir(dirName);
    if (!dir.exists() && !QDir().mkpath(dirName)) {
        std::fprintf(stderr, "sonorelo-generate: cannot create %s\n", qPrintable(dirName));
        return 1;
    }
    dir = QDir(QFileInfo(dirName).absoluteFilePath());
    const QStringList present = collectionfiles::presentTableFiles(dir);
    if (!present.isEmpty()) {
        std::fprintf(stderr,
                     "sonorelo-generate: %s already holds table files (%s); nothing written\n",
                     qPrintable(dirName), qPrintable(present.join(QStringLiteral(", "))));
        return 1;
    }
    try {
        return generate(dir, scale);
    } catch (const std::exception& error) {
        // The folder held no table files: leave it so again rather than half a collection.
        collectionfiles::removeTableFiles(dir);
        std::fprintf(stderr, "sonorelo-generate: %s\n", error.what());
        return 1;
    }
}
