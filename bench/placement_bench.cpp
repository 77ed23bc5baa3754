// One placement and its removal, through the engine, on a file on disk: the demo college
// and the large one, side by side, to show the cost does not grow with the college.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "business/demo_college.h"
#include "business/placement_engine.h"
#include "db/names.h"
#include "db/query.h"

namespace {

struct College {
    std::string path;
    db::Connection connection;
    std::unique_ptr<business::TCrcDBProcess> engine;
    business::TCrcTaskRemain task;
    business::TRoomCrc cell;

    College(business::CollegeKind kind, const std::string& name)
        : path((std::filesystem::temp_directory_path() / name).string()) {
        std::filesystem::remove(path);
        business::createCollege(path, kind);
        connection.setTarget(path, std::string(db::kDatabasePassword));
        connection.open();
        engine = std::make_unique<business::TCrcDBProcess>(connection, "待定");
        findPlaceablePair();
    }
    ~College() {
        connection.close();
        std::filesystem::remove(path);
    }

    // A task and a free cell where it can go, so every round really places.
    void findPlaceablePair() {
        db::Query q(connection);
        q.open("SELECT t.编号, r.教室, p.节时 FROM CrcTask t, Curriculum c JOIN Room r ON r.编号 = c.教室 "
               "JOIN Period p ON p.编号 = c.节时 WHERE t.待排节 > 0 AND c.是否已排 = 0 "
               "AND t.主讲教师 <> '0000000' LIMIT 2000");
        std::string message;
        for (q.first(); !q.eof(); q.next()) {
            task = {};
            task.FCode = q.field(0).asText();
            cell = {};
            cell.FRoom = q.field(1).asText();
            cell.FPeriod = q.field(2).asText();
            if (engine->PlaceTask(task, cell, message) == business::PlacementOutcome::Done) {
                engine->RemoveTask(cell, task, message);
                return;
            }
        }
        throw std::runtime_error("no placeable pair in " + path);
    }

    void roundTrip(benchmark::State& state) {
        std::string message;
        for (auto _ : state) {
            business::TRoomCrc target;
            target.FRoom = cell.FRoom;
            target.FPeriod = cell.FPeriod;
            business::TCrcTaskRemain placing;
            placing.FCode = task.FCode;
            if (engine->PlaceTask(placing, target, message) != business::PlacementOutcome::Done)
                state.SkipWithError(message.c_str());
            business::TCrcTaskRemain removed;
            if (engine->RemoveTask(target, removed, message) != business::PlacementOutcome::Done)
                state.SkipWithError(message.c_str());
        }
    }
};

College& demo() {
    static College college(business::CollegeKind::Demo, "tessory-bench-demo.dat");
    return college;
}

College& large() {
    static College college(business::CollegeKind::Large, "tessory-bench-large.dat");
    return college;
}

void BM_PlaceAndRemove_Demo(benchmark::State& state) { demo().roundTrip(state); }
void BM_PlaceAndRemove_Large(benchmark::State& state) { large().roundTrip(state); }

BENCHMARK(BM_PlaceAndRemove_Demo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlaceAndRemove_Large)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
