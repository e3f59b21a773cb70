// The data module over real table files made from the catalogue.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "data/catalogue.h"
#include "data/datamodule.h"
#include "platform/tables/tableerror.h"
#include "platform/tables/tablefile.h"

using tables::TableState;

namespace {

// A working directory with the four table files, their names in the letter case given.
class Folder {
public:
    explicit Folder(const QStringList& fileNames = {}) {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        const auto& entries = catalogue::tableEntries();
        for (size_t i = 0; i < entries.size(); ++i) {
            const QString name = fileNames.isEmpty() ? entries[i].fileName : fileNames[qsizetype(i)];
            if (!name.isEmpty())
                tables::createTableFile(dir_.filePath(name), entries[i].name, entries[i].fieldDefs());
        }
    }
    ~Folder() { QDir::setCurrent(saved_); }

private:
    QTemporaryDir dir_;
    QString saved_;
};

}  // namespace

class DataModuleTest : public QObject {
    Q_OBJECT
private slots:
    void opensTheFourTables();
    void persistentFieldsAndSources();
    void fileNamesMatchedWithoutCase();
    void firstFailureStopsTheRest();
    void catalogueIndexesInRebuildOrder();
    void secondTableObjectOnSongs();
};

void DataModuleTest::opensTheFourTables() {
    Folder folder;
    TDataModule1 module;
    for (tables::Table* table : {module.Artista, module.CD, module.Retirada, module.Musica})
        QVERIFY(!table->Active());
    module.DataModuleCreate();
    for (tables::Table* table : {module.Artista, module.CD, module.Retirada, module.Musica}) {
        QCOMPARE(table->State(), TableState::Browse);
        QVERIFY(table->Exclusive());
        QCOMPARE(table->IndexName(), QString());
        QCOMPARE(table->RecordCount(), 0);
    }
    QCOMPARE(module.CD->TableName(), QStringLiteral("CD.db"));
    QCOMPARE(module.Retirada->TableName(), QStringLiteral("Retirada.DB"));
}

void DataModuleTest::persistentFieldsAndSources() {
    Folder folder;
    TDataModule1 module;
    QStringList cdFields;
    for (tables::Field* field : module.CD->Fields()) cdFields << field->objectName();
    QCOMPARE(cdFields, (QStringList{"CDTitulo", "CDAquisicao", "CDArtista", "CDEstilo",
                                    "CDRetirada", "CDNumero"}));
    QStringList loanFields;
    for (tables::Field* field : module.Retirada->Fields()) loanFields << field->objectName();
    QCOMPARE(loanFields, (QStringList{"RetiradaData_Retirada", "RetiradaResponsavel",
                                      "RetiradaTelefone", "RetiradaData_Entrega",
                                      "RetiradaTitulo", "RetiradaArtista"}));
    for (tables::Table* table : {module.Artista, module.CD, module.Musica})
        QCOMPARE(&table->FieldByName(QStringLiteral("ARTISTA")), &table->FieldByName(QStringLiteral("artista")));
    QCOMPARE(&module.Retirada->FieldByName(QStringLiteral("artista")), module.RetiradaArtista);
    QCOMPARE(module.CDAquisicao->EditMask(), QStringLiteral("!99/99/00;1;_"));
    QCOMPARE(module.CDNumero->Size(), 3);
    QCOMPARE(module.RetiradaTelefone->Size(), 13);

    QCOMPARE(module.ArtistaSource->DataSet(), module.Artista);
    QCOMPARE(module.CDSource->DataSet(), module.CD);
    QCOMPARE(module.RetiradaSource->DataSet(), module.Retirada);
    QCOMPARE(module.MusicaSource->DataSet(), module.Musica);
    QVERIFY(!module.ArtistaSource->AutoEdit());
    QVERIFY(!module.CDSource->AutoEdit());
    QVERIFY(module.RetiradaSource->AutoEdit());
    QVERIFY(module.MusicaSource->AutoEdit());
    QCOMPARE(module.findChild<tables::DataSource*>(QStringLiteral("CDSource")), module.CDSource);
    QCOMPARE(module.findChild<tables::Table*>(QStringLiteral("Musica")), module.Musica);
}

void DataModuleTest::fileNamesMatchedWithoutCase() {
    Folder folder({QStringLiteral("ARTISTA.db"), QStringLiteral("cd.DB"), QStringLiteral("retirada.db"),
                   QStringLiteral("MUSICA.DB")});
    TDataModule1 module;
    module.DataModuleCreate();
    QVERIFY(module.Musica->Active());
}

void DataModuleTest::firstFailureStopsTheRest() {
    Folder folder({QStringLiteral("Artista.DB"), QString(), QStringLiteral("Retirada.DB"),
                   QStringLiteral("Musica.db")});
    TDataModule1 module;
    try {
        module.DataModuleCreate();
        QFAIL("CD.db is missing");
    } catch (const tables::TableError& error) {
        QCOMPARE(error.message(), QStringLiteral("CD.db: unable to open database file"));
    }
    QVERIFY(module.Artista->Active());
    QVERIFY(!module.CD->Active());
    QVERIFY(!module.Retirada->Active());
    QVERIFY(!module.Musica->Active());
    try {
        module.Musica->First();
        QFAIL("Musica stays closed");
    } catch (const tables::TableError& error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot perform this operation on a closed dataset"));
    }
    QVERIFY(!QFile::exists(QStringLiteral("CD.db")));  // the program never creates a table file
}

void DataModuleTest::catalogueIndexesInRebuildOrder() {
    Folder folder;
    TDataModule1 module;
    module.DataModuleCreate();
    QCOMPARE(module.firstMissingIndex()->name, QStringLiteral("iartista"));
    QStringList built;
    for (const catalogue::IndexEntry& index : catalogue::indexEntries()) {
        QCOMPARE(index.order, int(built.size()) + 1);
        QCOMPARE(module.firstMissingIndex()->order, index.order);
        module.addIndex(index);
        built << index.table + QLatin1Char('.') + index.name;
        const auto definition = module.table(index.table)->IndexDefinition(index.name);
        QVERIFY(definition);
        QCOMPARE(definition->columns.join(QLatin1Char(';')).toLower(), index.fields);
    }
    QVERIFY(!module.firstMissingIndex());
    QCOMPARE(built.size(), 14);
    QCOMPARE(built.count(QStringLiteral("Musica.iartista")), 1);
    // Re-adding all fourteen, as the rebuild from the menu does, leaves them all present.
    for (const catalogue::IndexEntry& index : catalogue::indexEntries()) module.addIndex(index);
    QVERIFY(!module.firstMissingIndex());
}

void DataModuleTest::secondTableObjectOnSongs() {
    Folder folder;
    TDataModule1 module;
    module.DataModuleCreate();
    module.addIndex(catalogue::indexEntries()[8]);  // Musica.iartista
    tables::Table songs;
    songs.SetTableName(QStringLiteral("Musica.DB"));
    songs.Open();
    QVERIFY(songs.Active());
    for (const char* artist : {"Zeca", "Ana"}) {
        module.Musica->Append();
        module.MusicaArtista->SetAsString(QString::fromUtf8(artist));
        module.MusicaMusica->SetAsString(QStringLiteral("Canção"));
        module.Musica->Post();
    }
    songs.SetIndexName(QStringLiteral("iartista"));
    songs.First();
    QCOMPARE(songs.FieldByName(QStringLiteral("artista")).AsString(), QStringLiteral("Ana"));
    QCOMPARE(songs.RecordCount(), 2);
    // Adding the songs' indexes works while the second object is open.
    for (int i = 5; i <= 8; ++i) module.addIndex(catalogue::indexEntries()[size_t(i)]);
    songs.First();
    songs.Next();
    QCOMPARE(songs.FieldByName(QStringLiteral("artista")).AsString(), QStringLiteral("Zeca"));
}

QTEST_GUILESS_MAIN(DataModuleTest)
#include "tst_datamodule.moc"
