// The yardstick: a plain Qt window with a menu bar and a few labels, nothing of the program's own.
#include "bare_window.h"

#include "measure.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace bench {

std::unique_ptr<QMainWindow> showBareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Bare window"));
    window->resize(792, 546);

    QMenu *file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), window.get(), &QWidget::close);
    QMenu *help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    auto *title = new QLabel(QStringLiteral("A window to measure against"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    title->setFont(bold);
    layout->addWidget(title);
    auto *about = new QLabel(QStringLiteral("It has a menu bar and a few labels, and it does nothing else. "
                                            "Whatever the program takes beyond this is the program's own."));
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addWidget(new QLabel(QStringLiteral("First label")));
    layout->addWidget(new QLabel(QStringLiteral("Second label")));
    layout->addStretch(1);
    window->setCentralWidget(central);

    window->showMaximized();
    return window;
}

int runBareStart(int argc, char *argv[], QTextStream &out)
{
    const qint64 mainNs = monotonicNs();
    BenchApplication app(argc, argv);
    FrameWatcher watcher;
    watcher.arm();
    const auto window = showBareWindow();
    if (!watcher.waitForFrame()) {
        out << "error the bare window painted no frame\n";
        return 1;
    }
    reportStartAndEnd(out, mainNs, watcher.framedAtNs());
}

} // namespace bench
