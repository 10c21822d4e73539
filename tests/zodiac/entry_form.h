// The Zodiac entry form as the Zodiac tests fill it in and read it back.
#pragma once

#include "support/gui_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <tuple>

namespace zodiactest {

constexpr int None = -1;
constexpr int Male = 0;
constexpr int Female = 1;

// Each birth-date list with the index and the entry that stand for this date; the years start at 1936.
inline std::array<std::tuple<const char *, int, QString>, 3> dateLists(int day, int month, int year)
{
    return {{{"cboDate", day - 1, QString::number(day)},
             {"cboMonth", month - 1, QLocale(QLocale::English).monthName(month)},
             {"cboYear", year - 1936, QString::number(year)}}};
}

// Types the name, picks the sex (None leaves both unpicked) and the date; a list whose entry there is not
// the date's fails, as a reading from it would be someone else's.
inline void fillEntry(const QWidget *form, const QString &name, int sex, int day, int month, int year)
{
    testsupport::control<QLineEdit>(form, "txtName")->setText(name);
    if (sex != None)
        testsupport::control<QRadioButton>(form, QStringLiteral("optSex(%1)").arg(sex))->setChecked(true);
    for (const auto &[list, index, text] : dateLists(day, month, year)) {
        auto *box = testsupport::control<QComboBox>(form, list);
        box->setCurrentIndex(index);
        QCOMPARE(std::pair(list, box->currentText()), std::pair(list, text));
    }
}

// The form holds just these entries; None: neither sex is picked.
inline void verifyEntry(const QWidget *form, const QString &name, int sex, int day, int month, int year)
{
    QCOMPARE(testsupport::control<QLineEdit>(form, "txtName")->text(), name);
    for (const int button : {Male, Female}) {
        const QString option = QStringLiteral("optSex(%1)").arg(button);
        QCOMPARE(std::pair(option, testsupport::control<QRadioButton>(form, option)->isChecked()),
                 std::pair(option, button == sex));
    }
    for (const auto &[list, index, text] : dateLists(day, month, year)) {
        auto *box = testsupport::control<QComboBox>(form, list);
        QCOMPARE(std::pair(list, box->currentIndex()), std::pair(list, index));
        QCOMPARE(std::pair(list, box->currentText()), std::pair(list, text));
    }
}

} // namespace zodiactest
