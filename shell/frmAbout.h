// The About box: program name, description and the maker's links.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {
class ClickLabel;
class PictureBox;
} // namespace shell

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Shows the box modally over `owner` and returns when it closes.
    static void showModal(QWidget *owner);

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    shell::PictureBox *Picture1;
    QLabel *Label2;
    QLabel *Label1;
    shell::ClickLabel *lblHomePage;
    QLabel *Label3;
    shell::ClickLabel *lblCoBrand;
    QWidget *Line1;
    QPushButton *cmdOK;
};
