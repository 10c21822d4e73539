// The shared base of every tool window.
#include "tool_window.h"

#include "frmMDI.h"
#include "twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QVBoxLayout>

namespace shell {

ToolWindow::ToolWindow(frmMDI &mdi, WindowId id)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                 | Qt::WindowCloseButtonHint)
    , m_mdi(mdi)
    , m_id(id)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_form = new QWidget(body);
    m_form->setObjectName(QStringLiteral("form"));
    layout->addWidget(m_form, 1);
    setWidget(body);
}

WindowRegistry &ToolWindow::windows() const
{
    return m_mdi.windows();
}

QMenuBar *ToolWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(widget());
        static_cast<QVBoxLayout *>(widget()->layout())->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void ToolWindow::setClientSizeTwips(int width, int height)
{
    m_form->setMinimumSize(twipsSize(width, height));
    widget()->adjustSize();
    adjustSize();
}

void ToolWindow::place()
{
    const QMdiArea *area = mdiArea();
    const int clientWidth = area ? area->viewport()->width() : width();
    // Never push the title bar out of reach on a narrow launcher.
    move(std::max(0, (clientWidth - width()) / 2), 0);
}

void ToolWindow::closeHandingOver()
{
    m_handingOver = true;
    close();
    m_handingOver = false;
}

ToolWindow *ToolWindow::closeAndReturnTo(WindowId sibling)
{
    WindowRegistry &registry = windows();
    frmMDI &launcher = m_mdi;
    close();
    ToolWindow *other = registry.window(sibling);
    if (other)
        other->show();
    launcher.setPanelVisible(false);
    return other;
}

void ToolWindow::load()
{
    // The frame's size is only known once the window is inside the launcher.
    widget()->adjustSize();
    adjustSize();
    Form_Load();
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    Form_Unload();
    windows().forget(this);
    if (!m_handingOver)
        m_mdi.setPanelVisible(true);
    QMdiSubWindow::closeEvent(event);
}

} // namespace shell
