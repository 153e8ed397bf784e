// The benchmarks run inside a headless application, so the chart picture is drawn with the
// program's own fonts without a screen; a platform chosen by the caller is kept.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "engine/vector_state.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    engine::ClearUpperVectorHalves();  // Qt's start-up leaves them in use; see there
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
