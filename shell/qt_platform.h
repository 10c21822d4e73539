// The real message boxes, file dialogs, web pages and process exit, on Qt Widgets.
#pragma once

#include "platform.h"

namespace shell {

class InstanceLock;

// Installs every real service. The lock, if given, is released when the process ends.
void installQtPlatform(InstanceLock *lock = nullptr);

// A bare carriage return is a line break in the system's texts; Qt wants a line feed.
QString messageTextForDisplay(const QString &text);

} // namespace shell
