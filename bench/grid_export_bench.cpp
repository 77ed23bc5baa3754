// A college-size grid (600 rooms by 60 periods and four room columns) written to a workbook.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "app/exports.h"
#include "db/rowset.h"
#include "widgets/data_grid.h"

namespace {

void BM_ExportRoomGrid(benchmark::State& state) {
    std::vector<std::string> columns = {"教室", "主用教学部", "类型", "座位数"};
    for (int p = 0; p < 60; ++p) columns.push_back("节" + std::to_string(p));
    db::RowSet rows(columns);
    for (int r = 0; r < 600; ++r) {
        rows.append();
        for (int c = 0; c < static_cast<int>(columns.size()); ++c)
            rows.field(c).setText(c % 3 ? "高等数学/25软件1班/张伟" : "一教" + std::to_string(r));
        rows.post();
    }
    widgets::DataGrid grid(rows);
    grid.setObjectName("dgRoomCrc");
    const auto path = (std::filesystem::temp_directory_path() / "tessory-bench-export.xlsx").string();
    for (auto _ : state) app::writeGridsWorkbook({&grid}, path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportRoomGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
