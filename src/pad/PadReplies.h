#pragma once

class QString;
class QTextCursor;

// Writes one run of a reply at the cursor: answers in bold, the rest in the
// normal weight, whatever the text around it.
void InsertReplyText(QTextCursor& cursor, const QString& text, bool bold);
