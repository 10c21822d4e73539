// The bare window in an executable of its own that links Qt Widgets and nothing else: what a Qt program
// of that size costs to load and start, for comparison with the launcher's executable.
#include "bare_window.h"

#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    return bench::runBareStart(argc, argv, out);
}
