// The seams between the program and its platform: message boxes, file dialogs,
// web pages, the settings store, the clock, the random source and process exit.
// The program installs the real ones; tests install fakes they can read and answer.
#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <memory>

namespace shell {

inline const QString ApplicationTitle = QStringLiteral("Tavrenne");

enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest
{
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString title = ApplicationTitle;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

struct FileDialogRequest
{
    enum class Kind { Save, Open };
    Kind kind = Kind::Open;
    QString filter;        // Qt notation, e.g. "Rich Text Format (*.str)"
    QString defaultSuffix; // without the dot
    QString title;
    bool confirmOverwrite = false;
    bool fileMustExist = false;
    bool folderMustExist = false;
    bool hideReadOnly = false;
    bool noReadOnlyReturn = false;
};

// A save dialog that asks before overwriting and returns neither a read-only file nor a path in a missing folder.
FileDialogRequest saveFileRequest(const QString &filter, const QString &defaultSuffix, const QString &title);

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or an empty string when the user cancels.
    virtual QString ask(const FileDialogRequest &request) = 0;
};

// What is wrong with a path a save dialog is about to return, in words for the user; empty when
// nothing is. Covers the options Qt's dialogs leave unchecked: the folder must exist, and no
// read-only file or write-protected folder; and the names they quietly mishandle: one with a double
// quote, or too long for the file system.
QString fileChoiceProblem(const FileDialogRequest &request, const QString &path);

class WebPages
{
public:
    virtual ~WebPages() = default;
    // Failures (no browser) are silent by design.
    virtual void open(const QUrl &address) = 0;
};

// Per-user values addressed by application name, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString &application, const QString &section, const QString &key,
                          const QString &defaultValue) = 0;
    virtual void setValue(const QString &application, const QString &section, const QString &key,
                          const QString &value) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

// Uniform values r with 0 <= r < 1, shared by the whole program.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseedFromClock() = 0;
};

class ProcessControl
{
public:
    virtual ~ProcessControl() = default;
    // Ends the process at once; no further events are handled.
    virtual void endProcess() = 0;
};

struct Platform
{
    MessageBoxes *messages = nullptr;
    FileDialogs *fileDialogs = nullptr;
    WebPages *webPages = nullptr;
    SettingsStore *settings = nullptr;
    Clock *clock = nullptr;
    RandomSource *random = nullptr;
    ProcessControl *process = nullptr;
};

// The services in force. Every member is set once the program or a test has installed its own.
Platform &platform();
// Replaces the members that `services` sets, keeping the others.
void installPlatform(const Platform &services);

// A settings file larger than this is not one the program wrote: it holds one short value.
inline constexpr qint64 SettingsFileLimit = 64 * 1024;
// Where the real settings store keeps its file; empty where it keeps none (the Windows registry).
QString settingsFile(const QString &application);

// The real services that need no window system.
std::unique_ptr<SettingsStore> makeQSettingsStore();
std::unique_ptr<Clock> makeSystemClock();
std::unique_ptr<RandomSource> makeClockSeededRandom();
// 64 random bits -> [0, 1): the top 53 bits scaled, so 1.0 itself can never come out.
double unitInterval(std::uint64_t bits);

// Shorthands for the common message box forms.
MessageAnswer showMessage(const QString &text, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok, const QString &title = ApplicationTitle);

} // namespace shell
