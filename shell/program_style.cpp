// Every month calendar asks the style for its arrows when it is built, and every child window for its
// frame buttons; the platform's style looks each one up in the icon theme afresh, and where the theme
// lacks it, reads its own fallback pictures again. One lookup per icon is enough.
#include "program_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

namespace shell {

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // An icon drawn for a given state or direction is left to the style.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QString key = QStringLiteral("%1/%2/%3")
                            .arg(int(icon))
                            .arg(QGuiApplication::isRightToLeft() ? 1 : 0)
                            .arg(QIcon::themeName());
    const auto kept = m_icons.constFind(key);
    if (kept != m_icons.cend())
        return *kept;
    const QIcon made = QProxyStyle::standardIcon(icon, nullptr, widget);
    m_icons.insert(key, made);
    return made;
}

void useProgramStyle()
{
    // The lookups that cost are the icon theme's. Windows has none, and there the native style is
    // left as it is, since some of its widgets check which style they are drawn by.
#ifndef Q_OS_WIN
    // Over a fresh copy of the style the user or the platform chose.
    if (!qobject_cast<ProgramStyle *>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QApplication::style()->name())));
#endif
}

} // namespace shell
