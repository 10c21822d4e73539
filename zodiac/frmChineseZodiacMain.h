// The entry form: the reader's name, sex and date of birth.
#pragma once

#include "zodiac/birth_data.h"
#include "zodiac/chinese_year.h"

#include "shell/tool_window.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmChineseZodiacMain : public shell::ToolWindow
{
    Q_OBJECT
public:
    static constexpr shell::WindowId Id = shell::WindowId::ChineseZodiacMain;
    explicit frmChineseZodiacMain(frmMDI &mdi);

    void cmdProceed_Click();
    void cmdOpen_Click();

    // The controls as Proceed reads them.
    zodiac::BirthEntries entries() const;

protected:
    void Form_Load() override;

private:
    QGroupBox *fraDetails;
    QLabel *Label1;
    QLineEdit *txtName;
    QLabel *Label5;
    std::array<QRadioButton *, 2> optSex;
    QLabel *Label2;
    QComboBox *cboDate;
    QComboBox *cboMonth;
    QComboBox *cboYear;
    QPushButton *cmdProceed;
    QPushButton *cmdOpen;

    zodiac::ChineseYearTable m_yearTable;
};
