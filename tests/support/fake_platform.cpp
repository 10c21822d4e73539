// Fakes of the platform services.
#include "fake_platform.h"

#include <cmath>

namespace testsupport {

shell::MessageAnswer FakeMessageBoxes::show(const shell::MessageRequest &request)
{
    shown.push_back(request);
    if (onShow)
        onShow(request);
    if (!answers.empty()) {
        const shell::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return request.buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::No : shell::MessageAnswer::Ok;
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList all;
    for (const auto &request : shown)
        all << request.text;
    return all;
}

QString FakeFileDialogs::ask(const shell::FileDialogRequest &request)
{
    asked.push_back(request);
    if (answers.empty())
        return QString();
    const QString answer = answers.front();
    answers.pop_front();
    return answer;
}

QString MemorySettings::path(const QString &application, const QString &section, const QString &key)
{
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QString MemorySettings::value(const QString &application, const QString &section, const QString &key,
                              const QString &defaultValue)
{
    const auto it = values.find(path(application, section, key));
    return it == values.end() ? defaultValue : it->second;
}

void MemorySettings::setValue(const QString &application, const QString &section, const QString &key,
                              const QString &value)
{
    values[path(application, section, key)] = value;
}

double FakeRandom::next()
{
    ++draws;
    if (values.empty())
        return 0.0;
    const double value = values.front();
    values.pop_front();
    return value;
}

namespace {
shell::Platform g_before;
}

FakePlatform::FakePlatform()
{
    g_before = shell::platform();
    shell::installPlatform(shell::Platform{&messages, &fileDialogs, &webPages, &settings, &clock, &random, &process});
}

FakePlatform::~FakePlatform()
{
    shell::platform() = g_before;
}

double largestBelowOne()
{
    return std::nextafter(1.0, 0.0);
}

} // namespace testsupport
