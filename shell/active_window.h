// A menu that opens or closes is no change of window to a screen reader.
#pragma once

#include "application_filter.h"

namespace shell {

// A menu grabs the keyboard as it opens and gives it back as it closes, and the window system reports each as
// the launcher's window losing or gaining the focus. Qt passes both on to the screen reader as the launcher's
// window becoming active, though it was the active window throughout, and Orca breaks off to say «Tavrenne
// v1.25 frame.» over the menu. Such focus changes of the window that is active, and stays so, are held back;
// a real change of window still reaches the screen reader. Installed on the application while the launcher lives.
class ActiveWindowStaysQuiet : public ApplicationFilter
{
public:
    using ApplicationFilter::ApplicationFilter;

    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace shell
