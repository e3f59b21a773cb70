#include "datamodule.h"

#include "catalogue.h"

TDataModule1* DataModule1 = nullptr;

TDataModule1::TDataModule1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DataModule1"));
    Artista = makeTable(QStringLiteral("Artista"));
    CD = makeTable(QStringLiteral("CD"));
    Retirada = makeTable(QStringLiteral("Retirada"));
    Musica = makeTable(QStringLiteral("Musica"));

    const auto field = [](tables::Table* table, const char* name) {
        return &table->FieldByName(QLatin1String(name));
    };
    ArtistaArtista = field(Artista, "Artista");
    CDTitulo = field(CD, "Titulo");
    CDAquisicao = field(CD, "Aquisicao");
    CDArtista = field(CD, "Artista");
    CDEstilo = field(CD, "Estilo");
    CDRetirada = field(CD, "Retirada");
    CDNumero = field(CD, "Numero");
    RetiradaData_Retirada = field(Retirada, "Data_Retirada");
    RetiradaResponsavel = field(Retirada, "Responsavel");
    RetiradaTelefone = field(Retirada, "Telefone");
    RetiradaData_Entrega = field(Retirada, "Data_Entrega");
    RetiradaTitulo = field(Retirada, "Titulo");
    RetiradaArtista = field(Retirada, "Artista");
    MusicaArtista = field(Musica, "Artista");
    MusicaTitulo = field(Musica, "Titulo");
    MusicaMusica = field(Musica, "Musica");

    ArtistaSource = makeSource(QStringLiteral("ArtistaSource"), Artista, false);
    CDSource = makeSource(QStringLiteral("CDSource"), CD, false);
    RetiradaSource = makeSource(QStringLiteral("RetiradaSource"), Retirada, true);
    MusicaSource = makeSource(QStringLiteral("MusicaSource"), Musica, true);
}

tables::Table* TDataModule1::makeTable(const QString& name) {
    const catalogue::TableEntry& entry = catalogue::tableEntry(name);
    auto* table = new tables::Table(this);
    table->setObjectName(entry.name);
    table->SetTableName(entry.fileName);
    table->SetExclusive(true);
    for (const catalogue::FieldEntry& field : entry.fields) table->AddField(field.def, field.objectName);
    return table;
}

tables::DataSource* TDataModule1::makeSource(const QString& name, tables::Table* table,
                                             bool autoEdit) {
    auto* source = new tables::DataSource(this);
    source->setObjectName(name);
    source->SetDataSet(table);
    source->SetAutoEdit(autoEdit);
    return source;
}

tables::Table* TDataModule1::table(const QString& name) const {
    for (tables::Table* t : {Artista, CD, Retirada, Musica})
        if (t->objectName().compare(name, Qt::CaseInsensitive) == 0) return t;
    return nullptr;
}

void TDataModule1::addIndex(const catalogue::IndexEntry& index) {
    table(index.table)->AddIndex(index.name, index.fields, tables::IndexOption::CaseInsensitive);
}

std::optional<catalogue::IndexEntry> TDataModule1::firstMissingIndex() const {
    for (const catalogue::IndexEntry& index : catalogue::indexEntries())
        if (!table(index.table)->IndexPresent(index.name)) return index;
    return std::nullopt;
}

void TDataModule1::DataModuleCreate() {
    Artista->Open();
    CD->Open();
    Retirada->Open();
    Musica->Open();
}
