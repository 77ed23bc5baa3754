#pragma once
// What every window reaches through the main window: the shared connection, the dialogs,
// the working context, the run's shared members, the shared exports and opening windows
// by name. The main window implements it; windows never reach for globals.
#include <QString>
#include <string>
#include <vector>

#include "business/room_crc.h"
#include "business/working_context.h"
#include "db/connection.h"
#include "widgets/dialog_service.h"

class QWidget;

namespace widgets {
class DataGrid;
}

namespace windows {

class Workspace {
public:
    virtual ~Workspace() = default;

    virtual db::Connection& connection() = 0;
    virtual widgets::DialogService& dialogs() = 0;
    virtual business::TCurrentTerm& currentTerm() = 0;
    virtual business::TCurrentDept& currentDept() = 0;
    virtual business::TVerType& currentVer() = 0;

    // Messages of every placement and removal of this run, oldest first.
    virtual std::vector<std::string>& operationMessages() = 0;
    // The cell handed between the room timetable and the memo window; never null.
    virtual business::TRoomCrc*& currentCell() = 0;

    // Finds the open window of that name and shows it, or creates it; null when none.
    virtual QWidget* openWindow(const QString& name) = 0;
    // Where exports are written: the user's documents folder (created when missing).
    virtual QString exportFolder() = 0;
    // The program's own folder: the data file and the timetable template lie there.
    virtual QString programFolder() = 0;

    // Title-click sorting with the marks "▲" and "▼".
    virtual void SortGridByColumn(widgets::DataGrid& grid, int column) = 0;
    // What the grids show, into a new workbook handed to the user; nothing when a grid's
    // data set is closed. Errors while writing reach the caller.
    virtual void ExportGridsToWorkbook(const std::vector<widgets::DataGrid*>& grids) = 0;
    // The grid's period titles into row `startRow` of an existing copy of the template.
    virtual void ExportTimetableToTemplate(widgets::DataGrid& grid, const QString& fileName,
                                           int startRow) = 0;
};

}  // namespace windows
