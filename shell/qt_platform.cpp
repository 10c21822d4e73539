// The real message boxes, file dialogs, web pages and process exit, on Qt Widgets.
#include "qt_platform.h"

#include "instance_lock.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>

#include <cstdlib>

namespace shell {

QString messageTextForDisplay(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(13), QChar(10));
    return shown;
}

namespace {

class QtMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer show(const MessageRequest &request) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(request.title);
        box.setText(messageTextForDisplay(request.text));
        box.setTextFormat(Qt::PlainText);
        switch (request.icon) {
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        if (request.buttons == MessageButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int result = box.exec();
        if (request.buttons == MessageButtons::YesNo)
            return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
        return MessageAnswer::Ok;
    }
};

// A save dialog that checks the chosen path before it closes, for the options Qt has no switch for.
class CheckedFileDialog final : public QFileDialog
{
public:
    CheckedFileDialog(QWidget *parent, const FileDialogRequest &request)
        : QFileDialog(parent, request.title)
        , m_request(request)
    {
    }

    // A native dialog is gone by the time its choice reaches accept(): it must be asked again.
    bool refusedAfterClosing() const { return m_refused; }

    void accept() override
    {
        m_refused = false;
        const QStringList files = selectedFiles();
        QString chosen = files.isEmpty() ? QString() : files.constFirst();
        // Qt reads quotes in a typed name as marks between several names, and would save under one of them.
        const auto *typed = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (typed && typed->text().contains(QLatin1Char('"')))
            chosen = directory().absoluteFilePath(typed->text());
        const QString problem = chosen.isEmpty() ? QString() : fileChoiceProblem(m_request, chosen);
        if (problem.isEmpty()) {
            QFileDialog::accept();
            return;
        }
        showMessage(problem, MessageIcon::Critical);
        m_refused = true;
    }

    void reject() override
    {
        m_refused = false;
        QFileDialog::reject();
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QFileDialog::showEvent(event);
        auto *typed = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (m_watching || !typed)
            return;
        m_watching = true;
        // Qt greys the button out for a name too long for the file system and says nothing; the button stays
        // pressable for a name this dialog refuses, so that pressing it says why.
        connect(typed, &QLineEdit::textChanged, this, [this, typed] {
            auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            QPushButton *ok = buttons ? buttons->button(acceptMode() == AcceptSave ? QDialogButtonBox::Save
                                                                                   : QDialogButtonBox::Open)
                                      : nullptr;
            if (ok && !ok->isEnabled() && !typed->text().isEmpty()
                && !fileChoiceProblem(m_request, directory().absoluteFilePath(typed->text())).isEmpty())
                ok->setEnabled(true);
        });
    }

private:
    FileDialogRequest m_request;
    bool m_refused = false;
    bool m_watching = false;
};

class QtFileDialogs final : public FileDialogs
{
public:
    QString ask(const FileDialogRequest &request) override
    {
        CheckedFileDialog dialog(QApplication::activeWindow(), request);
        // Start in the documents folder, with no file name; a missing folder would be taken for one.
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        dialog.setDirectory(folder);
        dialog.setNameFilter(request.filter);
        const bool saving = request.kind == FileDialogRequest::Kind::Save;
        dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        // Qt's dialogs offer no read-only box to hide, and this keeps them from making one.
        dialog.setOption(QFileDialog::ReadOnly, false);
        for (;;) {
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                return dialog.selectedFiles().constFirst();
            if (!dialog.refusedAfterClosing())
                return QString();
            dialog.selectFile(dialog.selectedFiles().value(0));
        }
    }
};

class QtWebPages final : public WebPages
{
public:
    void open(const QUrl &address) override { QDesktopServices::openUrl(address); }
};

class QtProcessControl final : public ProcessControl
{
public:
    explicit QtProcessControl(InstanceLock *lock)
        : m_lock(lock)
    {
    }

    void endProcess() override
    {
        if (m_lock)
            m_lock->release();
        if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0) {
            QCoreApplication::exit(0);
            // Nothing more may run once the program has decided to end.
            if (auto *dispatcher = QAbstractEventDispatcher::instance())
                dispatcher->interrupt();
            return;
        }
        std::exit(0);
    }

private:
    InstanceLock *m_lock;
};

} // namespace

void installQtPlatform(InstanceLock *lock)
{
    static QtMessageBoxes messages;
    static QtFileDialogs fileDialogs;
    static QtWebPages webPages;
    static const auto settings = makeQSettingsStore();
    static const auto clock = makeSystemClock();
    static const auto random = makeClockSeededRandom();
    static QtProcessControl process(lock);
    installPlatform(Platform{&messages, &fileDialogs, &webPages, settings.get(), clock.get(), random.get(), &process});
}

} // namespace shell
