// The question form: the user's name and question before the coins are cast.
#include "frmIChingSoftwareStart.h"

#include "FrmIChingSoftwareMain.h"
#include "coin_pictures.h"

#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/picture.h"
#include "shell/picture_box.h"
#include "shell/platform.h"
#include "shell/strings.h"
#include "shell/text_box.h"
#include "shell/twips.h"
#include "shell/ui.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <functional>

using namespace shell;

QString frmIChingSoftwareStart::userName;
QString frmIChingSoftwareStart::userQuestion;

namespace {

const QString Title = QStringLiteral("Qelvo I Ching Software");

PictureBox *decoration(QWidget *form, const char *name, const char *picture, const QRect &geometry)
{
    auto *box = named<PictureBox>(form, QString::fromLatin1(name));
    box->setPicture(Picture::fromSvg(QStringLiteral(":/iching/pictures/%1.svg").arg(QLatin1String(picture))));
    box->setGeometry(geometry);
    return box;
}

// The first character of `text` that may not go into the name box, or a null character.
QChar refusedIn(const QString &text)
{
    const auto refused = std::find_if_not(text.cbegin(), text.cend(), frmIChingSoftwareStart::isNameCharacter);
    return refused == text.cend() ? QChar() : *refused;
}

// Text that reaches the name box by any way but a typed key (a paste of the selection, an input method's
// word) meets the typing rule here, all of it or nothing. Qt asks more than once about one edit, and asks
// about text it already holds, so a refusal is told once, after the box has put its text back.
class NameRule final : public QValidator
{
public:
    NameRule(std::function<void(QChar)> refused, QObject *parent)
        : QValidator(parent)
        , m_refused(std::move(refused))
    {
    }

    State validate(QString &text, int &) const override
    {
        const QChar refused = refusedIn(text);
        if (refused.isNull())
            return Acceptable;
        if (!m_telling) {
            m_telling = true;
            QMetaObject::invokeMethod(
                parent(),
                [this, refused] {
                    m_telling = false;
                    m_refused(refused);
                },
                Qt::QueuedConnection);
        }
        return Invalid;
    }

private:
    std::function<void(QChar)> m_refused;
    mutable bool m_telling = false;
};

} // namespace

frmIChingSoftwareStart::frmIChingSoftwareStart(frmMDI &mdi)
    : ToolWindow(mdi, Id)
{
    setWindowTitle(Title);
    form()->setFont(verdana(9.75));

    QMenu *file = addFileMenu(menuBar());
    mnuNext = addMenuEntry(file, QStringLiteral("mnuNext"), QStringLiteral("&Next"), [this] { mnuNext_Click(); });
    addMenuSeparator(file, QStringLiteral("mnuFileSep"));
    mnuExit = addMenuEntry(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"), [this] { mnuExit_Click(); });
    HelpMenuNames help;
    help.secondSeparator = QStringLiteral("mnuFileSep2");
    addHelpMenu(menuBar(), this, help);

    Picture3 = decoration(form(), "Picture3", "decor-banner", twipsRect(150, 60, 6225, 420));
    Picture1 = decoration(form(), "Picture1", "decor-left", twipsRect(6600, 120, 1800, 1800));
    Picture2 = decoration(form(), "Picture2", "decor-right", twipsRect(6900, 2040, 1200, 1320));

    Label1 = named<QLabel>(form(), QStringLiteral("Label1"), QStringLiteral("Name:"));
    Label1->setGeometry(twipsRect(150, 570, 1050, 360));
    txtName = named<QLineEdit>(form(), QStringLiteral("txtName"));
    txtName->setGeometry(twipsRect(1290, 570, 5055, 360));
    txtName->setContextMenuPolicy(Qt::NoContextMenu);
    txtName->installEventFilter(this);
    txtName->setValidator(new NameRule([this](QChar refused) { txtName_KeyPress(refused); }, txtName));
    // Setting the text whole (as a screen reader's or an on-screen keyboard's insertion does) passes by the
    // rule's undo: a refused text is put back here to the last one the rule let in.
    connect(txtName, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (refusedIn(text).isNull())
            m_acceptedName = text;
        else
            txtName->setText(m_acceptedName);
    });
    Label1->setBuddy(txtName);

    Label2 = named<QLabel>(form(), QStringLiteral("Label2"), QStringLiteral("Question:"));
    Label2->setGeometry(twipsRect(150, 1020, 1050, 240));
    txtQuestion = named<TextBox>(form(), QStringLiteral("txtQuestion"));
    txtQuestion->setGeometry(twipsRect(1290, 960, 5055, 1245));
    Label2->setBuddy(txtQuestion);

    cmdExit = named<QPushButton>(form(), QStringLiteral("cmdExit"), QStringLiteral("&Exit"));
    cmdExit->setGeometry(twipsRect(3690, 2280, 1305, 405));
    cmdProceed = named<QPushButton>(form(), QStringLiteral("cmdProceed"), QStringLiteral("&Next"));
    cmdProceed->setGeometry(twipsRect(5070, 2280, 1305, 405));
    connect(cmdExit, &QPushButton::clicked, this, &frmIChingSoftwareStart::cmdExit_Click);
    connect(cmdProceed, &QPushButton::clicked, this, &frmIChingSoftwareStart::cmdProceed_Click);
    setTabOrder(txtName, txtQuestion);
    setTabOrder(txtQuestion, cmdExit);
    setTabOrder(cmdExit, cmdProceed);

    addBannerStrip(form(), twipsRect(0, 3420, 8520, 480),
                   {{QStringLiteral("Label61"), WebPage::HomePage},
                    {QStringLiteral("lblFullBrand"), WebPage::BrandingOffer},
                    {QStringLiteral("lblCobrand"), WebPage::CoBranding}});
    setClientSizeTwips(8520, 3900);
}

void frmIChingSoftwareStart::Form_Load()
{
    // A reminder that fails here must not keep the user from the coins.
    CheckUpdateReminder();
    place();
    if (!iching::picturesFolderExists()) {
        showMessage(QStringLiteral("Files Needed To Run Qelvo I Ching Software Are Missing") + QChar(13)
                        + QStringLiteral("Please Reinstall Software."),
                    MessageIcon::Information, MessageButtons::Ok, Title);
        ExitApplication();
        return;
    }
    txtName->setFocus();
}

bool frmIChingSoftwareStart::isNameCharacter(QChar c)
{
    const char16_t code = c.unicode();
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == 32 || code == 8 || code == 127;
}

bool frmIChingSoftwareStart::txtName_KeyPress(QChar typed)
{
    if (isNameCharacter(typed))
        return true;
    showMessage(QStringLiteral("Please Enter Only Characters"));
    txtName->setFocus();
    return false;
}

bool frmIChingSoftwareStart::eventFilter(QObject *watched, QEvent *event)
{
    // A refused drop is ignored, not undone after it was taken: taking it would have moved the text, and
    // removed it from where it was dragged.
    if (watched == txtName && event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QChar refused = drop->mimeData() ? refusedIn(drop->mimeData()->text()) : QChar();
        if (!refused.isNull()) {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
            txtName_KeyPress(refused);
            return true;
        }
    }
    if (watched == txtName && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Pasting is typing Ctrl+V, whatever the platform calls it.
        if (key->matches(QKeySequence::Paste)) {
            txtName_KeyPress(QChar(22));
            return true;
        }
        // Only keys that type a character reach the filter; moving the focus is not typing.
        const bool moves = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!moves && !key->text().isEmpty()) {
            const QString typed = key->text();
            const auto refused = std::find_if_not(typed.cbegin(), typed.cend(), isNameCharacter);
            return !txtName_KeyPress(refused == typed.cend() ? typed.front() : *refused);
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

bool frmIChingSoftwareStart::proceed(bool withIcon)
{
    const MessageIcon icon = withIcon ? MessageIcon::Information : MessageIcon::None;
    if (txtName->text().isEmpty()) {
        showMessage(QStringLiteral("Please Enter Your Name"), icon);
        txtName->setFocus();
        return false;
    }
    if (txtQuestion->text().isEmpty()) {
        showMessage(QStringLiteral("Please Enter Your Question"), icon);
        txtQuestion->setFocus();
        return false;
    }
    userName = trimBlanks(txtName->text());
    userQuestion = trimBlanks(txtQuestion->text());
    if (auto *casting = windows().window<FrmIChingSoftwareMain>()) {
        casting->show();
        casting->cmdToss->setFocus();
    }
    return true;
}

void frmIChingSoftwareStart::cmdProceed_Click()
{
    if (proceed(true))
        closeHandingOver();
}

void frmIChingSoftwareStart::mnuNext_Click()
{
    // The menu entry keeps the form, so Start Again brings back its texts.
    if (proceed(false))
        hide();
}

void frmIChingSoftwareStart::cmdExit_Click()
{
    close();
}

void frmIChingSoftwareStart::mnuExit_Click()
{
    cmdExit_Click();
}

void frmIChingSoftwareStart::Form_Unload()
{
    if (!isHandingOver())
        windows().close(FrmIChingSoftwareMain::Id);
}
