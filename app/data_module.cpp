#include "app/data_module.h"

#include "db/names.h"
#include "db/schema.h"

namespace app {

TdmData::TdmData(std::string executableFolder) { DataModuleCreate(executableFolder); }

void TdmData::DataModuleCreate(const std::string& executableFolder) {
    FConnectionString = executableFolder + std::string(db::kDataFileName);
    PrepareProgramConnection(acData);
    RestoreLocalConnection();
}

void TdmData::RestoreLocalConnection() {
    acData.setTarget(FConnectionString, std::string(db::kDatabasePassword));
}

void PrepareProgramConnection(db::Connection& connection) {
    connection.setOpenHook([](db::Connection& c) { db::schema::refreshCrosstabViews(c); });
}

bool ConnectToDataFile(db::Connection& connection, const std::string& folder,
                       const std::string& fileName) {
    std::string path = folder + fileName;
    while (!path.empty() && path.back() == ' ') path.pop_back();
    try {
        PrepareProgramConnection(connection);
        connection.setTarget(path, std::string(db::kDatabasePassword));
        connection.open();
        return true;
    } catch (...) {
        connection.close();
        return false;
    }
}

}  // namespace app
