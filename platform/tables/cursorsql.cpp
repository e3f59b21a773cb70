#include "cursorsql.h"

#include <QStringList>
#include <utility>

namespace tables {

CursorSql::CursorSql(QString table, QString selectList, std::vector<KeyColumn> keys)
    : table_(std::move(table)), selectList_(std::move(selectList)), keys_(std::move(keys)) {}

QString CursorSql::compared(size_t level) const {
    const KeyColumn& key = keys_[level];
    return key.collation.isEmpty() ? QStringLiteral("?")
                                   : QStringLiteral("? COLLATE ") + key.collation;
}

QString CursorSql::orderBy(size_t fromLevel, bool descending) const {
    QStringList parts;
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    for (size_t level = fromLevel; level < keys_.size(); ++level) {
        const KeyColumn& key = keys_[level];
        QString part = key.column;
        if (!key.collation.isEmpty()) part += QStringLiteral(" COLLATE ") + key.collation;
        parts << part + direction;
    }
    parts << QStringLiteral("rowid") + direction;
    return parts.join(QStringLiteral(", "));
}

QString CursorSql::select(const QString& where, const QString& order) const {
    QString sql = QStringLiteral("SELECT ") + selectList_ + QStringLiteral(" FROM ") + table_;
    if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where;
    return sql + QStringLiteral(" ORDER BY ") + order + QStringLiteral(" LIMIT ?");
}

OrderedQuery CursorSql::first(bool descending) const {
    return {select({}, orderBy(0, descending)), {}, false};
}

const std::vector<OrderedQuery>& CursorSql::continuation(bool forward,
                                                         const std::vector<bool>& keyIsNull) const {
    auto& cache = forward ? forward_ : backward_;
    auto it = cache.find(keyIsNull);
    if (it == cache.end()) it = cache.emplace(keyIsNull, buildContinuation(forward, keyIsNull)).first;
    return it->second;
}

const OrderedQuery& CursorSql::findKey(const std::vector<bool>& keyIsNull) const {
    auto it = findKey_.find(keyIsNull);
    if (it == findKey_.end()) it = findKey_.emplace(keyIsNull, buildFindKey(keyIsNull)).first;
    return it->second;
}

std::vector<OrderedQuery> CursorSql::buildContinuation(bool forward,
                                                       const std::vector<bool>& keyIsNull) const {
    std::vector<OrderedQuery> branches;
    const size_t n = keys_.size();

    // Conditions "the first `levels` keys equal the position's", with their parameters.
    const auto equalPrefix = [&](size_t levels, QStringList& where, std::vector<int>& params) {
        for (size_t level = 0; level < levels; ++level) {
            if (keyIsNull[level]) {
                where << keys_[level].column + QStringLiteral(" IS NULL");
            } else {
                where << keys_[level].column + QStringLiteral(" = ") + compared(level);
                params.push_back(int(level));
            }
        }
    };

    {  // Same keys, later (or earlier) rowid.
        OrderedQuery query;
        QStringList where;
        equalPrefix(n, where, query.keyParams);
        where << (forward ? QStringLiteral("rowid > ?") : QStringLiteral("rowid < ?"));
        query.bindsRowid = true;
        query.sql = select(where.join(QStringLiteral(" AND ")),
                           forward ? QStringLiteral("rowid") : QStringLiteral("rowid DESC"));
        branches.push_back(std::move(query));
    }

    for (size_t level = n; level-- > 0;) {
        const KeyColumn& key = keys_[level];
        const auto addBranch = [&](const QString& condition, bool bindsValue, size_t orderFrom) {
            OrderedQuery query;
            QStringList where;
            equalPrefix(level, where, query.keyParams);
            where << condition;
            if (bindsValue) query.keyParams.push_back(int(level));
            query.sql = select(where.join(QStringLiteral(" AND ")), orderBy(orderFrom, !forward));
            branches.push_back(std::move(query));
        };
        if (forward) {
            // NULL sorts first: after a NULL key come all non-NULL ones.
            if (keyIsNull[level])
                addBranch(key.column + QStringLiteral(" IS NOT NULL"), false, level);
            else
                addBranch(key.column + QStringLiteral(" > ") + compared(level), true, level);
        } else if (!keyIsNull[level]) {
            addBranch(key.column + QStringLiteral(" < ") + compared(level), true, level);
            if (key.nullable) addBranch(key.column + QStringLiteral(" IS NULL"), false, level + 1);
        }
    }
    return branches;
}

OrderedQuery CursorSql::buildFindKey(const std::vector<bool>& keyIsNull) const {
    OrderedQuery query;
    QStringList where;
    for (size_t level = 0; level < keyIsNull.size(); ++level) {
        if (keyIsNull[level]) {
            where << keys_[level].column + QStringLiteral(" IS NULL");
        } else {
            where << keys_[level].column + QStringLiteral(" = ") + compared(level);
            query.keyParams.push_back(int(level));
        }
    }
    query.sql = select(where.join(QStringLiteral(" AND ")), orderBy(0, false));
    return query;
}

}  // namespace tables
