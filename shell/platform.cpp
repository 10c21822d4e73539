// The real platform services that need no window system.
#include "platform.h"

#include "regular_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <chrono>
#include <memory>
#include <random>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace shell {

// With TAVRENNE_SETTINGS_FILE set, the setting goes to that file instead, so a whole-program test keeps
// off the user's own store; on Windows that store is the registry, which no environment variable moves.
// Elsewhere the store is the file Qt would choose itself, named here so that it can be looked at before
// Qt opens it.
QString settingsFile(const QString &application)
{
    const QString file = qEnvironmentVariable("TAVRENNE_SETTINGS_FILE");
    if (!file.isEmpty())
        return file;
#ifdef Q_OS_WIN
    Q_UNUSED(application);
    return QString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + application
           + QLatin1Char('/') + application + QStringLiteral(".conf");
#endif
}

namespace {

std::unique_ptr<QSettings> openStore(const QString &application)
{
    const QString file = settingsFile(application);
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(application, application);
}

enum class StoreFile { Usable, Oversized, NotAFile };

StoreFile storeFileState(const QString &application)
{
    const QString file = settingsFile(application);
    const QFileInfo info(file);
    // A missing file is a first run; a dangling link too, which the first write replaces.
    if (file.isEmpty() || !info.exists())
        return StoreFile::Usable;
    if (!isRegularFile(file))
        return StoreFile::NotAFile;
    return info.size() > SettingsFileLimit ? StoreFile::Oversized : StoreFile::Usable;
}

class QSettingsStore final : public SettingsStore
{
public:
    QString value(const QString &application, const QString &section, const QString &key,
                  const QString &defaultValue) override
    {
        // Qt reads the whole file as the store opens: a pipe there would wait for a writer for ever.
        if (storeFileState(application) != StoreFile::Usable)
            return defaultValue;
        const auto store = openStore(application);
        store->beginGroup(section);
        return store->value(key, defaultValue).toString();
    }

    void setValue(const QString &application, const QString &section, const QString &key, const QString &value) override
    {
        switch (storeFileState(application)) {
        case StoreFile::NotAFile:
            // Writing reads the file first, and whatever sits there is not ours to replace.
            return;
        case StoreFile::Oversized:
            // Nothing the program wrote grows this large: it is read as damaged and made anew.
            QFile::remove(settingsFile(application));
            break;
        case StoreFile::Usable:
            break;
        }
        const auto store = openStore(application);
        store->beginGroup(section);
        store->setValue(key, value);
        store->endGroup();
        store->sync();
    }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom() { reseedFromClock(); }

    double next() override { return unitInterval(m_engine()); }

    void reseedFromClock() override
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
        m_engine.seed(seed);
    }

private:
    std::mt19937_64 m_engine;
};

Platform &current()
{
    static Platform services;
    return services;
}

} // namespace

Platform &platform()
{
    return current();
}

void installPlatform(const Platform &services)
{
    Platform &p = current();
    if (services.messages)
        p.messages = services.messages;
    if (services.fileDialogs)
        p.fileDialogs = services.fileDialogs;
    if (services.webPages)
        p.webPages = services.webPages;
    if (services.settings)
        p.settings = services.settings;
    if (services.clock)
        p.clock = services.clock;
    if (services.random)
        p.random = services.random;
    if (services.process)
        p.process = services.process;
}

double unitInterval(std::uint64_t bits)
{
    // Unlike generate_canonical, which may round up to 1.0.
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

std::unique_ptr<SettingsStore> makeQSettingsStore()
{
    return std::make_unique<QSettingsStore>();
}

std::unique_ptr<Clock> makeSystemClock()
{
    return std::make_unique<SystemClock>();
}

std::unique_ptr<RandomSource> makeClockSeededRandom()
{
    return std::make_unique<ClockSeededRandom>();
}

namespace {

bool nameTooLong(const QString &folder, const QString &name)
{
#ifdef Q_OS_UNIX
    // The file system's own limit, counted in the bytes it stores; 255 on nearly all of them.
    long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    if (limit <= 0)
        limit = 255;
    return QFile::encodeName(name).size() > limit;
#else
    Q_UNUSED(folder);
    return name.size() > 255;
#endif
}

} // namespace

FileDialogRequest saveFileRequest(const QString &filter, const QString &defaultSuffix, const QString &title)
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.filter = filter;
    request.defaultSuffix = defaultSuffix;
    request.title = title;
    request.confirmOverwrite = true;
    request.hideReadOnly = true;
    request.folderMustExist = true;
    request.noReadOnlyReturn = true;
    return request;
}

QString fileChoiceProblem(const FileDialogRequest &request, const QString &path)
{
    if (request.kind != FileDialogRequest::Kind::Save)
        return QString();
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (request.folderMustExist && !folder.isDir())
        return QStringLiteral("The folder %1 does not exist.").arg(folderName) + QChar(13)
               + QStringLiteral("Please choose a folder that exists.");
    if (file.fileName().contains(QLatin1Char('"')))
        return QStringLiteral("File names may not hold a double quote (\").") + QChar(13)
               + QStringLiteral("Please choose another name.");
    if (nameTooLong(folder.absoluteFilePath(), file.fileName()))
        return QStringLiteral("The file name is too long for the folder %1.").arg(folderName) + QChar(13)
               + QStringLiteral("Please choose a shorter name.");
    if (!request.noReadOnlyReturn)
        return QString();
    // The owner's write bit as well, since the administrator may write anywhere.
    if (file.exists() && (!file.isWritable() || !file.permission(QFileDevice::WriteOwner)))
        return QStringLiteral("%1 is read-only.").arg(QDir::toNativeSeparators(file.absoluteFilePath())) + QChar(13)
               + QStringLiteral("Please choose another name.");
    if (!folder.isWritable())
        return QStringLiteral("The folder %1 is write-protected.").arg(folderName) + QChar(13)
               + QStringLiteral("Please choose another folder.");
    return QString();
}

MessageAnswer showMessage(const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title)
{
    return platform().messages->show(MessageRequest{text, icon, buttons, title});
}

} // namespace shell
