#include "app/exports.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <stdexcept>

#include "business/timetable_titles.h"
#include "spreadsheet/workbook.h"
#include "spreadsheet/xlsx_editor.h"
#include "spreadsheet/xlsx_reader.h"
#include "widgets/data_grid.h"

namespace app {

namespace {

std::vector<std::string> titlesOf(widgets::DataGrid& grid) {
    std::vector<std::string> titles;
    const auto& model = grid.rowSetModel();
    for (int c = 0; c < model.columnCount(); ++c) titles.push_back(model.title(c).toStdString());
    return titles;
}

}  // namespace

bool writeGridsWorkbook(const std::vector<widgets::DataGrid*>& grids, const std::string& path) {
    for (auto* grid : grids)
        if (!grid->rowSet().isActive()) return false;
    spreadsheet::Workbook book(path);
    for (auto* grid : grids) {
        auto& sheet = book.addWorksheet(grid->objectName().toStdString());
        const db::RowSet& rows = grid->rowSet();
        const auto titles = titlesOf(*grid);
        for (std::size_t c = 0; c < titles.size(); ++c)
            sheet.cell(1, static_cast<int>(c) + 1).setValue(titles[c]);
        for (int r = 0; r < rows.rowCount(); ++r)
            for (int c = 0; c < rows.fieldCount(); ++c)
                sheet.cell(r + 2, c + 1).setValue(rows.displayText(r, c));
    }
    book.save();
    return true;
}

QString exportFileName(const QString& folder, const QString& what, const QDateTime& when) {
    QString name = what;
    for (QChar bad : QStringLiteral("\\/:*?\"<>|")) name.replace(bad, '_');
    return QDir(folder).filePath(name.trimmed() + " " + when.toString("yyyy-MM-dd HHmmss") +
                                 ".xlsx");
}

QString copyTimetableTemplate(const QString& programFolder, const QString& exportFolder,
                              const QDate& day) {
    const QString copy =
        QDir(exportFolder).filePath(QStringLiteral("课表") + day.toString(Qt::ISODate) + ".xlsx");
    if (QFile::exists(copy)) return copy;
    const QString source = QDir(programFolder).filePath(kTemplateFileName);
    if (!QFile::exists(source))
        throw std::runtime_error("没有课表模板：" + source.toStdString());
    if (!QFile::copy(source, copy)) throw std::runtime_error("无法复制课表模板到：" + copy.toStdString());
    QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
    return copy;
}

void writeTimetableTitles(widgets::DataGrid& grid, const std::string& fileName, int startRow) {
    const auto sheets = spreadsheet::XlsxReader(fileName).sheetNames();  // a missing file throws
    if (std::find(sheets.begin(), sheets.end(), kTemplateSheet.toStdString()) == sheets.end())
        throw std::runtime_error("模板中没有工作表：" + kTemplateSheet.toStdString());
    if (!grid.rowSet().isActive()) return;
    spreadsheet::XlsxEditor editor(fileName);
    const auto cells = business::pairPeriodTitles(titlesOf(grid));
    for (std::size_t c = 0; c < cells.size(); ++c)
        editor.setText(kTemplateSheet.toStdString(), startRow, static_cast<int>(c) + 1, cells[c]);
    editor.save();
}

}  // namespace app
