// The shared base of every tool window: a child window of the launcher that places
// itself, carries an optional menu bar, and gives the launcher its panel back on closing.
#pragma once

#include "window_registry.h"

#include <QMdiSubWindow>
#include <QPointer>

class QMenuBar;
class frmMDI;

namespace shell {

class ToolWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    ToolWindow(frmMDI &mdi, WindowId id);

    WindowId id() const { return m_id; }
    frmMDI &mdi() const { return m_mdi; }
    WindowRegistry &windows() const;

    // Left = (client width - window width) / 2, Top = 0.
    void place();
    // Closes without giving the launcher its panel back: the sibling window takes over.
    void closeHandingOver();
    // A result form's Back: closes this window, which gives the panel back as any close does,
    // then shows the sibling (loading it if need be) and hides the panel again. Each step runs
    // whatever became of the one before; returns the sibling, or nullptr.
    ToolWindow *closeAndReturnTo(WindowId sibling);
    bool isClosing() const { return m_closing; }
    // Opens `id` in front of this window as a window that belongs to it (a sheet over its reading):
    // closing it comes back here rather than to the panel, and hiding or closing this window closes
    // it, so it never outlives what it shows. Returns the window, or nullptr.
    ToolWindow *openInFront(WindowId id);
    ToolWindow *owner() const { return m_owner; }

    // What the launcher does around showing a tool's first window.
    virtual void prepareForLauncher() {}
    virtual void placedByLauncher() {}

protected:
    // The area under the menu bar where the controls stand.
    QWidget *form() const { return m_form; }
    QMenuBar *menuBar();
    // Sizes the window so that its client area is this many twips.
    void setClientSizeTwips(int width, int height);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    bool isHandingOver() const { return m_handingOver; }

    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class WindowRegistry;
    void load();
    void closeOwnWindows();

    frmMDI &m_mdi;
    WindowId m_id;
    QWidget *m_form;
    QMenuBar *m_menuBar = nullptr;
    QPointer<ToolWindow> m_owner;
    bool m_handingOver = false;
    bool m_closing = false;
};

} // namespace shell
