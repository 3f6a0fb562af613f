// The arcs of the raster surface against the painter path they replace, on many random arcs:
//     arc_check [ARCS [SEED]]      (default 1000000 arcs, seed 1)
// Prints the counts; exits 1 when any arc differs in a single byte or its path in a single bit.
#include "display/arc_differential.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const long arcs = argc > 1 ? std::atol(argv[1]) : 1000000;
    const auto seed = static_cast<std::uint64_t>(argc > 2 ? std::atoll(argv[2]) : 1);
    const trazor::arccheck::Counts counts = trazor::arccheck::CompareRandomArcs(arcs, seed);
    std::printf("arcs compared: %ld (solid in copy mode: %ld, leaving pixels set: %ld), differences: %ld\n",
        counts.arcs, counts.solidCopy, counts.visible, counts.differences);
    std::printf("paths compared: %ld, differences: %ld\n", counts.paths, counts.pathDifferences);
    if (!counts.firstDifference.empty())
        std::printf("first difference: %s\n", counts.firstDifference.c_str());
    return counts.differences > 0 || counts.pathDifferences > 0 ? 1 : 0;
}
