// A multi-line text box whose text keeps the system's CR LF line breaks.
#include "text_box.h"

namespace shell {

TextBox::TextBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

void TextBox::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QChar(13), QChar(10));
    setPlainText(plain);
}

QString TextBox::text() const
{
    QString plain = toPlainText();
    plain.replace(QChar(10), QStringLiteral("\r\n"));
    return plain;
}

} // namespace shell
