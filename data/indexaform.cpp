#include "indexaform.h"

#include "catalogue.h"
#include "datamodule.h"

Tindexaform::Tindexaform(QWidget* parent)
    : MaintenanceWindow(QStringLiteral("indexaform"), QStringLiteral("Indexa"),
                        QStringLiteral("Indexando Arquivos"), parent) {}

void Tindexaform::FormPaint() {
    startBar(int(catalogue::indexEntries().size()));
    // Each addition first settles a change pending on its table.
    for (const catalogue::IndexEntry& index : catalogue::indexEntries()) {
        DataModule1->addIndex(index);
        stepBar();
    }
    if (commandItem()) commandItem()->setEnabled(true);
    release();
}
