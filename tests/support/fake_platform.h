// Fakes of the platform services: every box, dialog and page is recorded and answered
// from prepared answers, so no test ever blocks, opens a browser or touches real settings.
#pragma once

#include "shell/platform.h"

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace testsupport {

class FakeMessageBoxes : public shell::MessageBoxes
{
public:
    shell::MessageAnswer show(const shell::MessageRequest &request) override;
    // Runs while a box is "open", e.g. to check what the window looks like under it.
    std::function<void(const shell::MessageRequest &)> onShow;
    std::vector<shell::MessageRequest> shown;
    std::deque<shell::MessageAnswer> answers; // when empty: OK, or No for Yes/No boxes
    QStringList texts() const;
};

class FakeFileDialogs : public shell::FileDialogs
{
public:
    QString ask(const shell::FileDialogRequest &request) override;
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
                  const QString &defaultValue) override;
    void setValue(const QString &application, const QString &section, const QString &key,
                  const QString &value) override;
    std::map<QString, QString> values; // "application/section/key" -> value
    static QString path(const QString &application, const QString &section, const QString &key);
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
    double next() override;
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
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform &) = delete;
    FakePlatform &operator=(const FakePlatform &) = delete;

    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    FakeWebPages webPages;
    MemorySettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeProcess process;
};

// The largest double below 1.
double largestBelowOne();

} // namespace testsupport
