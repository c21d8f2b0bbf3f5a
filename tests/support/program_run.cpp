#include "tests/support/program_run.h"

#include <QAbstractButton>
#include <QWindow>
#include <QtTest>

#include "app/bailwood2.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/caption_widgets.h"
#include "runtime/qt/form.h"

// Resources of a static library are registered by hand, outside any namespace.
static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::testing {

namespace {

constexpr int kWicket = 95;

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const rt::qt::CaptionLabel*>(widget)) return label->caption();
    if (auto* button = qobject_cast<const rt::qt::CaptionButton*>(widget)) return button->caption();
    return {};
}

}  // namespace

ProgramRun::ProgramRun() : forms((registerIcons(), app::Bailwood2Project()), random, boxes) {
    forms.onEnd([this](int status) {
        ++endings;
        endStatus = status;
    });
    forms.handle([this] { forms.Show(Window::frmMain); });
}

QWidget* ProgramRun::window(Window window) { return forms.instance(window); }

match::FrmBailwood2* ProgramRun::match() {
    return qobject_cast<match::FrmBailwood2*>(window(Window::frmBailwood2));
}

QAbstractButton* ProgramRun::button(Window window, const char* name) {
    return buttonOf(this->window(window), name);
}

match::FrmBailwood2* ProgramRun::openMatch(const QString& team1, const QString& team2) {
    answerer.names(team1, team2);
    QTest::mouseClick(button(Window::frmMain, "cmdBailwood2"), Qt::LeftButton);
    return visibleWindow("frmBailwood2") ? match() : nullptr;
}

QAbstractButton* ProgramRun::innings(int team) {
    return button(Window::frmBailwood2, team == 1 ? "cmdInn1" : "cmdInn2");
}

void ProgramRun::bowl(std::initializer_list<int> rolls) {
    for (int roll : rolls) {
        QAbstractButton* inPlay = innings(innings(1)->isVisible() ? 1 : 2);
        QVERIFY2(inPlay->isVisible(), "no innings button to click");
        random.pushRoll(roll);
        QTest::mouseClick(inPlay, Qt::LeftButton);
        if (!match()) return;  // the click ended the match and a box answer closed the screen
        const QString differences = mirror();
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
}

void ProgramRun::playInnings(std::initializer_list<int> rolls) {
    bowl(rolls);
    const int team = innings(1)->isVisible() ? 1 : 2;
    for (int guard = 0; guard < 20 && match() && innings(team)->isVisible(); ++guard)
        bowl({kWicket});
}

QString ProgramRun::caption(const char* control) {
    return captionOf(match()->findChild<QWidget*>(control));
}

QString ProgramRun::mirror() {
    match::FrmBailwood2* screen = match();
    QString differences;
    const auto differ = [&](const std::string& name, const char* what) {
        differences += QString::fromStdString(name) + ": " + what + "\n";
    };
    for (const match::Control& control : screen->scoreboard().controls()) {
        auto* widget = screen->findChild<QWidget*>(QString::fromStdString(control.name()));
        if (!widget) {
            differ(control.name(), "no widget");
            continue;
        }
        if (captionOf(widget) != QString::fromStdString(control.caption()))
            differ(control.name(), "caption");
        if (widget->isVisibleTo(screen) != control.visible()) differ(control.name(), "visible");
        if (widget->font().bold() != control.fontBold()) differ(control.name(), "bold");
    }
    if (screen->windowHandle() && screen->windowHandle()->title() !=
                                      QString::fromStdString(screen->scoreboard().windowCaption()))
        differ("window", "title");
    return differences;
}

}  // namespace bw::testing
