// Fakes of the platform services: every box, dialog and page is recorded and answered
// from prepared answers, so no test ever blocks, opens a browser or touches real settings.
#pragma once

#include "shell/platform.h"

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace testsupport {

// The next prepared answer, or `otherwise` when none is left.
template<class T>
T takeFront(std::deque<T> &answers, T otherwise)
{
    if (answers.empty())
        return otherwise;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

class FakeMessageBoxes : public shell::MessageBoxes
{
public:
    shell::MessageAnswer show(const shell::MessageRequest &request) override
    {
        shown.push_back(request);
        if (onShow)
            onShow(request);
        return takeFront(answers, request.buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::No
                                                                                  : shell::MessageAnswer::Ok);
    }
    // Runs while a box is "open", e.g. to check what the window looks like under it.
    std::function<void(const shell::MessageRequest &)> onShow;
    std::vector<shell::MessageRequest> shown;
    std::deque<shell::MessageAnswer> answers; // when empty: OK, or No for Yes/No boxes
    QStringList texts() const
    {
        QStringList all;
        for (const auto &request : shown)
            all << request.text;
        return all;
    }
};

class FakeFileDialogs : public shell::FileDialogs
{
public:
    QString ask(const shell::FileDialogRequest &request) override
    {
        asked.push_back(request);
        return takeFront(answers, QString());
    }
    std::vector<shell::FileDialogRequest> asked;
    std::deque<QString> answers; // an empty path is a cancel; none left is a cancel too
};

class FakeWebPages : public shell::WebPages
{
public:
    void open(const QUrl &address) override { opened.push_back(address); }
    std::vector<QUrl> opened;
};

class MemorySettings : public shell::SettingsStore
{
public:
    QString value(const QString &application, const QString &section, const QString &key,
                  const QString &defaultValue) override
    {
        const auto it = values.find(path(application, section, key));
        return it == values.end() ? defaultValue : it->second;
    }
    void setValue(const QString &application, const QString &section, const QString &key, const QString &value) override
    {
        values[path(application, section, key)] = value;
    }
    std::map<QString, QString> values; // "application/section/key" -> value
    static QString path(const QString &application, const QString &section, const QString &key)
    {
        return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
    }
};

class FakeClock : public shell::Clock
{
public:
    QDateTime now() override { return current; }
    QDateTime current = QDateTime(QDate(2026, 3, 15), QTime(10, 30, 0));
};

class FakeRandom : public shell::RandomSource
{
public:
    double next() override
    {
        ++draws;
        return takeFront(values, 0.0);
    }
    void reseedFromClock() override { ++reseeds; }
    std::deque<double> values; // when empty: 0
    int draws = 0;
    int reseeds = 0;
};

class FakeProcess : public shell::ProcessControl
{
public:
    void endProcess() override { ++ends; }
    int ends = 0;
};

// All fakes at once, installed for the lifetime of the object.
struct FakePlatform
{
    FakePlatform()
        : m_before(shell::platform())
    {
        shell::installPlatform(
            shell::Platform{&messages, &fileDialogs, &webPages, &settings, &clock, &random, &process});
    }
    ~FakePlatform() { shell::platform() = m_before; }
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    FakeWebPages webPages;
    MemorySettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeProcess process;

private:
    shell::Platform m_before;
};

// The largest double below 1.
double largestBelowOne();

} // namespace testsupport
