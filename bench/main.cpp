#include <QApplication>
#include <benchmark/benchmark.h>

// The grid benchmark needs real widgets; run with QT_QPA_PLATFORM=offscreen
// where there is no display.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
