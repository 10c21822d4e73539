// Text boxes as a screen reader should meet them: the multi-line box that keeps CR LF line breaks,
// the one-line read-only box, and whole-text reading for read-only boxes of many lines.
#pragma once

#include <QLineEdit>
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

// A read-only one-line box that selects nothing when the keyboard enters it: a selection would be spoken on
// the way in ("selected") and again on the way out ("unselected"), the value itself twice.
class ReadOnlyLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit ReadOnlyLine(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// A read-only QPlainTextEdit, QTextEdit (a QTextBrowser too) or QLineEdit whose whole text a screen reader
// takes as the line it is on, so tabbing in reads all of it rather than the first of its lines.
void readWhole(QWidget *box);
bool readsWhole(const QObject *box);

} // namespace shell
