#include "match/view/scoreboard_accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

#include "match/accessible_text.h"
#include "match/view/frm_bailwood2.h"

namespace bw::match {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A label or innings button of the scoreboard. Widgets are asked for their interface while
// the screen is still being built, so the control is looked up when the text is asked for.
class ControlAccessible final : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* widget, FrmBailwood2& screen)
        : QAccessibleWidget(widget, qobject_cast<QAbstractButton*>(widget)
                                        ? QAccessible::Button
                                        : QAccessible::StaticText),
          screen_(&screen) {}

    QString text(QAccessible::Text t) const override {
        const Control* control = screen_->controlOf(widget());
        if (!control || (t != QAccessible::Name && t != QAccessible::Value))
            return QAccessibleWidget::text(t);
        const AccessibleText spoken = accessibleText(screen_->scoreboard(), *control);
        return fromStd(t == QAccessible::Name ? spoken.name : spoken.value);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && role() == QAccessible::Button) {
            static_cast<QAbstractButton*>(widget())->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    FrmBailwood2* screen_;
};

// The match screen: its children are only the controls it shows.
class ScreenAccessible final : public QAccessibleWidget {
  public:
    explicit ScreenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shown().size()); }

    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = shown();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QWidgetList shown() const {
        QWidgetList children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->isHidden()) children << child;
        }
        return children;
    }
};

QAccessibleInterface* scoreboardFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* screen = dynamic_cast<FrmBailwood2*>(widget)) return new ScreenAccessible(screen);
    auto* screen = dynamic_cast<FrmBailwood2*>(widget->parentWidget());
    return screen ? new ControlAccessible(widget, *screen) : nullptr;
}

}  // namespace

void installScoreboardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(scoreboardFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace bw::match
