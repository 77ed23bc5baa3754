#pragma once
// The two exports every window shares: what a grid shows, into a new workbook; and a
// timetable's period titles, into the user's copy of the timetable template.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <string>
#include <vector>

namespace widgets {
class DataGrid;
}

namespace app {

inline const QString kTemplateFileName = QStringLiteral("Curriculum.xlsx");
inline const QString kTemplateSheet = QStringLiteral("班级课表");

// One sheet per grid, named after the grid: row 1 every column's title as shown (sort mark
// included), then every row of its data set as text, yes/no as "True"/"False". False, and
// no file, when a grid's data set is closed. Throws spreadsheet::Error when it cannot write.
bool writeGridsWorkbook(const std::vector<widgets::DataGrid*>& grids, const std::string& path);

// "<what> 2026-12-11 153005.xlsx" in the folder; `what` loses characters no file name takes.
QString exportFileName(const QString& folder, const QString& what, const QDateTime& when);

// Copies the template beside the program to "课表<yyyy-MM-dd>.xlsx" in the export folder;
// an existing copy is kept as it is, with the user's edits. Answers the copy's path.
QString copyTimetableTemplate(const QString& programFolder, const QString& exportFolder,
                              const QDate& day);

// Writes the grid's titles, neighbouring period titles paired, into row `startRow` of the
// template sheet of an existing workbook, leaving everything else in it as it was. Does
// nothing when the grid's data set is closed. Errors reach the caller.
void writeTimetableTitles(widgets::DataGrid& grid, const std::string& fileName, int startRow);

}  // namespace app
