// The result sheet: the whole reading as formatted text, to print or to save.
#pragma once

#include "shell/tool_window.h"

#include <QPrinterInfo>

#include <functional>

class QPrinter;
class QPushButton;
class QTextBrowser;
class QTextDocument;

namespace shell {
class ClickLabel;
class Panel;
} // namespace shell

class frmChineseZodiacSave : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::ChineseZodiacSave;
    explicit frmChineseZodiacSave(frmMDI &mdi);

    void cmdSave_Click();
    void cmdPrint_Click();

    // The printer Print uses; tests stand in a missing one.
    static std::function<QPrinterInfo()> defaultPrinter;
    // Prints the sheet as it looks, in colour, without the blank lines that end it.
    static void printSheet(const QTextDocument &sheet, QPrinter &printer);

protected:
    void Form_Load() override;

private:
    QTextBrowser *RTB;
    QPushButton *cmdSave;
    QPushButton *cmdPrint;
    shell::Panel *fraFullBrand;

    void buildSheet();
};
