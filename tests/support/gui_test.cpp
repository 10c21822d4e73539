// What every window test shares: the fake platform and a launcher on screen.
#include "gui_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

namespace testsupport {

GuiTest::GuiTest(Registration registerWindows, QSize launcherSize)
    : m_registerWindows(std::move(registerWindows))
    , m_launcherSize(launcherSize)
{
}

void GuiTest::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    beforeLauncher();
    m_mdi = std::make_unique<frmMDI>();
    if (m_registerWindows)
        m_registerWindows(*m_mdi);
    m_mdi->resize(m_launcherSize);
    m_mdi->show();
    m_mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_mdi.get()));
    afterLauncher();
}

QPoint GuiTest::placeOf(const QWidget *window) const
{
    return QPoint((m_mdi->mdiArea()->viewport()->width() - window->width()) / 2, 0);
}

shell::ClickLabel *GuiTest::caption(int index) const
{
    return control<shell::ClickLabel>(m_mdi.get(), QStringLiteral("lblCaption(%1)").arg(index));
}

shell::WrapButton *GuiTest::toolButton(int index) const
{
    return control<shell::WrapButton>(m_mdi.get(), QStringLiteral("cmdSelectOption(%1)").arg(index));
}

void GuiTest::cleanup()
{
    m_mdi.reset();
    m_fakes.reset();
    afterLauncherClosed();
}

void press(QWidget *window, const QString &name)
{
    if (name == QLatin1String("close")) {
        window->close();
    } else if (name == QLatin1String("Escape") || name.contains(QLatin1Char('+'))) {
        const QKeyCombination chord = QKeySequence(name)[0];
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, chord.key(), chord.keyboardModifiers());
    } else if (name.startsWith(QLatin1String("mnu"))) {
        control<QAction>(window, name)->trigger();
    } else {
        QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
    }
}

QMap<QString, QString> shownOn(const QObject *window)
{
    QMap<QString, QString> shown;
    for (const QObject *child : window->findChildren<QObject *>()) {
        for (const char *property : {"text", "plainText", "title", "currentText"}) {
            if (const QVariant value = child->property(property); value.isValid())
                shown.insert(child->objectName(), value.toString());
        }
        if (const auto *calendar = qobject_cast<const QCalendarWidget *>(child)) {
            shown.insert(calendar->objectName(), calendar->selectedDate().toString(Qt::ISODate));
            shown.insert(calendar->objectName() + QLatin1String(" page"),
                         QDate(calendar->yearShown(), calendar->monthShown(), 1).toString(u"yyyy-MM"));
        }
    }
    return shown;
}

void verifyShows(const QObject *window, const QMap<QString, QString> &expected)
{
    const QMap<QString, QString> shown = shownOn(window);
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const std::pair onScreen(it.key(), shown.value(it.key(), QStringLiteral("(no such control)")));
        QCOMPARE(onScreen, std::pair(it.key(), it.value()));
    }
}

QStringList menuEntries(const QObject *window, const QString &menu)
{
    QStringList entries;
    for (const QAction *action : control<QMenu>(window, menu)->actions())
        entries << action->objectName() + QLatin1Char('=')
                       + (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries;
}

void addWays(std::initializer_list<std::pair<const char *, const char *>> ways)
{
    QTest::addColumn<QString>("how");
    for (const auto &[row, how] : ways)
        QTest::newRow(row) << QString::fromLatin1(how);
}

void addWaysOut(const char *firstForm)
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<QString>("how");
    QTest::newRow("result's Exit button") << true << QStringLiteral("cmdExit");
    QTest::newRow("result's Exit menu") << true << QStringLiteral("mnuExit");
    QTest::newRow("result's close box") << true << QStringLiteral("close");
    QTest::addRow("%s's Exit menu", firstForm) << false << QStringLiteral("mnuExit");
    QTest::addRow("%s's close box", firstForm) << false << QStringLiteral("close");
}

} // namespace testsupport
