// The order of a table: selecting an index, adding one, and asking which are present.
#include "collation.h"
#include "cursorsql.h"
#include "table.h"
#include "tableerror.h"

namespace tables {


std::optional<IndexInfo> Table::IndexDefinition(const QString& name) const {
    checkActive();
    const auto& indexes = file_->indexes();
    const auto it = indexes.find(name.toLower());
    if (it == indexes.end()) return std::nullopt;
    return it->second;
}

bool Table::IndexPresent(const QString& name) const { return IndexDefinition(name).has_value(); }

// Builds the cursor for the named index, or for the file's own order when the name is empty.
void Table::selectOrder(const QString& indexName) {
    std::vector<KeyColumn> keys;
    keyColumns_.clear();
    if (!indexName.isEmpty()) {
        const std::optional<IndexInfo> index = IndexDefinition(indexName);
        if (!index) throw TableError(messages::indexNotFound.arg(indexName));
        const auto& columns = file_->columns();
        for (qsizetype k = 0; k < index->columns.size(); ++k) {
            int column = -1;
            for (int c = 0; c < columnCount_; ++c)
                if (columns[size_t(c)].name.compare(index->columns[k], Qt::CaseInsensitive) == 0)
                    column = c;
            const QString collation = index->collations.value(k);
            const bool binary = collation.compare(QLatin1String("BINARY"), Qt::CaseInsensitive) == 0;
            keys.push_back({quotedIdentifier(index->columns[k]), binary ? QString() : collation,
                            columns[size_t(column)].declaredType.toUpper().startsWith(
                                QLatin1String("DATE"))});
            keyColumns_.push_back(column);
        }
    }
    cursor_ = std::make_unique<CursorSql>(quotedIdentifier(file_->sqlTable()), selectList_, std::move(keys));
    ahead_.clear();
    aheadLimit_ = 0;
}

void Table::SetIndexName(const QString& name) {
    checkActive();
    settle();
    if (name.compare(indexName_, Qt::CaseInsensitive) == 0) return;
    selectOrder(name);
    indexName_ = name;
    // The current record stays current, now in the new order.
    if (hasCurrent_) eof_ = bof_ = false;
    notifyDataSetChanged();
}

void Table::AddIndex(const QString& name, const QString& fields, IndexOptions options) {
    checkActive();
    settle();
    for (IndexOption unsupported :
         {IndexOption::Primary, IndexOption::Descending, IndexOption::Expression})
        if (options.testFlag(unsupported))
            throw TableError(messages::unsupportedIndexOption.arg(int(unsupported)));

    QStringList columns;
    for (const QString& fieldName : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wanted = fieldName.trimmed();
        const ColumnInfo* column = nullptr;
        for (const ColumnInfo& c : file_->columns())
            if (c.name.compare(wanted, Qt::CaseInsensitive) == 0) column = &c;
        if (!column) throw TableError(messages::fieldNotFound.arg(wanted));
        const bool isText = !column->declaredType.toUpper().startsWith(QLatin1String("DATE"));
        QString part = quotedIdentifier(column->name);
        if (isText && options.testFlag(IndexOption::CaseInsensitive))
            part += QStringLiteral(" COLLATE ") + QLatin1String(kCollationName);
        columns << part;
    }
    if (columns.isEmpty()) throw TableError(messages::fieldNotFound.arg(fields));

    file_->beginWrite();
    execute(file_->db(), QStringLiteral("DROP INDEX IF EXISTS ") + quotedIdentifier(name), file_->label());
    execute(file_->db(),
            QStringLiteral("CREATE ") +
                (options.testFlag(IndexOption::Unique) ? QStringLiteral("UNIQUE ") : QString()) +
                QStringLiteral("INDEX ") + quotedIdentifier(name) + QStringLiteral(" ON ") +
                quotedIdentifier(file_->sqlTable()) + QStringLiteral(" (") +
                columns.join(QStringLiteral(", ")) + QStringLiteral(")"),
            file_->label());
    file_->wrote();
    file_->reloadIndexes();
    if (name.compare(indexName_, Qt::CaseInsensitive) == 0) selectOrder(indexName_);
}

}  // namespace tables
