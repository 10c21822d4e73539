// What every window test shares: the fake platform and a launcher on screen.
#include "gui_test.h"

#include <QMdiArea>
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

} // namespace testsupport
