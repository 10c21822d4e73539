// The full reading of a cast, in a window of its own that belongs to the casting window.
#pragma once

#include "reading.h"

#include "shell/tool_window.h"

#include <QPrinterInfo>

#include <functional>

class QAction;
class QPushButton;
class QTextBrowser;

class FrmIChingReading : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::IChingReading;
    explicit FrmIChingReading(frmMDI &mdi);

    // Fills the window with this reading and puts the keyboard on its text.
    void showReading(const iching::Reading &reading);
    const iching::Reading &reading() const { return m_reading; }

    void cmdCopy_Click();
    void cmdPrint_Click();
    void cmdSave_Click();

    // The printer Print uses; tests stand in a missing one.
    static std::function<QPrinterInfo()> defaultPrinter;

protected:
    void Form_Load() override;

private:
    QTextBrowser *txtReading;
    QPushButton *cmdCopy;
    QPushButton *cmdSave;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;
    QAction *mnuCopy;
    QAction *mnuSave;
    QAction *mnuPrint;
    QAction *mnuClose;

    // Writes the reading as a PDF file; false with the reason when the file can't be written.
    bool writePdf(const QString &path, QString *error);

    iching::Reading m_reading;
};
