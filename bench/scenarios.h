// What the benchmark does inside one copy of the program: start it, open the tools, read.
#pragma once

#include <QTextStream>

namespace bench {

// The program's own start, as the executable does it; returns the launcher's exit code.
// Reports the first painted frame and the peak memory on `out`, then ends the process.
int runLauncherStart(int argc, char *argv[], QTextStream &out);

// Opens each tool and takes each reading `runs` times, then `waitRuns` Mahjong waits;
// writes one "<key> <value>" line per sample. `only` set to "proceed" takes the Zodiac Proceeds alone,
// for a profiler to count just those.
int runToolScenarios(int argc, char *argv[], int runs, int waitRuns, const QString &only, QTextStream &out);

} // namespace bench
