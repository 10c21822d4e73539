// Text helpers the tools share.
#pragma once

#include <QString>

namespace shell {

// Removes leading and trailing blanks (spaces) only; tabs and line breaks stay.
QString trimBlanks(const QString &text);

} // namespace shell
