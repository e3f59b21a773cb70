#pragma once

#include <QString>
#include <stdexcept>

namespace tables {

// The one exception type of the table engine. Its message is what the user sees; the detail
// (statement, bound values) is for developers and never shown in the error box.
class TableError : public std::runtime_error {
public:
    explicit TableError(const QString& message, const QString& detail = {})
        : std::runtime_error(message.toStdString()), message_(message), detail_(detail) {}

    const QString& message() const { return message_; }
    const QString& detail() const { return detail_; }

private:
    QString message_;
    QString detail_;
};

// The engine's own message texts, word for word as the windows expect them.
namespace messages {
inline const QString closedDataset = QStringLiteral("Cannot perform this operation on a closed dataset");
inline const QString openDataset = QStringLiteral("Cannot perform this operation on an open dataset");
inline const QString emptyDataset = QStringLiteral("Cannot perform this operation on an empty dataset");
inline const QString notEditing = QStringLiteral("Dataset not in edit or insert mode");
inline const QString fieldNotFound = QStringLiteral("Field '%1' not found");
inline const QString invalidDate = QStringLiteral("'%1' is not a valid date");
inline const QString indexNotFound = QStringLiteral("Index does not exist. Index: %1");
inline const QString noIndex = QStringLiteral("No index currently active");
inline const QString tooManyKeys = QStringLiteral("Too many key values for index %1");
inline const QString unsupportedIndexOption = QStringLiteral("Index option not supported: %1");
}  // namespace messages

}  // namespace tables
