// A multi-line text box whose text keeps the system's CR LF line breaks.
#pragma once

#include <QPlainTextEdit>

namespace shell {

class TextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // Line breaks come in and go out as CR LF; Qt keeps them as LF inside.
    void setText(const QString &text);
    QString text() const;
};

} // namespace shell
