#include "runtime/qt/caption_widgets.h"

#include <QEvent>
#include <QHash>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include "runtime/qt/presentation.h"

namespace bw::rt::qt {

namespace {

QString oneLine(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

// Measuring a text shapes it anew each time, and the scoreboard measures the same few texts
// in the same few fonts over and over: a batsman's name and runs go bold and back on every
// delivery. Widths are kept per font and text; the store is emptied when it grows large.
int advanceOf(const QFont& font, const QString& text) {
    constexpr qsizetype kMostKept = 4096;
    static QHash<QString, int> widths;
    const QString key = font.key() + QLatin1Char('\n') + text;
    if (const auto it = widths.constFind(key); it != widths.constEnd()) return *it;
    if (widths.size() >= kMostKept) widths.clear();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    widths.insert(key, width);
    return width;
}

}  // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void CaptionLabel::setCaption(const std::string& caption) {
    caption_ = QString::fromStdString(caption);
    fit();
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fit();
}

void CaptionLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fit();
}

void CaptionLabel::fit() {
    const QString line = oneLine(caption_);
    if (autoSize_) {
        const QMargins margins = contentsMargins();
        resize(advanceOf(font(), line) + margins.left() + margins.right(),
               fontMetrics().height() + margins.top() + margins.bottom());
    }
    const bool fits = line == caption_ && advanceOf(font(), line) <= width();
    setText(fits ? caption_ : QFontMetrics(font()).elidedText(line, Qt::ElideRight, width()));
    setToolTip(fits ? QString() : caption_);
}

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {}

void CaptionButton::setCaption(const std::string& caption) {
    caption_ = QString::fromStdString(caption);
    setText(literalButtonText(caption));
    update();
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QFontMetrics metrics(font());
    const QString text = oneLine(caption_);
    QTextLayout layout(text, font());
    QTextOption wrap(Qt::AlignHCenter);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    layout.beginLayout();
    QStringList lines;
    bool elided = false;
    const int maxLines = std::max(1, area.height() / metrics.lineSpacing());
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        if (lines.size() == maxLines - 1) {
            const QString rest = text.mid(line.textStart());
            QString last = metrics.elidedText(rest, Qt::ElideRight, area.width());
            elided = last != rest;
            lines << last;
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    setToolTip(elided ? caption_ : QString());

    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const int height = static_cast<int>(lines.size()) * metrics.lineSpacing();
    QRect lineRect(area.left(), area.top() + (area.height() - height) / 2, area.width(),
                   metrics.lineSpacing());
    for (const QString& line : lines) {
        painter.drawText(lineRect, Qt::AlignCenter | Qt::TextSingleLine, line);
        lineRect.translate(0, metrics.lineSpacing());
    }
}

}  // namespace bw::rt::qt
