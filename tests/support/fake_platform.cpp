// Fakes of the platform services.
#include "fake_platform.h"

#include <cmath>

namespace testsupport {

double largestBelowOne()
{
    return std::nextafter(1.0, 0.0);
}

} // namespace testsupport
