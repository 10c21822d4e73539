// The full reading of a cast, in a window of its own that belongs to the casting window.
#include "FrmIChingReading.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/platform.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>

using namespace shell;

std::function<QPrinterInfo()> FrmIChingReading::defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };

namespace {

const QString DocumentName = QStringLiteral("I Ching reading");

} // namespace

FrmIChingReading::FrmIChingReading(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(QStringLiteral("Qelvo I Ching Software - Full Reading"));
    form()->setFont(verdana(9.75));

    QMenu *file = addFileMenu(menuBar());
    mnuCopy = addMenuEntry(file, QStringLiteral("mnuCopy"), QStringLiteral("&Copy Reading"),
                           [this] { cmdCopy_Click(); });
    mnuSave = addMenuEntry(file, QStringLiteral("mnuSave"), QStringLiteral("&Save as PDF..."),
                           [this] { cmdSave_Click(); });
    mnuPrint = addMenuEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"), [this] { cmdPrint_Click(); });
    addMenuSeparator(file, QStringLiteral("mnuFileSep1"));
    mnuClose = addMenuEntry(file, QStringLiteral("mnuClose"), QStringLiteral("C&lose"), [this] { close(); });
    // Ctrl+C stays with the text, which copies what is selected in it.
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuSave->setShortcut(QKeySequence::Save);
    mnuPrint->setShortcut(QKeySequence::Print);
    // The frame's own Close holds Ctrl+W too; a key with two owners goes to neither, so the menu takes it.
    const QKeySequence closeKey(Qt::CTRL | Qt::Key_W);
    if (QMenu *frameMenu = systemMenu()) {
        for (QAction *action : frameMenu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(closeKey) > 0)
                action->setShortcuts(keys);
        }
    }
    mnuClose->setShortcut(closeKey);
    addHelpMenu(menuBar(), this);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    escape->setContext(Qt::WidgetWithChildrenShortcut);

    txtReading = named<QTextBrowser>(form(), QStringLiteral("txtReading"));
    txtReading->setGeometry(twipsRect(120, 120, 9360, 5760));
    txtReading->setAccessibleName(QStringLiteral("Your I Ching reading"));
    txtReading->setOpenLinks(false);
    txtReading->setTabChangesFocus(true);
    txtReading->document()->setDefaultFont(verdana(9.75));

    const auto button = [this](const char *name, const QString &caption, int left) {
        auto *made = named<QPushButton>(form(), QString::fromLatin1(name), caption);
        made->setGeometry(twipsRect(left, 6000, 1560, 420));
        return made;
    };
    cmdCopy = button("cmdCopy", QStringLiteral("&Copy"), 2880);
    cmdSave = button("cmdSave", QStringLiteral("&Save as PDF"), 4560);
    cmdPrint = button("cmdPrint", QStringLiteral("&Print"), 6240);
    cmdClose = button("cmdClose", QStringLiteral("C&lose"), 7920);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmIChingReading::cmdCopy_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmIChingReading::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmIChingReading::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    setClientSizeTwips(9600, 6540);
}

void FrmIChingReading::Form_Load()
{
    place();
}

void FrmIChingReading::showReading(const iching::Reading &reading)
{
    m_reading = reading;
    txtReading->setHtml(iching::readingHtml(reading));
    txtReading->moveCursor(QTextCursor::Start);
    txtReading->setFocus();
}

void FrmIChingReading::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(iching::readingText(m_reading));
}

void FrmIChingReading::cmdPrint_Click()
{
    const QPrinterInfo printer = defaultPrinter();
    if (printer.isNull()) {
        showMessage(QStringLiteral("There is no printer to print on. The reading can be saved as a PDF file instead."),
                    MessageIcon::Information);
        return;
    }
    QPrinter device(printer, QPrinter::HighResolution);
    device.setDocName(DocumentName);
    txtReading->document()->print(&device);
}

void FrmIChingReading::cmdSave_Click()
{
    const QString path = platform().fileDialogs->ask(saveFileRequest(QStringLiteral("PDF Document (*.pdf)"),
                                                                     QStringLiteral("pdf"),
                                                                     QStringLiteral("Save Your I Ching Reading")));
    if (path.isEmpty())
        return;
    QString error;
    if (!writePdf(path, &error)) {
        showMessage(QStringLiteral("Your reading could not be saved to %1.").arg(path) + QChar(13) + error,
                    MessageIcon::Critical);
    }
}

bool FrmIChingReading::writePdf(const QString &path, QString *error)
{
    // The printer engine fails without a word on a file it can't open, so the file is tried first.
    QFile probe(path);
    if (QFileInfo(path).isDir() || !probe.open(QIODevice::WriteOnly)) {
        *error = QFileInfo(path).isDir() ? QStringLiteral("That is a folder.") : probe.errorString();
        return false;
    }
    probe.close();
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    device.setDocName(DocumentName);
    txtReading->document()->print(&device);
    if (QFileInfo(path).size() == 0) {
        *error = QStringLiteral("Nothing could be written to the file.");
        return false;
    }
    return true;
}
