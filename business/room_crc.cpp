#include "business/room_crc.h"

#include "business/item_lists.h"
#include "db/schema.h"

namespace business {

TRoomCrcDBProcess::TRoomCrcDBProcess(db::Connection& connection)
    : connection_(connection), lookup_(connection), grid_(connection) {
    connection_.ensureOpen();
}

bool TRoomCrcDBProcess::LoadCell(TRoomCrc& cell) {
    if (!cell.FCode.empty())
        lookup_.open("SELECT * FROM vCrcRoom WHERE 编号 = ? ORDER BY ID", {cell.FCode});
    else
        lookup_.open("SELECT * FROM vCrcRoom WHERE 教室 = ? AND trim(节时) = ? ORDER BY ID",
                     {cell.FRoom, db::schema::trimmedPeriodName(cell.FPeriod)});
    const bool found = !lookup_.isEmpty();
    if (found) {
        cell.FCode = lookup_["编号"].asText();
        cell.FRoomType = lookup_["类型"].asText();
        cell.FRoom = lookup_["教室"].asText();
        cell.FPeriod = lookup_["节时"].asText();
        cell.FPlaced = lookup_["是否已排"].asBool();
        cell.FCrcTaskCode = lookup_["排课任务编号"].asText();
        cell.FCourse = lookup_["课程"].asText();
        cell.FTeachingGroup = lookup_["排课班"].asText();
        cell.FIsCombined = lookup_["是否合班"].asBool();
        cell.FTeacher = lookup_["教师"].asText();
        cell.FWeight = static_cast<std::uint8_t>(lookup_["排课权重"].asInteger());
        cell.FMemo = lookup_["备注"].asText();
    } else {
        TRoomCrc empty;
        empty.FCode = cell.FCode;
        empty.FRoom = cell.FRoom;
        empty.FPeriod = cell.FPeriod;
        cell = empty;
    }
    lookup_.close();
    return found;
}

void TRoomCrcDBProcess::ListCellValues(const TRoomCrc& cell, const std::string& column,
                                       const std::string& condition, const db::Params& params,
                                       std::vector<std::string>& list) {
    if (column.empty()) return;
    requireColumns(connection_, "vCrcRoom", {column});
    db::Params all = {cell.FCode, db::escapeLike(cell.FRoom) + "%", "%" + db::escapeLike(cell.FPeriod)};
    all.insert(all.end(), params.begin(), params.end());
    lookup_.open("SELECT DISTINCT " + db::quoteName(column) +
                     " FROM vCrcRoom WHERE (编号 = ?) OR (教室 LIKE ? ESCAPE '\\' AND "
                     "节时 LIKE ? ESCAPE '\\' AND (" + condition + "))",
                 all);
    list = lookup_.columnTexts(0);
    lookup_.close();
}

int TRoomCrcDBProcess::OpenRoomGrid(const TRoomCrc& cell, const std::string& condition,
                                    const db::Params& params) {
    db::Params all = {db::escapeLike(cell.FRoomType) + "%"};
    all.insert(all.end(), params.begin(), params.end());
    db::NotificationPause pause(grid_);
    grid_.open("SELECT * FROM vcCrcRoom WHERE (类型 LIKE ? ESCAPE '\\') AND (" + condition + ")", all);
    return grid_.rowCount();
}

bool TRoomCrcDBProcess::AddMoveLine(const TRoomCrc& source, const TRoomCrc& target,
                                    std::vector<std::string>& list) {
    if (!target.FPlaced) list.push_back(source.FCode + " -> " + target.FCode);
    return true;
}

bool TRoomCrcDBProcess::SaveCell(const TRoomCrc& cell) {
    const db::Params values = {std::int64_t{cell.FPlaced ? 1 : 0}, cell.FCrcTaskCode,
                               std::int64_t{cell.FWeight}, cell.FMemo};
    db::Params params = values;
    std::string where;
    if (!cell.FCode.empty()) {
        where = "编号 = ?";
        params.push_back(cell.FCode);
    } else {
        where = "教室 = (SELECT 编号 FROM Room WHERE 教室 = ?) AND 节时 = (SELECT 编号 FROM "
                "Period WHERE trim(节时) = ? ORDER BY ID LIMIT 1)";
        params.push_back(cell.FRoom);
        params.push_back(db::schema::trimmedPeriodName(cell.FPeriod));
    }
    // One row only, should two rows ever share a code.
    return connection_.execute("UPDATE Curriculum SET 是否已排 = ?, 排课任务编号 = ?, 排课权重 = ?, "
                               "备注 = ? WHERE ID = (SELECT ID FROM Curriculum WHERE " + where +
                                   " ORDER BY ID LIMIT 1)",
                               params) == 1;
}

}  // namespace business
