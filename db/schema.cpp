#include "db/schema.h"

#include <algorithm>

#include "db/query.h"
#include "db/schema_sql.h"
#include "db/transaction.h"

namespace db::schema {

std::string trimmedPeriodName(std::string_view name) {
    const auto b = name.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    const auto e = name.find_last_not_of(' ');
    return std::string(name.substr(b, e - b + 1));
}

std::vector<PeriodColumn> loadPeriods(Connection& connection) {
    std::vector<PeriodColumn> periods;
    if (!connection.hasObject("Period")) return periods;
    Query q(connection);
    q.open("SELECT 编号, 节时 FROM Period ORDER BY ID");
    for (q.first(); !q.eof(); q.next())
        periods.push_back({q["编号"].asText(), trimmedPeriodName(q["节时"].asText())});
    return periods;
}

namespace {

std::string firstCharacter(const std::string& text) {
    if (text.empty()) return {};
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, std::min(len, text.size()));
}

std::string storedSql(Connection& connection, const std::string& view) {
    return toText(connection.scalar(
        "SELECT sql FROM sqlite_master WHERE type = 'view' AND name = ?", {view}));
}

void replaceView(Connection& connection, const ViewDefinition& view) {
    connection.execute("DROP VIEW IF EXISTS " + quoteName(view.name));
    connection.execute(view.sql);
}

}  // namespace

std::vector<std::string> daysOf(const std::vector<PeriodColumn>& periods) {
    std::vector<std::string> days;
    for (const auto& p : periods) {
        std::string day = firstCharacter(p.name);
        if (!day.empty() && std::find(days.begin(), days.end(), day) == days.end())
            days.push_back(std::move(day));
    }
    return days;
}

void createDatabase(const std::string& path, const std::string& password) {
    Connection::createFile(path, password);
    Connection c;
    c.setTarget(path, password);
    c.open();
    Transaction t(c);
    c.executeScript(kCreateLogTable);
    c.executeScript(kCreateTables);
    c.executeScript(kCreateViews);
    for (const auto& v : timetableCrosstabs({})) c.execute(v.sql);
    for (const auto& v : countingViews(c)) c.execute(v.sql);
    t.commit();
}

std::vector<std::string> refreshCrosstabViews(Connection& connection) {
    std::vector<ViewDefinition> wanted = timetableCrosstabs(loadPeriods(connection));
    for (auto& v : countingViews(connection))
        if (v.name.rfind("vc", 0) == 0) wanted.push_back(std::move(v));

    std::vector<ViewDefinition> stale;
    for (auto& v : wanted) {
        const std::string stored = storedSql(connection, v.name);
        if (!stored.empty() && stored != v.sql) stale.push_back(std::move(v));
    }
    std::vector<std::string> rebuilt;
    if (stale.empty()) return rebuilt;
    Transaction t(connection);
    for (const auto& v : stale) {
        replaceView(connection, v);
        rebuilt.push_back(v.name);
    }
    t.commit();
    return rebuilt;
}

}  // namespace db::schema
