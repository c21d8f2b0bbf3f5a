#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>
#include <memory>

#include "match/forms.h"
#include "runtime/qt/form_runtime.h"
#include "runtime/qt/qt_boxes.h"
#include "tests/support/box_answerer.h"
#include "tests/support/scripted_runtime.h"

class QAbstractButton;
class QWidget;

namespace bw::match {
class FrmBailwood2;
}

namespace bw::testing {

// One run of Bailwood 2 for a window test: scripted rolls, the real boxes answered by script,
// and the program's windows from its start screen on, without an event loop of its own: the
// test drives it. Make a fresh one for each test.
struct ProgramRun {
    ProgramRun();

    // The loaded instance of a window, or nullptr.
    QWidget* window(Window window);
    match::FrmBailwood2* match();
    // The child button of that name on a loaded window, or nullptr.
    QAbstractButton* button(Window window, const char* name);
    QAbstractButton* innings(int team);  // of team 1 or 2
    // Clicks the start screen's button and enters the two names; the match screen if shown.
    match::FrmBailwood2* openMatch(const QString& team1 = "Lions", const QString& team2 = "Tigers");
    // One click of the innings button in play for each roll; after each click every widget
    // must still show exactly what its control in the model holds.
    void bowl(std::initializer_list<int> rolls);
    // The given rolls, then wickets until the innings button in play hides.
    void playInnings(std::initializer_list<int> rolls = {});
    // The caption of a control of the match screen as the widget holds it.
    QString caption(const char* control);
    // "" when every widget of the match screen, and its title, mirrors the model; else the
    // differences, one line each.
    QString mirror();

    ScriptedRandom random;
    BoxAnswerer answerer;
    rt::qt::QtBoxes boxes;
    rt::qt::FormRuntime forms;
    // How often the program ended, and with what status the last time.
    int endings = 0;
    int endStatus = -1;
};

// A window test whose every test function starts on a fresh run of the program.
class ProgramRunTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

  protected:
    std::unique_ptr<ProgramRun> run_;
};

}  // namespace bw::testing
