#include "barraform2.h"

#include "common/dialogs.h"
#include "datamodule.h"

Tbarraform2::Tbarraform2(QWidget* parent)
    : MaintenanceWindow(QStringLiteral("barraform2"), QStringLiteral("Reinicializar"),
                        QStringLiteral("Reinicicializando arquivos"), parent) {}

void Tbarraform2::FormPaint() {
    const std::vector<tables::Table*> order = {DataModule1->Artista, DataModule1->CD,
                                               DataModule1->Retirada, DataModule1->Musica};
    // A change pending in another window is settled before the counting, so that a record it
    // stores is counted and deleted too.
    for (tables::Table* table : order) table->CheckBrowseMode();
    std::vector<int> counts;
    int sum = 0;
    for (tables::Table* table : order) {
        counts.push_back(table->RecordCount());
        sum += counts.back();
    }
    if (sum == 0) {
        Mensagem(QStringLiteral("Não existem registros para serem apagados"));
    } else {
        startBar(sum);
        for (size_t t = 0; t < order.size(); ++t) {
            order[t]->First();
            for (int i = 0; i < counts[t]; ++i) {
                order[t]->Delete();
                stepBar();
            }
        }
    }
    if (commandItem()) commandItem()->setEnabled(true);
    release();
}
