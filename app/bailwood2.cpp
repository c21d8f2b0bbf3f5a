#include "app/bailwood2.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "app/frm_main.h"
#include "app/frm_play_again.h"
#include "match/forms.h"
#include "match/view/frm_bailwood2.h"
#include "runtime/qt/display_check.h"
#include "runtime/qt/thun_rt_main.h"

// Resources of a static library are registered by hand, outside any namespace.
static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace bw::app {

namespace {

template <typename Form>
rt::qt::WindowClass windowClass(Window window) {
    const std::string_view name = windowName(window);
    return {window, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
            [](rt::qt::FormRuntime& forms) { return std::make_unique<Form>(forms); }};
}

}  // namespace

const rt::qt::ProjectDescription& Bailwood2Project() {
    static const rt::qt::ProjectDescription project{
        "Bailwood2",
        "Bailwood 2",
        ":/icons/bailwood2",
        BAILWOOD_APP_ID,
        {windowClass<FrmMain>(Window::frmMain),
         windowClass<match::FrmBailwood2>(Window::frmBailwood2),
         windowClass<FrmPlayAgain>(Window::frmPlayAgain)},
    };
    return project;
}

int Bailwood2Main(int argc, char** argv, std::unique_ptr<rt::Random> random) {
    if (!QCoreApplication::instance() && !rt::qt::displayFound(argc, argv)) {
        std::fputs(
            "Bailwood 2: no display found. Run it in a desktop session, or on a virtual one "
            "(apt-get install xvfb xauth): xvfb-run scripts/run, or xvfb-run bailwood2 once "
            "installed.\n",
            stderr);
        return EXIT_FAILURE;
    }
    registerIcons();
    return rt::qt::ThunRTMain(Bailwood2Project(), argc, argv, std::move(random));
}

}  // namespace bw::app
