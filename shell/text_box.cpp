// Text boxes as a screen reader should meet them.
#include "text_box.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace shell {

namespace {

const char *const ReadsWholeProperty = "tavrenne_reads_whole";

// The cursor, document and geometry of either kind of rich box, which share no base that has them.
class BoxText
{
public:
    explicit BoxText(QWidget *box)
        : m_plain(qobject_cast<QPlainTextEdit *>(box))
        , m_rich(qobject_cast<QTextEdit *>(box))
    {
    }

    QTextDocument *document() const { return m_plain ? m_plain->document() : m_rich->document(); }
    QTextCursor cursor() const { return m_plain ? m_plain->textCursor() : m_rich->textCursor(); }
    void setCursor(const QTextCursor &cursor) const
    {
        if (m_plain)
            m_plain->setTextCursor(cursor);
        else
            m_rich->setTextCursor(cursor);
    }
    QRect cursorRect(const QTextCursor &cursor) const
    {
        return m_plain ? m_plain->cursorRect(cursor) : m_rich->cursorRect(cursor);
    }
    QTextCursor cursorAt(const QPoint &point) const
    {
        return m_plain ? m_plain->cursorForPosition(point) : m_rich->cursorForPosition(point);
    }
    QWidget *viewport() const { return m_plain ? m_plain->viewport() : m_rich->viewport(); }
    bool readOnly() const { return m_plain ? m_plain->isReadOnly() : m_rich->isReadOnly(); }

private:
    QPlainTextEdit *m_plain;
    QTextEdit *m_rich;
};

class WholeTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit WholeTextAccessible(QWidget *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
        , m_box(box)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.selectableText = true;
        state.readOnly = m_box.readOnly();
        state.editable = !state.readOnly;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return all();
        return QAccessibleWidget::text(kind);
    }

    // Selection and caret: the widget's own.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = m_box.cursor();
        if (selectionIndex != 0 || !cursor.hasSelection()) {
            *startOffset = *endOffset = 0;
            return;
        }
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
    int selectionCount() const override { return m_box.cursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = m_box.cursor();
        cursor.clearSelection();
        m_box.setCursor(cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = m_box.cursor();
        cursor.setPosition(clamped(startOffset));
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        m_box.setCursor(cursor);
    }
    int cursorPosition() const override { return m_box.cursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = m_box.cursor();
        cursor.setPosition(clamped(position));
        m_box.setCursor(cursor);
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString whole = all();
        if (endOffset < 0 || endOffset > whole.size())
            endOffset = whole.size();
        startOffset = qBound(0, startOffset, endOffset);
        return whole.mid(startOffset, endOffset - startOffset);
    }

    // The whole text is one line: the line a screen reader reads on the way in is all of it.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
        *startOffset = 0;
        *endOffset = characterCount();
        return all();
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
        *startOffset = *endOffset = 0;
        return QString();
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
        *startOffset = *endOffset = characterCount();
        return QString();
    }

    int characterCount() const override { return int(all().size()); }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor = m_box.cursor();
        cursor.setPosition(clamped(offset));
        QRect rect = m_box.cursorRect(cursor);
        rect.setWidth(qMax(1, rect.width()));
        return QRect(m_box.viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return m_box.cursorAt(m_box.viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return QString();
    }

private:
    QString all() const { return m_box.document()->toPlainText(); }
    int clamped(int offset) const { return qBound(0, offset, characterCount()); }

    BoxText m_box;
};

QAccessibleInterface *wholeTextAccessible(const QString &, QObject *object)
{
    if (!readsWhole(object))
        return nullptr;
    return new WholeTextAccessible(static_cast<QWidget *>(object));
}

} // namespace

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

ReadOnlyLine::ReadOnlyLine(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
}

void ReadOnlyLine::focusInEvent(QFocusEvent *event)
{
    // Tab would select the whole value; entered any other way the box keeps its caret and selects nothing.
    QFocusEvent entered(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&entered);
}

void readWhole(QAbstractScrollArea *box)
{
    static const bool installed = [] {
        QAccessible::installFactory(&wholeTextAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    if (qobject_cast<QPlainTextEdit *>(box) || qobject_cast<QTextEdit *>(box))
        box->setProperty(ReadsWholeProperty, true);
}

bool readsWhole(const QObject *box)
{
    return box && box->isWidgetType() && box->property(ReadsWholeProperty).toBool();
}

} // namespace shell
