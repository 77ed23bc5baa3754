#include "widgets/grid_sort.h"

#include <algorithm>
#include <string>

#include "widgets/data_grid.h"

namespace widgets {

namespace {

const QString kAscending = QStringLiteral("▲");
const QString kDescending = QStringLiteral("▼");

bool isNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9') || c == '_';
}

// The sort text parser reads a bare word only when it is a plain identifier.
std::string sortKey(const std::string& name) {
    const bool plain = !name.empty() && !(name[0] >= '0' && name[0] <= '9') &&
                       std::all_of(name.begin(), name.end(), isNameChar);
    return plain ? name : "[" + name + "]";
}

}  // namespace

void ClearSortMarks(DataGrid& grid) {
    RowSetModel& model = grid.rowSetModel();
    if (!model.rowSet().isActive()) return;
    for (int c = 0; c < model.columnCount(); ++c) {
        const QString title = model.title(c);
        if (title.startsWith(kAscending) || title.startsWith(kDescending))
            model.setTitle(c, title.mid(1));
    }
}

void SortGridByColumn(DataGrid& grid, int column) {
    RowSetModel& model = grid.rowSetModel();
    db::RowSet& rows = model.rowSet();
    if (!rows.isActive() || column < 0 || column >= rows.fieldCount()) return;

    const std::string key = sortKey(rows.fieldNames()[column]);
    std::string sort = rows.sortText();
    QString mark = kAscending;
    // A plain substring test: a key inside another column's key counts as that column.
    if (sort.find(key) == std::string::npos) {
        sort = key;
    } else if (const auto desc = sort.rfind("DESC"); desc != std::string::npos) {
        sort.erase(desc, 4);
    } else {
        sort += " DESC";
        mark = kDescending;
    }
    rows.setSort(sort);
    ClearSortMarks(grid);
    model.setTitle(column, mark + model.title(column));
}

}  // namespace widgets
