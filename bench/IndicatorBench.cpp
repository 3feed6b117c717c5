// How often the default counter (ten seven-segment cells, 172 × 36) can be rebuilt per
// second, as when it shows a new count for every file found:
//   indicator_bench [SECONDS]
// Last line: "rebuilds per second: N".
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ZarvoLiquidIndicator.h"

using namespace twinsweep;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    QWidget parent;
    TZarvoLiquidIndicator counter("Ld1", &parent);
    counter.Loaded();
    const auto start = std::chrono::steady_clock::now();
    long rebuilds = 0;
    double elapsed = 0;
    while (elapsed < seconds) {
        for (int i = 0; i < 1000; ++i)
            counter.setIndicatorstring(QString::number(++rebuilds));
        elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("rebuilds per second: %.0f\n", rebuilds / elapsed);
    return 0;
}
