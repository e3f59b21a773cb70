#pragma once

#include <QString>

namespace tables {

enum class FieldType { Text, Date };

// What a field is: its column, its kind, its width in characters (text only) and the edit mask
// under which a data-aware edit shows it.
struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0;
    QString editMask;
};

}  // namespace tables
