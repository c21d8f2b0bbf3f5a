#include "runtime/qt/application_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>

namespace bw::rt::qt {

namespace {

// An icon of the base style, made when first drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
  public:
    DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }
    QString key() const override { return QStringLiteral("bw-deferred-standard"); }
    // Known without reading it: the base style has every standard icon.
    bool isNull() override { return false; }

  private:
    const QIcon& icon() {
        if (!made_) {
            // The style may have gone with a change of the application's style.
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_ = style->standardIcon(which_);
            made_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool made_ = false;
};

}  // namespace

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton && !option) {
        return QIcon(new DeferredStandardIcon(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace bw::rt::qt
