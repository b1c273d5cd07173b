// Bold ranges on a TextArea's document. A line end is a block separator in the document; its own
// format is kept as the next block's character format.
#include "framework/StyledText.h"

#include "framework/RuntimeException.h"
#include "framework/TextArea.h"
#include "framework/UiThread.h"
#include "framework/detail/PlainTextEdit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace fw {

void StyledText::Bold(std::int64_t start, std::int64_t length, bool bold) {
    RequireUiThread();
    if (start < 0 || length < 0) throw OutOfBoundsException("A style range cannot start or extend below 0.");
    QTextDocument* document = area_.edit_->document();
    const int from = area_.DocumentPosition(start);
    const int to = area_.DocumentPosition(start + length);
    if (to <= from) return;
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    ++area_.internalChange_;
    document->setUndoRedoEnabled(false); // styling is not an edit the user can undo
    cursor.mergeCharFormat(format);
    document->setUndoRedoEnabled(true);
    --area_.internalChange_;
    area_.styled_ = true;
}

bool StyledText::IsBold(std::int64_t position) const {
    RequireUiThread();
    QTextDocument* document = area_.edit_->document();
    const int at = area_.DocumentPosition(position);
    if (position < 0 || at >= document->characterCount() - 1) {
        throw OutOfBoundsException("No character at position " + std::to_string(position) + ".");
    }
    const QTextBlock block = document->findBlock(at);
    if (at == block.position() + block.length() - 1)
        return document->findBlock(at + 1).charFormat().fontWeight() >= QFont::Bold;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QTextFragment piece = fragment.fragment();
        if (at >= piece.position() && at < piece.position() + piece.length())
            return piece.charFormat().fontWeight() >= QFont::Bold;
    }
    return false;
}

} // namespace fw
