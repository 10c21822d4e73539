// The result form: the reader's sign, element and the sign's attribute sheet.
#pragma once

#include "shell/tool_window.h"

#include <QDate>

class QAction;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace shell {
class ElidedLabel;
}

class frmChineseZodiacDisplay : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::ChineseZodiacDisplay;
    explicit frmChineseZodiacDisplay(frmMDI &mdi);

    // What Proceed asks for: the fill step from ZodiacResult, then the form in front.
    void showReading();
    void fillReading();

    void cmdBack_Click();
    void cmdExit_Click();
    void cmdPrint_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuPrint_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *fraStarUserDetails;
    shell::ElidedLabel *lblName;
    QLabel *lblDOBDesc;
    QCalendarWidget *MV;
    QLabel *Label1;
    QLabel *lblChineseSign;
    QLabel *Label13;
    QLabel *lblChineseElement;
    QPlainTextEdit *txtChineseElement;
    QGroupBox *fraStarUserSignDetails;
    QLabel *Label4;
    QLineEdit *txtRulingPlanet;
    QLabel *Label2;
    QPlainTextEdit *txtPositiveTraits;
    QLabel *Label6;
    QPlainTextEdit *txtNegativeTraits;
    QLabel *Label3;
    QLineEdit *txtMostCompSign;
    QLabel *Label9;
    QLineEdit *txtLeastCompSign;
    QLabel *Label7;
    QLineEdit *txtLuckyColor;
    QLabel *Label11;
    QLineEdit *txtGemStone;
    QLabel *Label12;
    QLineEdit *txtEnergy;
    QLabel *Label5;
    QLineEdit *txtLuckySeason;
    QLabel *Label8;
    QLineEdit *txtLuckyMonth;
    QLabel *Label10;
    QPlainTextEdit *txtFamousPersons;
    QPushButton *cmdBack;
    QPushButton *cmdExit;
    QPushButton *cmdPrint;
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

    // The reading's birth date: the calendar shows it and nothing else.
    QDate m_shownDate;
    bool m_filledByLoad = false;
    void keepCalendarOnReading();
};
