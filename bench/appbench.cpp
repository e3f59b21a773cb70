// sonorelo-appbench DIR: the figures of the whole program on a generated collection, each beside
// a baseline measured in the same run. The start-up is set against the same start on empty
// table files; the index rebuild and the reinitialise against raw SQLite doing the same work
// (same pragmas, the collation registered, one transaction per file, the commit included).
// One line per figure on standard output, as sonorelo-bench prints them:
//   NAME: ours X ms, baseline Y ms, ratio Z
// then the absolute start-up time and the peak resident memory of the program's runs. Progress
// and anything odd go to standard error. The program runs on copies in a scratch folder beside
// DIR, removed at the end, so the collection stays as generated.
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/formprincipal.h"
#include "app/program.h"
#include "bench/collectionfiles.h"
#include "bench/figures.h"
#include "bench/rawsqlite.h"
#include "common/errorreport.h"
#include "data/barraform2.h"
#include "data/catalogue.h"
#include "data/datamodule.h"
#include "data/indexaform.h"
#include "platform/tables/sharedfile.h"
#include "platform/tables/sqlitedb.h"
#include "platform/tables/tablefile.h"

namespace {

using figures::Clock;
using figures::formatMs;
using figures::median;
using figures::msSince;
using figures::note;
using figures::report;

constexpr double kMemoryGoalMb = 100;
constexpr double kStartGoalMs = 500;

[[noreturn]] void failWith(const QString& text) { throw std::runtime_error(text.toStdString()); }

// Peak resident memory of this process in MB (VmHWM), negative when it cannot be read.
double peakResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("VmHWM:")) continue;
        bool ok = false;
        const double kb = line.mid(6).trimmed().split(' ').value(0).toDouble(&ok);
        return ok ? kb / 1024 : -1;
    }
    return -1;
}

// Starts the peak over from what is resident now, so that the next reading is the peak of one
// run of the program rather than of everything this process did before it.
bool restartPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5", 1) == 1;
}

void reportMemory(const QString& what, double mb, bool sinceStart) {
    if (mb < 0) {
        note(QStringLiteral("peak resident memory, %1: cannot be read").arg(what));
        return;
    }
    std::printf("peak resident memory, %s: %.1f MB%s (goal under %.0f MB)\n", qPrintable(what), mb,
                sinceStart ? " (of the whole process)" : "", kMemoryGoalMb);
    std::fflush(stdout);
}

// Answers every modal box with Enter, as a user pressing OK, from a timer that also runs inside
// the box's own event loop. The confirmation of the reinitialise is expected; any other box is
// something the program reported: it is written out and counted, and the figure is void.
class BoxWatcher {
  public:
    BoxWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // When the last confirmation was answered.
    std::optional<Clock::time_point> confirmed() const { return confirmed_; }
    void forgetConfirmation() { confirmed_.reset(); }
    int unexpected() const { return unexpected_; }

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == last_) return;
        last_ = box;
        if (box->objectName() == QLatin1String("Confirma")) {
            confirmed_ = Clock::now();
        } else {
            ++unexpected_;
            note(QStringLiteral("the program showed a box: %1: %2")
                     .arg(box->windowTitle(), box->text()));
        }
        QTest::keyClick(box, Qt::Key_Return);
    }

    QTimer timer_;
    QPointer<QMessageBox> last_;
    std::optional<Clock::time_point> confirmed_;
    int unexpected_ = 0;
};

// The program started in a folder as main() starts it; shut down, and the folder left, when it
// goes.
class ProgramRun {
  public:
    explicit ProgramRun(const QDir& dir) : saved_(QDir::currentPath()) {
        if (!QDir::setCurrent(dir.absolutePath())) failWith(QStringLiteral("cannot enter ") + dir.absolutePath());
    }
    ~ProgramRun() {
        if (started_) {
            Program::shutdown();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QDir::setCurrent(saved_);
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Starts the program and processes events until its frame is on the screen and has been
    // painted; answers the time that took.
    double start() {
        const Clock::time_point begin = Clock::now();
        started_ = true;
        Program::initialize();
        PaintSeen painted;
        FormPrincipal->installEventFilter(&painted);
        Program::showMainForm();
        // Hang guard only: the frame of a working program is shown long before this.
        const Clock::time_point giveUp = begin + std::chrono::minutes(1);
        for (;;) {
            const QWindow* window = FormPrincipal->windowHandle();
            if (window && window->isExposed() && painted.seen) break;
            if (Clock::now() > giveUp) failWith(QStringLiteral("the main frame was never shown"));
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double ms = msSince(begin);
        FormPrincipal->removeEventFilter(&painted);
        return ms;
    }

  private:
    struct PaintSeen : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) seen = true;
            return false;
        }
    };

    QString saved_;
    bool started_ = false;
};

// Runs the event loop, as the program's own does, until the maintenance window has done its
// work and gone. Its work holds the loop from its first paint to its end, so the check below
// runs only before the work starts and after it ends.
void runUntilGone(MaintenanceWindow* form, const BoxWatcher& watcher) {
    QPointer<MaintenanceWindow> watched = form;
    const int unexpectedBefore = watcher.unexpected();
    QEventLoop loop;
    QTimer check;
    const Clock::time_point begin = Clock::now();
    QObject::connect(&check, &QTimer::timeout, [&] {
        // Hang guard only: a window whose work never began (never painted) or that stays after
        // an error box.
        if (!watched || watcher.unexpected() > unexpectedBefore ||
            (watched->steps() == 0 && msSince(begin) > 60000))
            loop.quit();
    });
    check.start(20);
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (watched) loop.exec();
    if (watched)
        failWith(QStringLiteral("the window %1 did not finish (bar at %2 steps)")
                     .arg(watched->objectName())
                     .arg(watched->steps()));
}

// The four table files with no record and the fourteen indexes, as a new installation has them
// after its first start.
void makeEmptyCollection(const QDir& dir) {
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        const QString path = dir.filePath(table.fileName);
        tables::createTableFile(path, table.name, table.fieldDefs());
        rawsql::Db db(path);
        for (const catalogue::IndexEntry& index : catalogue::indexEntries())
            if (index.table == table.name) db.exec(collectionfiles::createIndexSql(index));
    }
}

// Drops the fourteen indexes of the copy in `dir`, committed.
void dropIndexes(const QDir& dir) {
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        rawsql::Db db(collectionfiles::tablePath(dir, table));
        db.programPragmas();
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

// The number of records of each table, in the order of the catalogue.
std::vector<std::int64_t> recordCounts(const QDir& dir) {
    std::vector<std::int64_t> counts;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        rawsql::Db db(collectionfiles::tablePath(dir, table));
        rawsql::Stmt count(db, QStringLiteral("SELECT count(*) FROM ") +
                                   tables::quotedIdentifier(table.name));
        counts.push_back(count.step() ? count.integer(0) : -1);
    }
    return counts;
}

std::int64_t total(const std::vector<std::int64_t>& counts) {
    std::int64_t sum = 0;
    for (std::int64_t c : counts) sum += c;
    return sum;
}

// The baseline connections as the engine opens them: the collation, the same pragmas, the
// schema read that takes the lock.
std::map<QString, std::unique_ptr<rawsql::Db>> openBaseline(const QDir& dir) {
    std::map<QString, std::unique_ptr<rawsql::Db>> dbs;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        auto db = std::make_unique<rawsql::Db>(collectionfiles::tablePath(dir, table));
        db->programPragmas();
        db->readSchema();
        dbs[table.name] = std::move(db);
    }
    return dbs;
}

struct Options {
    QDir collection;
    QString scratchParent;
    int reps = 5;
    int indexReps = 1;
    QString only;
    double applicationMs = 0;  // making the application object, before any figure
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
    QDir scratch(const QString& name);
    QDir copyOfCollection(const QString& name);
    static void removeCopy(const QDir& dir);

    void startUp();
    void indexRebuild();
    void reinitialise();

    Options options_;
    std::unique_ptr<QTemporaryDir> scratch_;
    BoxWatcher watcher_;
};

QDir Bench::scratch(const QString& name) {
    if (!scratch_) {
        const QString parent = options_.scratchParent.isEmpty()
                                   ? QFileInfo(options_.collection.absolutePath()).absolutePath()
                                   : options_.scratchParent;
        scratch_ =
            std::make_unique<QTemporaryDir>(parent + QStringLiteral("/sonorelo-appbench-XXXXXX"));
        if (!scratch_->isValid())
            failWith(QStringLiteral("cannot make a scratch folder in ") + parent);
    }
    QDir dir(scratch_->path());
    if (!dir.mkpath(name)) failWith(QStringLiteral("cannot make ") + name);
    return QDir(dir.absoluteFilePath(name));
}

QDir Bench::copyOfCollection(const QString& name) {
    const QDir dir = scratch(name);
    collectionfiles::copyTableFiles(options_.collection, dir);
    return dir;
}

void Bench::removeCopy(const QDir& dir) { QDir(dir).removeRecursively(); }

void Bench::run() {
    const QStringList present = collectionfiles::presentTableFiles(options_.collection);
    if (present.size() != int(catalogue::tableEntries().size()))
        failWith(options_.collection.absolutePath() +
                 QStringLiteral(" does not hold the four table files; make it with "
                                "sonorelo-generate"));
    if (wanted("start-up to frame shown")) startUp();
    if (wanted("index rebuild (fourteen present) vs raw CREATE INDEX")) indexRebuild();
    if (wanted("reinitialise every record")) reinitialise();
}

void Bench::startUp() {
    const QDir full = copyOfCollection(QStringLiteral("start-full"));
    const QDir empty = scratch(QStringLiteral("start-empty"));
    makeEmptyCollection(empty);

    double peakMb = -1;
    bool peakSinceStart = false;
    const auto once = [&](const QDir& dir, bool measureMemory) {
        ProgramRun program(dir);
        if (measureMemory) peakSinceStart = !restartPeakResident() || peakSinceStart;
        const double ms = program.start();
        if (measureMemory) peakMb = std::max(peakMb, peakResidentMb());
        const QList<QMdiSubWindow*> children = FormPrincipal->mdiArea()->subWindowList();
        if (!children.isEmpty())
            failWith(QStringLiteral("start-up in %1 opened the window %2")
                         .arg(dir.absolutePath(), children.first()->widget()->objectName()));
        if (watcher_.unexpected()) failWith(QStringLiteral("start-up showed an error"));
        return ms;
    };
    // The first round warms what Qt loads once per process (fonts, style) and is left out of
    // the medians; its start on the collection is what a user sees first.
    std::vector<double> oursMs, baselineMs;
    double firstMs = 0;
    for (int round = -1; round < options_.reps; ++round) {
        const double o = once(full, true);
        const double b = once(empty, false);
        if (round < 0) {
            firstMs = o;
            continue;
        }
        oursMs.push_back(o);
        baselineMs.push_back(b);
    }
    report("start-up to frame shown", median(oursMs), median(baselineMs));
    std::printf("start-up to frame shown, absolute: ours %s ms (the first start in this process "
                "%s ms, after %s ms making the application object), goal under %.0f ms\n",
                qPrintable(formatMs(median(oursMs))), qPrintable(formatMs(firstMs)),
                qPrintable(formatMs(options_.applicationMs)), kStartGoalMs);
    std::fflush(stdout);
    reportMemory(QStringLiteral("start-up on the collection"), peakMb, peakSinceStart);
    removeCopy(full);
    removeCopy(empty);
}

void Bench::indexRebuild() {
    note(QStringLiteral("copying the collection for the index rebuild"));
    const QDir oursDir = copyOfCollection(QStringLiteral("index-ours"));
    const QDir baselineDir = copyOfCollection(QStringLiteral("index-baseline"));
    std::vector<QString> createSql;
    for (const catalogue::IndexEntry& index : catalogue::indexEntries())
        createSql.push_back(collectionfiles::createIndexSql(index));

    double peakMb = -1;
    bool peakSinceStart = false;
    const auto ours = [&] {
        ProgramRun program(oursDir);
        program.start();
        peakSinceStart = !restartPeakResident() || peakSinceStart;
        const Clock::time_point start = Clock::now();
        FormPrincipal->Manuteno1->trigger();
        auto* form = FormPrincipal->mdiArea()->findChild<Tindexaform*>();
        if (!form) failWith(QStringLiteral("Manutenção opened no index rebuild window"));
        runUntilGone(form, watcher_);
        tables::commitAll();
        const double ms = msSince(start);
        peakMb = std::max(peakMb, peakResidentMb());
        if (const auto missing = DataModule1->firstMissingIndex())
            failWith(QStringLiteral("after the rebuild the index %1 of %2 is missing")
                         .arg(missing->name, missing->table));
        if (!FormPrincipal->Manuteno1->isEnabled())
            note(QStringLiteral("after the rebuild Manutenção stays disabled"));
        return ms;
    };
    // One transaction per file, begun at its first index; `drop` drops each index first, as
    // the rebuild does with the indexes present.
    const auto baseline = [&](bool drop) {
        auto dbs = openBaseline(baselineDir);
        const Clock::time_point start = Clock::now();
        std::map<QString, bool> begun;
        for (size_t i = 0; i < createSql.size(); ++i) {
            const catalogue::IndexEntry& index = catalogue::indexEntries()[i];
            rawsql::Db& db = *dbs.at(index.table);
            if (!begun[index.table]) {
                db.exec("BEGIN IMMEDIATE");
                begun[index.table] = true;
            }
            if (drop)
                db.exec(QStringLiteral("DROP INDEX IF EXISTS ") +
                        tables::quotedIdentifier(index.name));
            db.exec(createSql[i]);
        }
        for (auto& [table, db] : dbs)
            if (begun[table]) db->exec("COMMIT");
        return msSince(start);
    };

    std::vector<double> oursMs, createMs, dropCreateMs;
    for (int round = 0; round < options_.indexReps; ++round) {
        oursMs.push_back(ours());
        dropIndexes(baselineDir);
        createMs.push_back(baseline(false));
        dropCreateMs.push_back(baseline(true));
    }
    report("index rebuild (fourteen present) vs raw CREATE INDEX", median(oursMs),
           median(createMs));
    report("index rebuild (fourteen present) vs raw DROP + CREATE INDEX", median(oursMs),
           median(dropCreateMs));
    reportMemory(QStringLiteral("index rebuild"), peakMb, peakSinceStart);
    if (indexSql(oursDir) != indexSql(baselineDir))
        note(QStringLiteral("index rebuild: the program's indexes differ from the baseline's"));
    removeCopy(oursDir);
    removeCopy(baselineDir);
}

void Bench::reinitialise() {
    const std::vector<std::int64_t> before = recordCounts(options_.collection);

    note(QStringLiteral("copying the collection for the reinitialise (the program)"));
    const QDir oursDir = copyOfCollection(QStringLiteral("reinit-ours"));
    double oursMs = 0, peakMb = -1;
    bool peakSinceStart = false;
    {
        ProgramRun program(oursDir);
        program.start();
        peakSinceStart = !restartPeakResident();
        watcher_.forgetConfirmation();
        FormPrincipal->Reinicializar1->trigger();  // returns once the box has been answered
        const std::optional<Clock::time_point> start = watcher_.confirmed();
        auto* form = FormPrincipal->mdiArea()->findChild<Tbarraform2*>();
        if (!start || !form) failWith(QStringLiteral("Reinicializar opened no window"));
        runUntilGone(form, watcher_);
        tables::commitAll();
        oursMs = msSince(*start);
        peakMb = peakResidentMb();
        for (tables::Table* table : {DataModule1->Artista, DataModule1->CD,
                                     DataModule1->Retirada, DataModule1->Musica})
            if (const int left = table->RecordCount())
                note(QStringLiteral("reinitialise: the program left %1 records in %2")
                         .arg(left)
                         .arg(table->objectName()));
    }
    if (const std::int64_t left = total(recordCounts(oursDir)))
        note(QStringLiteral("reinitialise: %1 records are still in the program's files").arg(left));
    removeCopy(oursDir);

    note(QStringLiteral("copying the collection for the reinitialise (the baseline)"));
    const QDir baselineDir = copyOfCollection(QStringLiteral("reinit-baseline"));
    double baselineMs = 0;
    {
        auto dbs = openBaseline(baselineDir);
        const Clock::time_point start = Clock::now();
        for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
            rawsql::Db& db = *dbs.at(table.name);
            const QString name = tables::quotedIdentifier(table.name);
            db.exec("BEGIN IMMEDIATE");
            std::vector<std::int64_t> rowids;
            {
                rawsql::Stmt list(db, QStringLiteral("SELECT rowid FROM ") + name +
                                          QStringLiteral(" ORDER BY rowid"));
                while (list.step()) rowids.push_back(list.integer(0));
            }
            {
                rawsql::Stmt remove(db, QStringLiteral("DELETE FROM ") + name +
                                            QStringLiteral(" WHERE rowid = ?1"));
                for (std::int64_t rowid : rowids) {
                    remove.bindInt(1, rowid);
                    remove.step();
                    remove.reset();
                }
            }
            db.exec("COMMIT");
        }
        baselineMs = msSince(start);
    }
    if (const std::int64_t left = total(recordCounts(baselineDir)))
        note(QStringLiteral("reinitialise: %1 records are still in the baseline's files").arg(left));
    removeCopy(baselineDir);

    report("reinitialise every record", oursMs, baselineMs);
    reportMemory(QStringLiteral("reinitialise of %1 records").arg(total(before)), peakMb,
                 peakSinceStart);
}

void usage() {
    std::fprintf(
        stderr,
        "usage: sonorelo-appbench [--reps N] [--index-reps N] [--only TEXT] [--scratch DIR] DIR\n"
        "  DIR      a collection written by sonorelo-generate (left unchanged)\n"
        "  --reps   rounds of the start-up figure, the median printed (default 5)\n"
        "  --index-reps  rounds of the index rebuild figure (default 1)\n"
        "  --only   run only the figures whose name contains TEXT\n"
        "  --scratch  where the copies go (default: beside DIR)\n");
}

// Qt's message handler, less one warning the off-screen platform gives for every child window.
QtMessageHandler qtHandler = nullptr;
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
    qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // No screen needed: the program's windows are drawn off screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(filterMessages);
    const Clock::time_point begin = Clock::now();
    common::Application app(argc, argv);
    Options options;
    options.applicationMs = msSince(begin);
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
    try {
        Bench(std::move(options)).run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sonorelo-appbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
