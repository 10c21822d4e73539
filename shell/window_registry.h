// The tool windows: each created on first use, destroyed when closed, at most one of each.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class QMdiArea;

namespace shell {

class ToolWindow;

enum class WindowId {
    ChineseZodiacMain,
    ChineseZodiacDisplay,
    ChineseZodiacSave,
    FortuneCookieMain,
    FortuneCookieDisplay,
    IChingSoftwareStart,
    IChingSoftwareMain,
    IChingReading,
    MahjongOracleMain,
    MahjongOracleDisplay,
};

const char *windowName(WindowId id);

class WindowRegistry : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<ToolWindow *()>;

    explicit WindowRegistry(QMdiArea *area, QObject *parent = nullptr);

    void registerFactory(WindowId id, Factory factory);

    // The open window, created and loaded first if need be; nullptr when the
    // window can't be made or closed itself while loading.
    ToolWindow *window(WindowId id);
    template<class T>
    T *window()
    {
        return static_cast<T *>(window(T::Id));
    }

    // The open window, or nullptr; never creates one.
    ToolWindow *find(WindowId id) const;
    template<class T>
    T *find() const
    {
        return static_cast<T *>(find(T::Id));
    }

    bool isOpen(WindowId id) const { return find(id) != nullptr; }
    // Closing a window that is not open does nothing.
    void close(WindowId id);
    // Open windows in the order they were opened.
    std::vector<ToolWindow *> openWindows() const;

    QMdiArea *area() const { return m_area; }

signals:
    void windowClosed(shell::WindowId id);

private:
    friend class ToolWindow;
    void forget(ToolWindow *window);

    QMdiArea *m_area;
    std::map<WindowId, Factory> m_factories;
    std::vector<std::pair<WindowId, QPointer<ToolWindow>>> m_open;
};

} // namespace shell
