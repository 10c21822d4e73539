// What every window test shares: the fake platform, and a launcher with the windows a test registers,
// shown before each test and destroyed after it.
#pragma once

#include "fake_platform.h"

#include "shell/click_label.h"
#include "shell/frmMDI.h"
#include "shell/wrap_button.h"

#include <QMap>
#include <QObject>
#include <QSize>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

namespace testsupport {

class GuiTest : public QObject
{
    Q_OBJECT
public:
    using Registration = std::function<void(frmMDI &)>;
    explicit GuiTest(Registration registerWindows, QSize launcherSize = QSize(1280, 1000));

protected slots:
    void init();
    void cleanup();

protected:
    // Before the launcher is made: state its windows read as they load is reset here.
    virtual void beforeLauncher() {}
    // Once the launcher is on screen, e.g. to open the tool under test.
    virtual void afterLauncher() {}
    // After the launcher is gone.
    virtual void afterLauncherClosed() {}

    // The open tool window of that kind, or nullptr.
    template<class T>
    T *tool() const
    {
        return m_mdi->windows().find<T>();
    }

    // Where a tool window places itself: centred at the top of the launcher's client area.
    QPoint placeOf(const QWidget *window) const;
    // The launcher's captions and tool buttons, by index.
    shell::ClickLabel *caption(int index) const;
    shell::WrapButton *toolButton(int index) const;

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmMDI> m_mdi;

private:
    Registration m_registerWindows;
    QSize m_launcherSize;
};

// The control named `name` inside `parent`. A missing one ends the run naming it, as every later step would
// only fail on a null pointer.
template<class T>
T *control(const QObject *parent, const QString &name)
{
    if (!parent)
        qFatal("no window to find \"%s\" in", qPrintable(name));
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("%s has no %s named \"%s\"", qPrintable(parent->objectName()), T::staticMetaObject.className(),
               qPrintable(name));
    return found;
}

// Presses the control of that name as a user would: clicks the button, triggers the menu entry ("mnu..."), or
// closes the window ("close"); a key or chord ("Escape", "Ctrl+R") goes to whatever has the keyboard.
void press(QWidget *window, const QString &name);

// What a window shows, by control name: the text, plain text, title or current entry of each control and menu
// entry; a calendar gives the date it marks under its name and the month it is turned to under "<name> page".
QMap<QString, QString> shownOn(const QObject *window);

// Each named control must show its text; a failure names the control.
void verifyShows(const QObject *window, const QMap<QString, QString> &expected);

// The entries of the window's menu of that name in order, each as "name=text", a separator's text being "-".
QStringList menuEntries(const QObject *window, const QString &menu);

// One data row per way of doing a thing, named after the way, with the control it uses in the column "how".
void addWays(std::initializer_list<std::pair<const char *, const char *>> ways);

// The ways out of a tool of two forms: the result's Exit button, Exit menu and close box, then the first form's
// Exit menu and close box; "fromResult" says which form a row leaves from, "how" is what it presses.
void addWaysOut(const char *firstForm);

} // namespace testsupport
