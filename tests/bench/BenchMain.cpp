// glypher_bench: timings of GLYPHER.EXE under Wine for scripts/bench.sh, each
// taken in this process with the performance counter.
//
//   glypher_bench start RUNS FLOOR.EXE GLYPHER.EXE
//       alternates RUNS starts of each (start, wait for the dialog, Cancel),
//       prints "floor START Q1 Q3 CLOSE glypher START Q1 Q3 CLOSE"
//   glypher_bench apply RUNS GLYPHER.EXE none|hung
//       applies valid input RUNS times, prints "MEDIAN Q1 Q3"
//
// START, CLOSE and MEDIAN are medians, Q1 and Q3 the quartiles, all in
// milliseconds; every sample goes to stderr. Exit code 1: a
// run failed; 2: bad arguments.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/bench/ApplyDuration.h"
#include "tests/bench/StartLatency.h"
#include "tests/bench/Timing.h"

namespace {
int CompareStarts(int runs, const std::string& floor, const std::string& glypher) {
    struct Samples {
        const char* name;
        const std::string& exe;
        std::vector<double> start, close;
    } programs[] = {{"floor", floor, {}, {}}, {"glypher", glypher, {}, {}}};
    for (int run = 0; run < runs; ++run) {
        // Alternated, so that a busy spell on the machine falls on both.
        for (Samples& program : programs) {
            StartAndClose times = TimeStartAndClose(program.exe);
            std::fprintf(stderr, "%s start %.1f close %.1f\n", program.name, times.startMs, times.closeMs);
            if (times.startMs < 0) return 1;
            program.start.push_back(times.startMs);
            program.close.push_back(times.closeMs);
        }
    }
    for (const Samples& program : programs) {
        std::printf("%s%s %.1f %.1f %.1f %.1f", &program == programs ? "" : " ", program.name,
                    Quantile(program.start, 0.5), Quantile(program.start, 0.25), Quantile(program.start, 0.75),
                    Quantile(program.close, 0.5));
    }
    std::printf("\n");
    return 0;
}

int TimeApplies(int runs, const std::string& glypher, bool hungWindow) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        double sample = TimeApply(glypher, hungWindow);
        std::fprintf(stderr, "apply %.1f\n", sample);
        if (sample < 0) return 1;
        samples.push_back(sample);
    }
    std::printf("%.1f %.1f %.1f\n", Quantile(samples, 0.5), Quantile(samples, 0.25), Quantile(samples, 0.75));
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 2 ? std::atoi(argv[2]) : 0;
    if (runs < 1) return 2;
    if (argc == 5 && std::strcmp(argv[1], "start") == 0) return CompareStarts(runs, argv[3], argv[4]);
    if (argc == 5 && std::strcmp(argv[1], "apply") == 0) {
        bool hung = std::strcmp(argv[4], "hung") == 0;
        if (!hung && std::strcmp(argv[4], "none") != 0) return 2;
        return TimeApplies(runs, argv[3], hung);
    }
    return 2;
}
