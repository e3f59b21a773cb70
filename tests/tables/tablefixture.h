#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sqlite3.h>

#include "platform/tables/collation.h"
#include "platform/tables/shortdate.h"
#include "platform/tables/table.h"
#include "platform/tables/tablefile.h"

// A scratch folder, made the working directory, with one small table file "Pessoas.db":
// Nome (text 10), Cidade (text 10), Nascimento (date), and three indexes.
class TableFixture {
public:
    TableFixture() {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        tables::ShortDateFormat::setProgramFormat(tables::ShortDateFormat{});
        tables::createTableFile(dir_.filePath(QStringLiteral("Pessoas.db")),
                                QStringLiteral("Pessoas"), fields());
    }
    ~TableFixture() {
        tables::ShortDateFormat::setProgramFormat(std::nullopt);
        QDir::setCurrent(saved_);
    }

    static std::vector<tables::FieldDef> fields() {
        return {{QStringLiteral("Nome"), tables::FieldType::Text, 10, {}},
                {QStringLiteral("Cidade"), tables::FieldType::Text, 10, {}},
                {QStringLiteral("Nascimento"), tables::FieldType::Date, 0,
                 QStringLiteral("!99/99/00;1;_")}};
    }

    // A table object on the file, with persistent fields, opened; the indexes are added.
    std::unique_ptr<tables::Table> open(bool exclusive = true, bool withIndexes = true) {
        auto table = std::make_unique<tables::Table>();
        table->SetTableName(QStringLiteral("Pessoas.db"));
        table->SetExclusive(exclusive);
        for (const auto& def : fields()) table->AddField(def);
        table->Open();
        if (withIndexes) {
            using tables::IndexOption;
            table->AddIndex(QStringLiteral("inome"), QStringLiteral("nome"),
                            IndexOption::CaseInsensitive);
            table->AddIndex(QStringLiteral("inome_cidade"), QStringLiteral("nome;cidade"),
                            IndexOption::CaseInsensitive);
            table->AddIndex(QStringLiteral("inascimento"), QStringLiteral("nascimento"),
                            IndexOption::CaseInsensitive);
        }
        return table;
    }

    // Appends and posts one record per row: name, city, birth date ("" for none).
    static void add(tables::Table& table,
                    std::initializer_list<std::array<const char*, 3>> rows) {
        for (const auto& row : rows) {
            table.Append();
            table.FieldByName(QStringLiteral("nome")).SetAsString(QString::fromUtf8(row[0]));
            table.FieldByName(QStringLiteral("cidade")).SetAsString(QString::fromUtf8(row[1]));
            table.FieldByName(QStringLiteral("nascimento")).SetAsString(QString::fromUtf8(row[2]));
            table.Post();
        }
    }

    // The names of every record in the table's current order, walked with First/Next.
    static QStringList walk(tables::Table& table) {
        QStringList names;
        table.First();
        while (!table.Eof()) {
            names << table.FieldByName(QStringLiteral("nome")).AsString();
            table.Next();
        }
        return names;
    }

    QString path(const QString& name = QStringLiteral("Pessoas.db")) const {
        return dir_.filePath(name);
    }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString saved_;
};

// Names as a compact list for comparisons: "Ana,Bia,Caio".
inline QStringList names(const char* commaSeparated) {
    return QString::fromUtf8(commaSeparated).split(QLatin1Char(','), Qt::SkipEmptyParts);
}
