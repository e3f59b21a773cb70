#pragma once

#include <QObject>
#include <optional>

#include "data/catalogue.h"

#include "platform/tables/datasource.h"
#include "platform/tables/field.h"
#include "platform/tables/table.h"

// The data module: the four table objects with their persistent fields and a data source for
// each, shared by every window for the whole run.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    // Builds the tables (exclusive, closed, no index) and their fields; opens nothing.
    explicit TDataModule1(QObject* parent = nullptr);

    // The creation handler: opens Artista, CD, Retirada and Musica in this order. The first
    // failure is raised and the tables after it stay closed.
    void DataModuleCreate();

    tables::Table* table(const QString& name) const;

    // Creates one of the fourteen indexes of the catalogue on its open table.
    void addIndex(const catalogue::IndexEntry& index);
    // The first index of the catalogue, in rebuild order, that is not present; none when all
    // fourteen are. Raises for a table that is closed.
    std::optional<catalogue::IndexEntry> firstMissingIndex() const;

    tables::Table* Artista;
    tables::Table* CD;
    tables::Table* Retirada;
    tables::Table* Musica;

    tables::Field* ArtistaArtista;
    tables::Field* CDTitulo;
    tables::Field* CDAquisicao;
    tables::Field* CDArtista;
    tables::Field* CDEstilo;
    tables::Field* CDRetirada;
    tables::Field* CDNumero;
    tables::Field* RetiradaData_Retirada;
    tables::Field* RetiradaResponsavel;
    tables::Field* RetiradaTelefone;
    tables::Field* RetiradaData_Entrega;
    tables::Field* RetiradaTitulo;
    tables::Field* RetiradaArtista;
    tables::Field* MusicaArtista;
    tables::Field* MusicaTitulo;
    tables::Field* MusicaMusica;

    tables::DataSource* ArtistaSource;
    tables::DataSource* CDSource;
    tables::DataSource* RetiradaSource;
    tables::DataSource* MusicaSource;

private:
    tables::Table* makeTable(const QString& name);
    tables::DataSource* makeSource(const QString& name, tables::Table* table, bool autoEdit);
};

extern TDataModule1* DataModule1;
