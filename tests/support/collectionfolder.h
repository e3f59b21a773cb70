#pragma once

#include <QDir>
#include <QTemporaryDir>

#include "data/catalogue.h"
#include "platform/tables/tablefile.h"

// A scratch working directory holding the four empty table files, as the installation makes
// them (no secondary index).
class CollectionFolder {
public:
    CollectionFolder() {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        for (const catalogue::TableEntry& entry : catalogue::tableEntries())
            tables::createTableFile(dir_.filePath(entry.fileName), entry.name, entry.fieldDefs());
    }
    ~CollectionFolder() { QDir::setCurrent(saved_); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString saved_;
};
