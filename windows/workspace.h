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
};

}  // namespace windows
