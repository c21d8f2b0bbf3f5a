#pragma once

#include <QLabel>
#include <QPushButton>
#include <string>

namespace bw::rt::qt {

// A label that shows its caption as plain text on one line, elided with the whole caption in
// its tooltip when it does not fit. Its bounds never change, unless it sizes itself to its
// text: then it keeps its place and takes the text's size.
class CaptionLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit CaptionLabel(QWidget* parent);
    void setCaption(const std::string& caption);
    const QString& caption() const { return caption_; }
    void setAutoSize(bool autoSize);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void fit();
    QString caption_;
    bool autoSize_ = false;
};

// A command button whose caption has no access key and wraps onto as many lines as the button
// holds, the last one elided (whole caption in the tooltip) when it still does not fit.
class CaptionButton final : public QPushButton {
    Q_OBJECT

  public:
    explicit CaptionButton(QWidget* parent);
    void setCaption(const std::string& caption);
    const QString& caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

}  // namespace bw::rt::qt
