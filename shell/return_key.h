// Return and Enter press the focused push button anywhere in the program.
#pragma once

#include "application_filter.h"

namespace shell {

// Qt leaves Return to a push button's dialog; outside one it does nothing, though users press the focused button
// with it in most programs. Installed on the application while the launcher lives.
class ReturnPressesButtons : public ApplicationFilter
{
public:
    using ApplicationFilter::ApplicationFilter;

    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace shell
