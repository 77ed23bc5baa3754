#pragma once
// The one shared connection every store and window works through, and where it points.
#include <string>

#include "db/connection.h"
#include "db/query.h"

namespace app {

class TdmData {
public:
    // `executableFolder` ends in a separator; the data file lies there.
    explicit TdmData(std::string executableFolder);

    // Points the shared connection back at the file beside the executable (closed).
    void RestoreLocalConnection();

    db::Connection acData;
    db::Query qryDel{acData};
    db::Query adsCourseplan{acData};
    db::Query adsCourse{acData};
    db::Query adsSearch{acData};
    std::string FConnectionString;  // the local data file
    std::string DataSiteText = "本机";

private:
    void DataModuleCreate(const std::string& executableFolder);
};

// Points any connection at another database file: the folder and file name are joined as
// they are, blanks at the end dropped. True when it opened; never throws. On failure the
// connection is closed and keeps the new target.
bool ConnectToDataFile(db::Connection& connection, const std::string& folder,
                       const std::string& fileName);

// What every connection to a program file does when it opens: bring the generated views
// in step with the periods.
void PrepareProgramConnection(db::Connection& connection);

}  // namespace app
