#include "business/operation_log.h"

#include <chrono>

#include "db/transaction.h"

namespace business {

TCCLog::TCCLog(db::Connection& connection) : connection_(connection) { connection_.ensureOpen(); }

bool TCCLog::WriteLine() {
    try {
        db::Transaction tx(connection_);
        const std::int64_t id =
            db::toInteger(connection_.scalar("SELECT Max(ID) AS MaxID FROM CCLog")) + 1;
        connection_.execute(
            "INSERT INTO CCLog (ID, 模块, 操作, 参数1, 参数2, 参数3, 参数4, 参数5, 参数6, 参数7, "
            "参数8, 参数9, 备注, 时间, 人员, 状态, 执行) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {id, FModule, FOperation, FArg1, FArg2, FArg3, FArg4, FArg5, FArg6, FArg7, FArg8,
             FArg9, FRemark, db::formatDateTime(FTime), FPerson, FStatus,
             std::int64_t{FApplied ? 1 : 0}});
        tx.commit();
        lastError_.clear();
        return true;
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return false;
    }
}

bool WriteTimetableLine(TCCLog& log, const std::string& operation, const std::string& taskCode,
                        const std::string& room, const std::string& period,
                        const std::string& message, const std::string& person) {
    const bool add = operation == "Add";
    log.FModule = "Curriculum";
    log.FOperation = operation;
    log.FArg1 = add ? taskCode : room;
    log.FArg2 = add ? room : period;
    log.FArg3 = add ? period : taskCode;
    log.FRemark = message;
    log.FTime = std::chrono::system_clock::now();
    log.FPerson = person;
    return log.WriteLine();
}

}  // namespace business
