// An event filter on the whole application, for as long as it lives.
#include "application_filter.h"

#include <QCoreApplication>

namespace shell {

ApplicationFilter::ApplicationFilter(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

ApplicationFilter::~ApplicationFilter()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

} // namespace shell
