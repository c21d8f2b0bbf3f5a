#pragma once

#include <QAccessibleTextInterface>
#include <QRect>
#include <QString>

namespace bw::rt::qt {

// The Text a screen reader reads a label by, in place among its neighbours (Orca's flat review
// reads only text it can place on a line). The text is read, not drawn, so its characters share
// the label's box evenly: enough to place it on its line and in order along it. Nothing in it
// can be selected or edited; there is no caret.
class ReadOnlyText : public QAccessibleTextInterface {
  public:
    // The text as it reads now.
    virtual QString readText() const = 0;
    // The label's box on the screen.
    virtual QRect box() const = 0;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
};

}  // namespace bw::rt::qt
