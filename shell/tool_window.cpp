// The shared base of every tool window.
#include "tool_window.h"

#include "frmMDI.h"
#include "twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QHideEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QVBoxLayout>

namespace shell {

ToolWindow::ToolWindow(frmMDI &mdi, WindowId id)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_mdi(mdi)
    , m_id(id)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Not a stop of its own on the way round with Tab: taking the focus, the frame hands it on to the control
    // that last had it, and the next Tab skips the window's first control.
    setFocusPolicy(Qt::ClickFocus);
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_form = new QWidget(body);
    m_form->setObjectName(QStringLiteral("form"));
    layout->addWidget(m_form, 1);
    setWidget(body);

    // Ctrl+F4 closes a child window in multiple-document programs, Ctrl+W in most others: both do here. The
    // window's own menu already binds the platform's keys; a second binding of one would make it ambiguous.
    const QList<QKeySequence> bound = QKeySequence::keyBindings(QKeySequence::Close);
    QList<QKeySequence> missing;
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        if (!bound.contains(key))
            missing << key;
    }
    if (!missing.isEmpty()) {
        auto *closing = new QAction(this);
        closing->setObjectName(QStringLiteral("closeKeys"));
        closing->setShortcuts(missing);
        closing->setShortcutContext(Qt::WindowShortcut);
        connect(closing, &QAction::triggered, this, &QWidget::close);
        addAction(closing);
    }
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

ToolWindow *ToolWindow::openInFront(WindowId id)
{
    ToolWindow *other = windows().window(id);
    if (!other || other == this)
        return other;
    other->m_owner = this;
    other->show();
    other->raise();
    if (QMdiArea *area = mdiArea())
        area->setActiveSubWindow(other);
    return other;
}

void ToolWindow::closeOwnWindows()
{
    for (ToolWindow *window : windows().openWindows()) {
        if (window->m_owner == this)
            window->close();
    }
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
    closeOwnWindows();
    Form_Unload();
    windows().forget(this);
    ToolWindow *owner = m_owner;
    if (!m_handingOver && !owner)
        m_mdi.setPanelVisible(true);
    QMdiSubWindow::closeEvent(event);
    // Back to the window this one belongs to, unless that is on its way out too.
    if (owner && owner->isVisible() && !owner->isClosing()) {
        owner->raise();
        if (QMdiArea *area = owner->mdiArea())
            area->setActiveSubWindow(owner);
    }
}

void ToolWindow::hideEvent(QHideEvent *event)
{
    QMdiSubWindow::hideEvent(event);
    // A launcher that is minimised hides its windows too; that is no leaving.
    if (!event->spontaneous())
        closeOwnWindows();
}

} // namespace shell
