#include "match/view/scoreboard_accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>

#include "match/accessible_text.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/read_only_text.h"

namespace bw::match {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A label or innings button of the scoreboard. Widgets are asked for their interface while
// the screen is still being built, so the control is looked up when the text is asked for.
class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* widget, FrmBailwood2& screen, QAccessible::Role role)
        : QAccessibleWidget(widget, role), screen_(&screen) {}

    QString text(QAccessible::Text t) const override {
        const Control* shown = control();
        if (shown && t == QAccessible::Name)
            return fromStd(accessibleName(screen_->scoreboard(), *shown));
        if (t == QAccessible::Description && role() == QAccessible::Button)
            return fromStd(screen_->inningsButtonDescription());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button) names.prepend(pressAction());
        return names;
    }

    // An assistive tool's press returns before the ball is bowled: the click, and any box it
    // opens, follow from the event loop, so the tool is never held by a modal box.
    void doAction(const QString& action) override {
        if (action == pressAction() && role() == QAccessible::Button) {
            QMetaObject::invokeMethod(qobject_cast<QAbstractButton*>(widget()),
                                      &QAbstractButton::click, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  protected:
    const Control* control() const { return screen_->controlOf(widget()); }
    const Scoreboard& scoreboard() const { return screen_->scoreboard(); }

  private:
    FrmBailwood2* screen_;
};

// A label also offers its text, so that it is read in place among its neighbours.
class LabelAccessible final : public ControlAccessible, public rt::qt::ReadOnlyText {
  public:
    LabelAccessible(QWidget* widget, FrmBailwood2& screen)
        : ControlAccessible(widget, screen, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return ControlAccessible::interface_cast(t);
    }

    QString readText() const override {
        const Control* shown = control();
        return shown ? fromStd(accessibleText(scoreboard(), *shown)) : QString();
    }

    QRect box() const override { return rect(); }
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
    if (auto* screen = qobject_cast<FrmBailwood2*>(widget)) return new ScreenAccessible(screen);
    auto* screen = qobject_cast<FrmBailwood2*>(widget->parentWidget());
    if (!screen) return nullptr;
    if (qobject_cast<QLabel*>(widget)) return new LabelAccessible(widget, *screen);
    if (qobject_cast<QAbstractButton*>(widget))
        return new ControlAccessible(widget, *screen, QAccessible::Button);
    return nullptr;
}

}  // namespace

void renewControlAccessibles(QWidget& screen) {
    if (!QAccessible::isActive()) return;
    for (QWidget* control : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void installScoreboardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(scoreboardFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace bw::match
