// The index rebuild and the reinitialise windows, from the menu.
#include <QProgressBar>

#include "appfixture.h"
#include "common/errorreport.h"
#include "data/barraform2.h"
#include "data/indexaform.h"

namespace {
// Opens the window by its menu item and waits until it has gone, recording each step of its bar.
template <class Form>
QList<int> runToTheEnd(QAction* item, int* maximum = nullptr) {
    item->trigger();
    auto* form = RunningProgram::child<Form>();
    if (!form) return {};
    auto* bar = form->template findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    QList<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, [&values](int v) { values << v; });
    QPointer<Form> watched = form;
    QObject::connect(bar, &QProgressBar::valueChanged, [bar, maximum] {
        if (maximum) *maximum = bar->maximum();
    });
    waitUntil([&] { return watched.isNull(); });
    return values;
}
}  // namespace

class Maintenance : public QObject {
    Q_OBJECT
private slots:
    void rebuildTakesFourteenEqualSteps();
    void rebuildPostsAChangePendingElsewhere();
    void rebuildStopsAtAClosedTable();
    void reinitialiseDeletesEverything();
    void reinitialiseWithNothingToDelete();
    void reinitialiseCancelled();
    void reinitialiseOnlySongs();
};

void Maintenance::rebuildTakesFourteenEqualSteps() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    int maximum = 0;
    const QList<int> steps = runToTheEnd<Tindexaform>(FormPrincipal->Manuteno1, &maximum);
    QCOMPARE(steps, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    QCOMPARE(maximum, 14);
    QVERIFY(FormPrincipal->Manuteno1->isEnabled());
    QVERIFY(!DataModule1->firstMissingIndex());
}

void Maintenance::rebuildPostsAChangePendingElsewhere() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    addRecord(DataModule1->Artista, {{"artista", "Antigo"}});
    DataModule1->Artista->Edit();
    DataModule1->ArtistaArtista->SetAsString(QStringLiteral("Novo nome"));
    runToTheEnd<Tindexaform>(FormPrincipal->Manuteno1);
    QCOMPARE(DataModule1->Artista->State(), tables::TableState::Browse);
    DataModule1->Artista->First();
    QCOMPARE(DataModule1->ArtistaArtista->AsString(), QStringLiteral("Novo nome"));
}

void Maintenance::rebuildStopsAtAClosedTable() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    DataModule1->Musica->Close();
    BoxAnswerer answerer;
    FormPrincipal->Manuteno1->trigger();
    QVERIFY(waitUntil([&] { return !answerer.seen().isEmpty(); }));
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Cannot perform this operation on a closed dataset.")});
    auto* form = RunningProgram::child<Tindexaform>();
    QVERIFY(form);  // stays until the user closes it
    QCOMPARE(form->findChild<QProgressBar*>()->value(), 5);  // Artista and the four of CD
    QVERIFY(!FormPrincipal->Manuteno1->isEnabled());
    QTest::qWait(50);
    QCOMPARE(answerer.seen().size(), 1);  // a repaint does not start it again
    form->subWindow()->close();
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    QVERIFY(!FormPrincipal->Manuteno1->isEnabled());
}

void Maintenance::reinitialiseDeletesEverything() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    for (const char* name : {"Ana", "Bia"}) addRecord(DataModule1->Artista, {{"artista", name}});
    for (const char* title : {"Um", "Dois", "Três"})
        addRecord(DataModule1->CD, {{"artista", "Ana"}, {"titulo", title}, {"retirada", "N"}});
    addRecord(DataModule1->Retirada, {{"artista", "Ana"}, {"titulo", "Um"}, {"data_retirada", "01/02/03"}});
    for (int i = 0; i < 10; ++i)
        addRecord(DataModule1->Musica, {{"artista", "Ana"}, {"titulo", "Um"}, {"musica", "Faixa"}});
    DataModule1->CD->SetIndexName(QStringLiteral("ititulo"));

    BoxAnswerer answerer;  // Confirma: Enter answers OK
    int maximum = 0;
    const QList<int> steps = runToTheEnd<Tbarraform2>(FormPrincipal->Reinicializar1, &maximum);
    QCOMPARE(answerer.seen().value(0).text,
             QStringLiteral("Esta rotina apaga todos os registros. TODOS OS DADOS SERÃO PERDIDOS. Confirma?"));
    QCOMPARE(maximum, 16);
    QCOMPARE(steps.size(), 16);
    QCOMPARE(steps.last(), 16);
    for (tables::Table* table : {DataModule1->Artista, DataModule1->CD, DataModule1->Retirada, DataModule1->Musica})
        QCOMPARE(table->RecordCount(), 0);
    QVERIFY(FormPrincipal->Reinicializar1->isEnabled());
}

void Maintenance::reinitialiseWithNothingToDelete() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    BoxAnswerer answerer;
    const QList<int> steps = runToTheEnd<Tbarraform2>(FormPrincipal->Reinicializar1);
    QCOMPARE(answerer.texts().value(1), QStringLiteral("Não existem registros para serem apagados"));
    QCOMPARE(answerer.seen().value(1).caption, QStringLiteral("Sonorelo"));
    QVERIFY(steps.isEmpty());
    QVERIFY(FormPrincipal->Reinicializar1->isEnabled());
}

void Maintenance::reinitialiseCancelled() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    addRecord(DataModule1->Artista, {{"artista", "Fica"}});
    BoxAnswerer answerer(BoxAnswerer::pressKey(Qt::Key_Escape));
    FormPrincipal->Reinicializar1->trigger();
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY(RunningProgram::children().isEmpty());
    QVERIFY(FormPrincipal->Reinicializar1->isEnabled());
    QCOMPARE(DataModule1->Artista->RecordCount(), 1);
}

void Maintenance::reinitialiseOnlySongs() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    for (int i = 0; i < 7; ++i) addRecord(DataModule1->Musica, {{"musica", "x"}});
    BoxAnswerer answerer;
    int maximum = 0;
    const QList<int> steps = runToTheEnd<Tbarraform2>(FormPrincipal->Reinicializar1, &maximum);
    QCOMPARE(maximum, 7);
    QCOMPARE(steps.size(), 7);
    QCOMPARE(DataModule1->Musica->RecordCount(), 0);
}

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    Maintenance test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_maintenance.moc"
