// Text boxes as a screen reader should meet them.
#include "text_box.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>
#include <utility>

namespace shell {

namespace {

const char *const ReadsWholeProperty = "tavrenne_reads_whole";

// The text, caret, selection and geometry of a box, whichever of Qt's text controls it is.
class BoxText
{
public:
    virtual ~BoxText() = default;
    virtual QString all() const = 0;
    virtual int caret() const = 0;
    virtual void setCaret(int position) = 0;
    // Start and end of the selection; equal when nothing is selected.
    virtual std::pair<int, int> selection() const = 0;
    virtual void select(int start, int end) = 0;
    // In the box's own coordinates.
    virtual QRect characterRect(int offset) const = 0;
    virtual int offsetAt(const QPoint &point) const = 0;
    virtual bool readOnly() const = 0;
    virtual bool multiLine() const = 0;
};

// QPlainTextEdit and QTextEdit (a QTextBrowser too), which share no base that has a document and a cursor.
template<class Box>
class DocumentText final : public BoxText
{
public:
    explicit DocumentText(Box *box)
        : m_box(box)
    {
    }

    QString all() const override { return m_box->document()->toPlainText(); }
    int caret() const override { return m_box->textCursor().position(); }
    void setCaret(int position) override
    {
        QTextCursor cursor = m_box->textCursor();
        cursor.setPosition(position);
        m_box->setTextCursor(cursor);
    }
    std::pair<int, int> selection() const override
    {
        const QTextCursor cursor = m_box->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }
    void select(int start, int end) override
    {
        QTextCursor cursor = m_box->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        m_box->setTextCursor(cursor);
    }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor = m_box->textCursor();
        cursor.setPosition(offset);
        const QRect rect = m_box->cursorRect(cursor);
        return QRect(m_box->viewport()->mapTo(m_box, rect.topLeft()), QSize(qMax(1, rect.width()), rect.height()));
    }
    int offsetAt(const QPoint &point) const override
    {
        return m_box->cursorForPosition(m_box->viewport()->mapFrom(m_box, point)).position();
    }
    bool readOnly() const override { return m_box->isReadOnly(); }
    bool multiLine() const override { return true; }

private:
    Box *m_box;
};

class LineText final : public BoxText
{
public:
    explicit LineText(QLineEdit *line)
        : m_line(line)
    {
    }

    QString all() const override { return m_line->text(); }
    int caret() const override { return m_line->cursorPosition(); }
    void setCaret(int position) override { m_line->setCursorPosition(position); }
    std::pair<int, int> selection() const override
    {
        if (!m_line->hasSelectedText())
            return {caret(), caret()};
        const int start = m_line->selectionStart();
        return {start, start + int(m_line->selectedText().size())};
    }
    void select(int start, int end) override { m_line->setSelection(start, end - start); }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics = m_line->fontMetrics();
        const QRect inside = m_line->contentsRect();
        const int left = inside.left() + metrics.horizontalAdvance(all().left(offset));
        const int width = offset < all().size() ? metrics.horizontalAdvance(all().at(offset)) : 1;
        return QRect(left, inside.center().y() - metrics.height() / 2, qMax(1, width), metrics.height());
    }
    int offsetAt(const QPoint &point) const override { return m_line->cursorPositionAt(point); }
    bool readOnly() const override { return m_line->isReadOnly(); }
    bool multiLine() const override { return false; }

private:
    QLineEdit *m_line;
};

std::unique_ptr<BoxText> textOf(QWidget *box)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        return std::make_unique<DocumentText<QPlainTextEdit>>(plain);
    if (auto *rich = qobject_cast<QTextEdit *>(box))
        return std::make_unique<DocumentText<QTextEdit>>(rich);
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return std::make_unique<LineText>(line);
    return nullptr;
}

class WholeTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    WholeTextAccessible(QWidget *box, std::unique_ptr<BoxText> text)
        : QAccessibleWidget(box, QAccessible::EditableText)
        , m_box(std::move(text))
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
        state.multiLine = m_box->multiLine();
        state.selectableText = true;
        state.readOnly = m_box->readOnly();
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
        const auto [start, end] = m_box->selection();
        const bool none = selectionIndex != 0 || start == end;
        *startOffset = none ? 0 : start;
        *endOffset = none ? 0 : end;
    }
    int selectionCount() const override
    {
        const auto [start, end] = m_box->selection();
        return start == end ? 0 : 1;
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            m_box->setCaret(m_box->caret());
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            m_box->select(clamped(startOffset), clamped(endOffset));
    }
    int cursorPosition() const override { return m_box->caret(); }
    void setCursorPosition(int position) override { m_box->setCaret(clamped(position)); }

    QString text(int startOffset, int endOffset) const override
    {
        const QString whole = all();
        if (endOffset < 0 || endOffset > whole.size())
            endOffset = int(whole.size());
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
        const QRect rect = m_box->characterRect(clamped(offset));
        return QRect(widget()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override { return m_box->offsetAt(widget()->mapFromGlobal(point)); }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }
    // One run of no attributes over the whole text. An empty run at each offset (what Qt's own boxes answer)
    // makes Orca join the runs one character short, and it read "Uranu" for "Uranus".
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

private:
    QString all() const { return m_box->all(); }
    int clamped(int offset) const { return qBound(0, offset, characterCount()); }

    std::unique_ptr<BoxText> m_box;
};

QAccessibleInterface *wholeTextAccessible(const QString &, QObject *object)
{
    if (!readsWhole(object))
        return nullptr;
    auto *box = static_cast<QWidget *>(object);
    std::unique_ptr<BoxText> text = textOf(box);
    return text ? new WholeTextAccessible(box, std::move(text)) : nullptr;
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
    readWhole(this);
    setReadOnly(true);
}

void ReadOnlyLine::focusInEvent(QFocusEvent *event)
{
    // Tab would select the whole value; entered any other way the box keeps its caret and selects nothing.
    QFocusEvent entered(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&entered);
}

void readWhole(QWidget *box)
{
    static const bool installed = [] {
        QAccessible::installFactory(&wholeTextAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    if (!textOf(box))
        return;
    box->setProperty(ReadsWholeProperty, true);
    // A screen reader already told of the box (a name set before this) holds Qt's own view of it: that one
    // goes, and the next question makes this one.
    QAccessibleInterface *known = QAccessible::queryAccessibleInterface(box);
    if (known && !dynamic_cast<WholeTextAccessible *>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

bool readsWhole(const QObject *box)
{
    return box && box->isWidgetType() && box->property(ReadsWholeProperty).toBool();
}

} // namespace shell
