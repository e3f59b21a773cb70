#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/formprincipal.h"
#include "app/program.h"
#include "data/datamodule.h"
#include "support/boxes.h"
#include "support/collectionfolder.h"

// Runs the program in a scratch collection folder for one test; shuts it down afterwards.
class RunningProgram {
public:
    explicit RunningProgram(bool show = true) {
        Program::initialize();
        if (show) {
            Program::showMainForm();
            QTest::qWait(20);
        }
    }
    ~RunningProgram() { Program::shutdown(); }

    static QList<QMdiSubWindow*> children() { return FormPrincipal->mdiArea()->subWindowList(); }

    template <class Form>
    static Form* child() {
        return FormPrincipal->mdiArea()->findChild<Form*>();
    }
};

// Adds one record to a table of the data module, with field values by name.
inline void addRecord(tables::Table* table, std::initializer_list<std::pair<const char*, const char*>> values) {
    table->Append();
    for (const auto& [field, value] : values)
        table->FieldByName(QLatin1String(field)).SetAsString(QString::fromUtf8(value));
    table->Post();
}
