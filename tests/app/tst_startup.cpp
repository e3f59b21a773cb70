// Program start: the creation order, the start-up index check, a table held by another program.
#include <QProcess>
#include <sqlite3.h>

#include "appfixture.h"
#include "common/errorreport.h"
#include "data/indexaform.h"

class Startup : public QObject {
    Q_OBJECT
private slots:
    void creationOrder();
    void firstStartBuildsTheIndexes();
    void oneMissingIndexRebuildsAll();
    void tableHeldByAnotherProgram();
};

void Startup::creationOrder() {
    CollectionFolder folder;
    RunningProgram program(false);
    QVERIFY(FormPrincipal);
    QVERIFY(DataModule1);
    QVERIFY(!FormPrincipal->isVisible());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Sonorelo"));
    QCOMPARE(Program::helpFile(), QStringLiteral("sonor95.hlp"));
    for (tables::Table* table : {DataModule1->Artista, DataModule1->CD, DataModule1->Retirada, DataModule1->Musica})
        QVERIFY(table->Active());
    Program::showMainForm();
    QVERIFY(FormPrincipal->isMaximized());
}

void Startup::firstStartBuildsTheIndexes() {
    CollectionFolder folder;
    {
        RunningProgram program(false);
        Program::showMainForm();
        QVERIFY(RunningProgram::child<Tindexaform>());
        QVERIFY(FormPrincipal->Manuteno1->isEnabled());  // not disabled on this path
        QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
        QVERIFY(!DataModule1->firstMissingIndex());
        QVERIFY(FormPrincipal->Manuteno1->isEnabled());
    }
    {
        RunningProgram program;  // all present: no child window
        QTest::qWait(50);
        QVERIFY(RunningProgram::children().isEmpty());
    }
}

void Startup::oneMissingIndexRebuildsAll() {
    CollectionFolder folder;
    { RunningProgram program; QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); })); }
    // Drop an index of the songs and one of the loans, as a lost index file would.
    for (const char* sql : {"DROP INDEX imusica", "DROP INDEX ititulo"}) {
        const char* file = QByteArray(sql).contains("imusica") ? "Musica.db" : "Retirada.DB";
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(file, &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    RunningProgram program(false);
    Program::showMainForm();
    auto* rebuild = RunningProgram::child<Tindexaform>();
    QVERIFY(rebuild);
    QSignalSpy steps(rebuild->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")), &QProgressBar::valueChanged);
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    QCOMPARE(steps.size(), 14);
    QVERIFY(!DataModule1->firstMissingIndex());
}

void Startup::tableHeldByAnotherProgram() {
    CollectionFolder folder;
    QProcess holder;
    holder.start(QStringLiteral(CHILD_PATH), {QStringLiteral("hold"), folder.path(), QStringLiteral("Artista.DB")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("ready"));

    BoxAnswerer answerer;
    {
        RunningProgram program;
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Artista.DB: database is locked.")});
        QCOMPARE(answerer.seen().value(0).caption, QStringLiteral("Sonorelo"));
        for (tables::Table* table : {DataModule1->Artista, DataModule1->CD, DataModule1->Retirada, DataModule1->Musica})
            QVERIFY(!table->Active());
        QVERIFY(RunningProgram::children().isEmpty());  // the check leaves closed tables out
        QVERIFY(FormPrincipal->isVisible());

        // Later operations on the closed tables report it; the program goes on.
        FormPrincipal->Reinicializar1->trigger();  // Confirma answered with Enter: OK
        QVERIFY(waitUntil([&] { return answerer.seen().size() == 3; }));
        QCOMPARE(answerer.texts().last(),
                 QStringLiteral("Cannot perform this operation on a closed dataset."));
        QVERIFY(!FormPrincipal->Reinicializar1->isEnabled());
        QCOMPARE(RunningProgram::children().size(), 1);  // the window stays until closed
        RunningProgram::children().first()->close();
        QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    }
    holder.write("quit\n");
    QVERIFY(holder.waitForFinished(10000));
}

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    Startup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
