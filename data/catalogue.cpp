#include "catalogue.h"

#include <stdexcept>

namespace catalogue {

namespace {

FieldEntry text(const QString& table, const QString& name, int width) {
    return {{name, tables::FieldType::Text, width, {}}, table + name};
}

FieldEntry date(const QString& table, const QString& name) {
    return {{name, tables::FieldType::Date, 0, kDateMask}, table + name};
}

}  // namespace

std::vector<tables::FieldDef> TableEntry::fieldDefs() const {
    std::vector<tables::FieldDef> defs;
    for (const FieldEntry& field : fields) defs.push_back(field.def);
    return defs;
}

const std::vector<TableEntry>& tableEntries() {
    static const std::vector<TableEntry> entries = {
        {QStringLiteral("Artista"), QStringLiteral("Artista.DB"),
         {text(QStringLiteral("Artista"), QStringLiteral("Artista"), 40)}},
        {QStringLiteral("CD"), QStringLiteral("CD.db"),
         {text(QStringLiteral("CD"), QStringLiteral("Titulo"), 40),
          date(QStringLiteral("CD"), QStringLiteral("Aquisicao")),
          text(QStringLiteral("CD"), QStringLiteral("Artista"), 40),
          text(QStringLiteral("CD"), QStringLiteral("Estilo"), 20),
          text(QStringLiteral("CD"), QStringLiteral("Retirada"), 1),
          text(QStringLiteral("CD"), QStringLiteral("Numero"), 3)}},
        {QStringLiteral("Retirada"), QStringLiteral("Retirada.DB"),
         {date(QStringLiteral("Retirada"), QStringLiteral("Data_Retirada")),
          text(QStringLiteral("Retirada"), QStringLiteral("Responsavel"), 40),
          text(QStringLiteral("Retirada"), QStringLiteral("Telefone"), 13),
          date(QStringLiteral("Retirada"), QStringLiteral("Data_Entrega")),
          text(QStringLiteral("Retirada"), QStringLiteral("Titulo"), 40),
          text(QStringLiteral("Retirada"), QStringLiteral("Artista"), 40)}},
        {QStringLiteral("Musica"), QStringLiteral("Musica.db"),
         {text(QStringLiteral("Musica"), QStringLiteral("Artista"), 40),
          text(QStringLiteral("Musica"), QStringLiteral("Titulo"), 40),
          text(QStringLiteral("Musica"), QStringLiteral("Musica"), 40)}},
    };
    return entries;
}

const TableEntry& tableEntry(const QString& name) {
    for (const TableEntry& entry : tableEntries())
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) return entry;
    throw std::out_of_range("no such table in the catalogue");
}

const std::vector<IndexEntry>& indexEntries() {
    static const std::vector<IndexEntry> entries = {
        {1, QStringLiteral("Artista"), QStringLiteral("iartista"), QStringLiteral("artista")},
        {2, QStringLiteral("CD"), QStringLiteral("iartista"), QStringLiteral("artista")},
        {3, QStringLiteral("CD"), QStringLiteral("iartista_titulo"), QStringLiteral("artista;titulo")},
        {4, QStringLiteral("CD"), QStringLiteral("ititulo"), QStringLiteral("titulo")},
        {5, QStringLiteral("CD"), QStringLiteral("inumero"), QStringLiteral("numero")},
        {6, QStringLiteral("Musica"), QStringLiteral("iartistatitulo"), QStringLiteral("artista;titulo")},
        {7, QStringLiteral("Musica"), QStringLiteral("iartistatitulomusica"),
         QStringLiteral("artista;titulo;musica")},
        {8, QStringLiteral("Musica"), QStringLiteral("imusica"), QStringLiteral("musica")},
        {9, QStringLiteral("Musica"), QStringLiteral("iartista"), QStringLiteral("artista")},
        {10, QStringLiteral("Retirada"), QStringLiteral("iartista"), QStringLiteral("artista")},
        {11, QStringLiteral("Retirada"), QStringLiteral("idata_entrega"), QStringLiteral("data_entrega")},
        {12, QStringLiteral("Retirada"), QStringLiteral("idata_retirada"),
         QStringLiteral("data_retirada")},
        {13, QStringLiteral("Retirada"), QStringLiteral("iresponsavel"), QStringLiteral("responsavel")},
        {14, QStringLiteral("Retirada"), QStringLiteral("ititulo"), QStringLiteral("titulo")},
    };
    return entries;
}

}  // namespace catalogue
