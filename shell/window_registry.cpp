// The tool windows: each created on first use, destroyed when closed, at most one of each.
#include "window_registry.h"

#include "tool_window.h"

#include <QMdiArea>

#include <algorithm>

namespace shell {

const char *windowName(WindowId id)
{
    switch (id) {
    case WindowId::ChineseZodiacMain:
        return "frmChineseZodiacMain";
    case WindowId::ChineseZodiacDisplay:
        return "frmChineseZodiacDisplay";
    case WindowId::ChineseZodiacSave:
        return "frmChineseZodiacSave";
    case WindowId::FortuneCookieMain:
        return "frmFortuneCookieMain";
    case WindowId::FortuneCookieDisplay:
        return "frmFortuneCookieDisplay";
    case WindowId::IChingSoftwareStart:
        return "frmIChingSoftwareStart";
    case WindowId::IChingSoftwareMain:
        return "FrmIChingSoftwareMain";
    case WindowId::IChingReading:
        return "FrmIChingReading";
    case WindowId::MahjongOracleMain:
        return "frmMahjongOracleMain";
    case WindowId::MahjongOracleDisplay:
        return "frmMahjongOracleDisplay";
    }
    return "";
}

WindowRegistry::WindowRegistry(QMdiArea *area, QObject *parent)
    : QObject(parent)
    , m_area(area)
{
}

void WindowRegistry::registerFactory(WindowId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

ToolWindow *WindowRegistry::window(WindowId id)
{
    if (ToolWindow *open = find(id))
        return open;
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end())
        return nullptr;
    ToolWindow *created = factory->second();
    if (!created)
        return nullptr;
    created->setObjectName(QString::fromLatin1(windowName(id)));
    if (m_area)
        m_area->addSubWindow(created);
    m_open.emplace_back(id, created);
    created->load();
    // A load may end the window (or the program) at once.
    return find(id);
}

ToolWindow *WindowRegistry::find(WindowId id) const
{
    for (const auto &[openId, window] : m_open) {
        if (openId == id && window)
            return window;
    }
    return nullptr;
}

void WindowRegistry::close(WindowId id)
{
    if (ToolWindow *open = find(id))
        open->close();
}

std::vector<ToolWindow *> WindowRegistry::openWindows() const
{
    std::vector<ToolWindow *> windows;
    for (const auto &[id, window] : m_open) {
        if (window)
            windows.push_back(window);
    }
    return windows;
}

void WindowRegistry::forget(ToolWindow *window)
{
    const auto it = std::find_if(m_open.begin(), m_open.end(),
                                 [window](const auto &entry) { return entry.second == window; });
    if (it == m_open.end())
        return;
    const WindowId id = it->first;
    m_open.erase(it);
    emit windowClosed(id);
}

} // namespace shell
