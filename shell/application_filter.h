// An event filter on the whole application, for as long as it lives.
#pragma once

#include <QObject>

namespace shell {

class ApplicationFilter : public QObject
{
public:
    explicit ApplicationFilter(QObject *parent = nullptr);
    ~ApplicationFilter() override;
};

} // namespace shell
