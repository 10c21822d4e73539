// The program's widget style: the platform's own, with the standard icons it hands out kept.
#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace shell {

class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    mutable QHash<QString, QIcon> m_icons;
};

// Makes the program's style the application's, before the first window is built.
void useProgramStyle();

} // namespace shell
