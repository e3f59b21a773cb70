// Starts the program in the working directory: opens the four tables through the data module.
#include <QCoreApplication>
#include <cstdio>

#include "data/datamodule.h"
#include "platform/tables/tableerror.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Sonorelo"));
    DataModule1 = new TDataModule1(&app);
    try {
        DataModule1->DataModuleCreate();
    } catch (const tables::TableError& error) {
        std::fprintf(stderr, "%s.\n", qPrintable(error.message()));
    }
    for (tables::Table* table : {DataModule1->Artista, DataModule1->CD, DataModule1->Retirada,
                                 DataModule1->Musica}) {
        if (table->Active())
            std::printf("%s: opened, %d records\n", qPrintable(table->TableName()),
                        table->RecordCount());
        else
            std::printf("%s: closed\n", qPrintable(table->TableName()));
    }
    return 0;
}
