// A UI Automation client, as NVDA and Narrator are one: starts the installed program, plays a
// whole match from the keyboard, and after every ball reads the match screen by navigation
// (every shown control's name, the innings button's full description where this UI Automation
// reads one), each box's text and the play-again question. Fails (exit status 1) on a missing,
// empty or repeated name, or a ball told otherwise than the team's total and wickets show it.
// Where notifications reach a client, the balls it hears must be the balls bowled:
//   uia_match_client <program.exe>
#include <uiautomationclient.h>
#include <windows.h>
#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Microsoft::WRL::ComPtr;

int failures = 0;

void check(bool ok, const std::string& what) {
    if (ok) return;
    ++failures;
    std::printf("FAIL: %s\n", what.c_str());
    std::fflush(stdout);
}

std::string utf8(const wchar_t* text) {
    if (!text || !*text) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size - 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

// Waits, a look every 50 ms, until found() gives something; a busy machine may be slow.
template <typename F>
auto waitFor(F found, const char* what) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    for (;;) {
        if (auto result = found()) return result;
        if (std::chrono::steady_clock::now() > deadline) {
            std::printf("FAIL: timed out waiting for %s\n", what);
            std::exit(1);
        }
        std::this_thread::sleep_for(50ms);
    }
}

// ---- the keyboard

INPUT key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));  // which the character comes from
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// A key, with Shift or Alt held down if given.
void press(WORD vk, WORD held = 0) {
    std::vector<INPUT> keys{key(vk, false), key(vk, true)};
    if (held) {
        keys.insert(keys.begin(), key(held, false));
        keys.push_back(key(held, true));
    }
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
}

// Each character as the key that makes it, with Shift where it needs it.
void type(const std::wstring& text) {
    for (wchar_t c : text) {
        const SHORT made = VkKeyScanW(c);
        press(LOBYTE(made), HIBYTE(made) & 1 ? VK_SHIFT : 0);
    }
}

// ---- the program's windows

// The program's visible top-level window whose title begins so, if there is one.
HWND windowOf(DWORD pid, const std::wstring& title) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (owner == pid && IsWindowVisible(window) && std::wstring(text).starts_with(title))
            return window;
    }
    return nullptr;
}

// Keys go to the window in the foreground, as they would from a person who looks at it.
void bringForward(HWND window) {
    SetForegroundWindow(window);
    waitFor([&] { return GetForegroundWindow() == window; }, "the window in the foreground");
}

// ---- reading by UI Automation

IUIAutomation* automation = nullptr;
IUIAutomationTreeWalker* walker = nullptr;

struct Control {
    std::string name, description;
};

// Whether this UI Automation reads full descriptions: Wine's does not know the property.
bool fullDescriptions = true;

Control readControl(IUIAutomationElement* element) {
    Control control;
    BSTR name = nullptr;
    if (SUCCEEDED(element->get_CurrentName(&name))) control.name = utf8(name);
    SysFreeString(name);
    if (!fullDescriptions) return control;
    VARIANT value;
    VariantInit(&value);
    const HRESULT read = element->GetCurrentPropertyValue(UIA_FullDescriptionPropertyId, &value);
    if (read == E_NOTIMPL) {
        fullDescriptions = false;
        std::printf(
            "This UI Automation reads no full description (E_NOTIMPL): the balls are "
            "checked by the labels alone\n");
    }
    if (SUCCEEDED(read) && value.vt == VT_BSTR) control.description = utf8(value.bstrVal);
    VariantClear(&value);
    return control;
}

// The window's element and its shown children, found by navigation as a screen reader walks.
std::vector<Control> readWindow(HWND window) {
    ComPtr<IUIAutomationElement> root;
    check(SUCCEEDED(automation->ElementFromHandle(window, root.GetAddressOf())) && root,
          "no element");
    if (!root) return {};
    std::vector<Control> children;
    ComPtr<IUIAutomationElement> child;
    walker->GetFirstChildElement(root.Get(), child.GetAddressOf());
    while (child) {
        BOOL offscreen = FALSE;
        child->get_CurrentIsOffscreen(&offscreen);
        if (!offscreen) children.push_back(readControl(child.Get()));
        ComPtr<IUIAutomationElement> next;
        walker->GetNextSiblingElement(child.Get(), next.GetAddressOf());
        child = std::move(next);
    }
    return children;
}

// ---- what UI Automation tells of its own accord

// Records what reaches it; called on UI Automation's own threads.
class Listener : public IUIAutomationNotificationEventHandler {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        const bool mine =
            iid == __uuidof(IUnknown) || iid == __uuidof(IUIAutomationNotificationEventHandler);
        *out = mine ? this : nullptr;
        return mine ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the client
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE HandleNotificationEvent(IUIAutomationElement*, NotificationKind,
                                                      NotificationProcessing, BSTR words,
                                                      BSTR) override {
        std::lock_guard lock(mutex);
        notifications.push_back(utf8(words));
        return S_OK;
    }

    std::mutex mutex;
    std::vector<std::string> notifications;
};

// ---- the match

// A ball as told: "4 runs to Player 3. Lions 12 for 2", "Player 3 out. Player 4 in. Lions 12
// for 3", "Player 11 out. Lions all out for 87".
const std::regex kBall(
    R"((?:\d runs? to Player \d+|Player \d+ out\. Player \d+ in)\. (.+) (\d+) for (\d+))"
    R"(|Player 11 out\. (.+) all out for (\d+))");

std::set<std::string> namesOf(const std::vector<Control>& shown) {
    std::set<std::string> names;
    for (const auto& c : shown) {
        check(!c.name.empty(), "a shown control without a name");
        check(names.insert(c.name).second, "two shown controls named " + c.name);
    }
    return names;
}

// Whether a team's figure is named so: "Lions, 12 runs", "Lions, 1 wicket", "Lions, no
// wickets yet".
bool named(const std::set<std::string>& names, const std::string& team, const std::string& figure,
           const std::string& unit) {
    const std::string counted = figure + " " + unit + (figure == "1" ? "" : "s");
    return names.contains(team + ", " + counted) ||
           (figure == "0" && names.contains(team + ", no " + unit + "s yet"));
}

// A ball told (by the innings button's description, or first in its box) agrees with the
// team's total and wickets as shown.
void checkTold(const std::string& ball, const std::string& team,
               const std::set<std::string>& names) {
    std::smatch m;
    if (!std::regex_match(ball, m, kBall)) return check(false, "not a ball: '" + ball + "'");
    const bool allOut = m[4].matched;
    check((allOut ? m[4] : m[1]) == team && named(names, team, allOut ? m[5] : m[2], "run") &&
              (allOut || named(names, team, m[3], "wicket")),
          "'" + ball + "' disagrees with the scoreboard");
}

// Bowls with Space until a box opens; reads the screen after every ball, and keeps what each
// ball without a box told. Returns once the box has closed.
void playInnings(DWORD pid, HWND screen, const std::string& team, std::vector<std::string>& told) {
    const std::string buttonName = "Play " + team + "'s innings.";
    std::set<std::string> names = namesOf(readWindow(screen));
    for (int balls = 1;; ++balls) {
        bringForward(screen);
        press(VK_SPACE);
        HWND box = nullptr;
        std::vector<Control> shown;
        const std::set<std::string> before = names;
        waitFor(
            [&] {
                box = windowOf(pid, L"End of ");
                shown = readWindow(screen);
                names = namesOf(shown);
                return box || names != before;
            },
            "a ball");
        std::string ball;
        for (const auto& c : shown)
            if (c.name == buttonName) ball = c.description;
        if (fullDescriptions) checkTold(ball, team, names);
        if (!box) box = windowOf(pid, L"End of ");
        if (!box) {
            told.push_back(ball);
            continue;
        }
        // A screen reader reads the box's text, which tells its ball first.
        std::string said;
        for (const auto& c : readWindow(box))
            if (c.name.size() > said.size()) said = c.name;
        std::printf("After %d balls a box says: %s\n", balls, said.c_str());
        const auto lead = said.find(team + " ");
        checkTold(said.substr(0, said.find('.', lead == std::string::npos ? 0 : lead)), team,
                  names);
        check(!fullDescriptions || said.starts_with(ball + ". "), "the box's ball is not " + ball);
        bringForward(box);
        press(VK_RETURN);
        waitFor([&] { return !IsWindowVisible(box); }, "the box to close");
        return;
    }
}

void nameTeam(DWORD pid, const wchar_t* team) {
    const HWND box = waitFor([&] { return windowOf(pid, L"Enter Team Name"); }, "a name box");
    bringForward(box);
    type(team);
    press(VK_RETURN);
    waitFor([&] { return !IsWindowVisible(box); }, "the name box to close");
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // every line at once, whatever ends the client
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 2) {
        std::printf("usage: uia_match_client <program.exe>\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IUIAutomation), reinterpret_cast<void**>(&automation)))) {
        std::printf("FAIL: no UI Automation client here\n");
        return 1;
    }
    // Every element, as the raw view has them (which Wine does not offer by that name).
    ComPtr<IUIAutomationCondition> all;
    automation->CreateTrueCondition(all.GetAddressOf());
    automation->CreateTreeWalker(all.Get(), &walker);

    // Whether this Windows can raise a notification at all: the program's Qt looks for the
    // function in the same library.
    const HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    const bool canRaise = core && GetProcAddress(core, "UiaRaiseNotificationEvent");
    std::printf("uiautomationcore %s UiaRaiseNotificationEvent\n", canRaise ? "has" : "has no");

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION program{};
    if (!CreateProcessW(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &program)) {
        std::printf("FAIL: cannot start %ls\n", argv[1]);
        return 1;
    }
    const DWORD pid = program.dwProcessId;
    const HWND start = waitFor([&] { return windowOf(pid, L"Bailwood 2"); }, "the start screen");

    Listener listener;
    ComPtr<IUIAutomationElement> desktop;
    automation->GetRootElement(desktop.GetAddressOf());
    ComPtr<IUIAutomation5> automation5;
    const HRESULT canHear = automation->QueryInterface(IID_PPV_ARGS(automation5.GetAddressOf()));
    HRESULT subscribed = canHear;
    if (SUCCEEDED(canHear))
        subscribed = automation5->AddNotificationEventHandler(desktop.Get(), TreeScope_Subtree,
                                                              nullptr, &listener);
    std::printf("Subscribing to notifications: 0x%08lx\n", static_cast<unsigned long>(subscribed));

    bringForward(start);
    press('P', VK_MENU);
    nameTeam(pid, L"Lions");
    nameTeam(pid, L"Tigers");
    // The match screen has the start screen's title, which hides.
    const HWND screen =
        waitFor([&] { return !IsWindowVisible(start) ? windowOf(pid, L"Bailwood 2") : nullptr; },
                "the match screen");

    const std::vector<Control> first = readWindow(screen);
    std::printf("The match screen shows %zu controls\n", first.size());
    std::multiset<std::string> expected{"Bailwood 2", "Lions", "Tigers", "Play Lions's innings."};
    for (const char* team : {"Lions", "Tigers"}) {
        for (const char* name : {"Total Runs:", "Wickets:", "no runs yet", "no wickets yet"})
            expected.insert(std::string(team) + ", " + name);
        for (int n = 1; n <= 11; ++n)
            expected.insert("Player " + std::to_string(n) + " of " + team + ", yet to bat");
    }
    std::multiset<std::string> names;
    for (const auto& c : first) names.insert(c.name);
    check(names == expected, "the match screen's names before the first ball");

    std::vector<std::string> told;
    playInnings(pid, screen, "Lions", told);
    playInnings(pid, screen, "Tigers", told);
    std::printf("%zu balls opened no box\n", told.size());

    const HWND again = waitFor([&] { return windowOf(pid, L"Play Again?"); }, "play again");
    bool asked = false;
    for (const auto& c : readWindow(again)) asked |= c.name == "Do you want to play again?";
    check(asked, "the play-again question is not read");
    bringForward(again);
    press('N', VK_MENU);
    waitFor([&] { return !IsWindowVisible(again); }, "the play-again dialog to close");
    bringForward(start);
    press('X', VK_MENU);

    // What UI Automation told of its own accord.
    std::lock_guard lock(listener.mutex);
    std::printf("Heard %zu notifications\n", listener.notifications.size());
    if (canRaise && SUCCEEDED(subscribed)) {
        check(listener.notifications == told, "the notifications heard are not the balls bowled");
    } else {
        std::printf("No notification reaches a client here: the balls are proved at Qt's bridge\n");
    }

    check(WaitForSingleObject(program.hProcess, 60000) == WAIT_OBJECT_0, "the program ends");
    DWORD status = 1;
    GetExitCodeProcess(program.hProcess, &status);
    check(status == 0, "the program's exit status is " + std::to_string(status));
    std::printf("%s\n", failures ? "UI Automation: FAILED" : "UI Automation: all read as shown");
    return failures ? 1 : 0;
}
