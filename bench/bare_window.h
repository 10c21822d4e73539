// The yardstick: a plain Qt window with a menu bar and a few labels, nothing of the program's own.
#pragma once

#include <QMainWindow>
#include <QTextStream>

#include <memory>

namespace bench {

// Built and shown maximized, as the launcher is.
std::unique_ptr<QMainWindow> showBareWindow();

// Starts the bare window and reports its first frame and peak memory on `out`, then ends the process.
int runBareStart(int argc, char *argv[], QTextStream &out);

} // namespace bench
