// Links in the result sheet: web addresses in the text open in the user's browser.
#pragma once

#include <QString>

class QTextBrowser;
class QTextCharFormat;
class QTextCursor;
class QWidget;

// Lets the sheet's links be clicked: only web addresses, and only through the web-page layer.
void EnableRichTextLinks(QTextBrowser *richText, QWidget *form);

// Inserts `text` in `format`, making every web address in it a link.
void insertWithLinks(QTextCursor &cursor, const QString &text, const QTextCharFormat &format);
