// gk_bench: every benchmark case of the program against its floor, the same work hand-written on
// SQLite. Run gk_generate_db first (scripts/bench.sh does); the folder comes from GK_BENCH_DB_DIR.

#include "BenchSupport.h"
#include "platform/HeapTuning.h"

#include <QApplication>

int main(int argc, char** argv) {
    // As the program does: the cases measure its heap, not the C library's default.
    platform::keepFreedHeap();
    // The list window's cases run the events the material list posts to itself; the search windows'
    // cases show their panels, offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    bench::addCombinationCases();
    bench::addDesignationSearchCases();
    bench::addListWindowCases();
    bench::addMaterialCases();
    bench::addPrintCases();
    bench::addPropertyWindowCases();
    bench::addRecordsetCases();
    bench::addSearchCases();
    bench::addSearchWindowCases();
    bench::addStartUpCases();
    bench::addTextCases();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    bench::TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
