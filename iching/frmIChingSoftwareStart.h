// The question form: the user's name and question before the coins are cast.
#pragma once

#include "shell/tool_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {
class PictureBox;
class TextBox;
} // namespace shell

class frmIChingSoftwareStart : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::IChingSoftwareStart;
    explicit frmIChingSoftwareStart(frmMDI &mdi);

    // Read by the casting window as it loads; kept after this form closes.
    static QString userName;
    static QString userQuestion;

    // True when the character may go into the name box.
    static bool isNameCharacter(QChar c);

    void cmdProceed_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuExit_Click();

    // The sibling window hands the keyboard to it.
    QLineEdit *txtName;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *Label1;
    QLabel *Label2;
    shell::TextBox *txtQuestion;
    QPushButton *cmdExit;
    QPushButton *cmdProceed;
    shell::PictureBox *Picture1;
    shell::PictureBox *Picture2;
    shell::PictureBox *Picture3;
    QAction *mnuNext;
    QAction *mnuExit;
    QString m_acceptedName;

    // Returns false (and has said why) when the form does not go on.
    bool txtName_KeyPress(QChar typed);
    bool proceed(bool withIcon);
};
