#include "runtime/qt/read_only_text.h"

#include <algorithm>

namespace bw::rt::qt {

QString ReadOnlyText::text(int startOffset, int endOffset) const {
    const QString whole = readText();
    if (endOffset < 0 || endOffset > whole.size()) endOffset = static_cast<int>(whole.size());
    if (startOffset < 0 || startOffset >= endOffset) return {};
    return whole.mid(startOffset, endOffset - startOffset);
}

int ReadOnlyText::characterCount() const { return static_cast<int>(readText().size()); }

QRect ReadOnlyText::characterRect(int offset) const {
    const int count = characterCount();
    if (offset < 0 || offset >= count) return {};
    const QRect whole = box();
    const int left = whole.left() + whole.width() * offset / count;
    const int right = whole.left() + whole.width() * (offset + 1) / count;
    return {left, whole.top(), std::max(1, right - left), whole.height()};
}

int ReadOnlyText::offsetAtPoint(const QPoint& point) const {
    const QRect whole = box();
    if (!whole.contains(point)) return -1;
    return (point.x() - whole.left()) * characterCount() / whole.width();
}

QString ReadOnlyText::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void ReadOnlyText::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

}  // namespace bw::rt::qt
