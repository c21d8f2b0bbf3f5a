// A UI Automation client, as NVDA and Narrator are one: starts the installed program, plays a
// whole match from the keyboard, and after every ball reads the match screen by navigation
// (every shown control's name), each box's text and the play-again question. Fails (exit status
// 1) on a missing, empty or repeated name, or a box that does not lead with its ball, the team's
// total as shown. Wine's UI Automation hands a client no notification and no full
// description; the announcements are checked at Qt's bridge (bw_screen_reader_test):
//   uia_match_client <program.exe>
#include <uiautomationclient.h>
#include <windows.h>
#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
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

// The names of the window's shown children, found by navigation as a screen reader walks.
std::vector<std::string> readWindow(HWND window) {
    ComPtr<IUIAutomationElement> root;
    check(SUCCEEDED(automation->ElementFromHandle(window, root.GetAddressOf())) && root,
          "no element");
    if (!root) return {};
    std::vector<std::string> children;
    ComPtr<IUIAutomationElement> child;
    walker->GetFirstChildElement(root.Get(), child.GetAddressOf());
    while (child) {
        BOOL offscreen = FALSE;
        child->get_CurrentIsOffscreen(&offscreen);
        BSTR name = nullptr;
        if (!offscreen && SUCCEEDED(child->get_CurrentName(&name))) children.push_back(utf8(name));
        SysFreeString(name);
        ComPtr<IUIAutomationElement> next;
        walker->GetNextSiblingElement(child.Get(), next.GetAddressOf());
        child = std::move(next);
    }
    return children;
}

// ---- the match

std::set<std::string> namesOf(const std::vector<std::string>& shown) {
    std::set<std::string> names;
    for (const auto& name : shown) {
        check(!name.empty(), "a shown control without a name");
        check(names.insert(name).second, "two shown controls named " + name);
    }
    return names;
}

// The box's text leads with its ball, "4 runs to Player 3. Lions 12 for 2. …" or "Player 11
// out. Lions all out for 87. …", and the screen names that total as the team's.
void checkTold(const std::string& said, const std::string& team,
               const std::set<std::string>& names) {
    const std::regex ball(R"((?:\d runs? to Player \d+|Player \d+ out\. Player \d+ in)\. )" + team +
                          R"( (\d+) for \d+\. [\s\S]*|Player 11 out\. )" + team +
                          R"( all out for (\d+)\. [\s\S]*)");
    std::smatch m;
    const std::string runs = std::regex_match(said, m, ball) ? m[1].str() + m[2].str() : "";
    const std::string total = runs == "0" ? "no runs yet" : runs + (runs == "1" ? " run" : " runs");
    check(!runs.empty() && names.contains(team + ", " + total),
          "the box does not lead with its ball as the screen shows it: " + said);
}

// Bowls with Space until a box opens, reading the screen after every ball; then reads the box,
// which must tell its ball first, and closes it.
void playInnings(DWORD pid, HWND screen, const std::string& team) {
    std::set<std::string> names = namesOf(readWindow(screen));
    for (int balls = 1;; ++balls) {
        bringForward(screen);
        press(VK_SPACE);
        HWND box = nullptr;
        std::vector<std::string> shown;
        waitFor(
            [&] {
                box = windowOf(pid, L"End of ");
                shown = readWindow(screen);
                return box || std::set<std::string>(shown.begin(), shown.end()) != names;
            },
            "a ball");
        names = namesOf(shown);
        if (!box && !(box = windowOf(pid, L"End of "))) continue;
        std::string said;
        for (const auto& name : readWindow(box))
            if (name.size() > said.size()) said = name;
        std::printf("After %d balls a box says: %s\n", balls, said.c_str());
        checkTold(said, team, names);
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

    bringForward(start);
    press('P', VK_MENU);
    nameTeam(pid, L"Lions");
    nameTeam(pid, L"Tigers");
    // The match screen has the start screen's title, which hides.
    const HWND screen =
        waitFor([&] { return !IsWindowVisible(start) ? windowOf(pid, L"Bailwood 2") : nullptr; },
                "the match screen");

    playInnings(pid, screen, "Lions");
    playInnings(pid, screen, "Tigers");

    const HWND again = waitFor([&] { return windowOf(pid, L"Play Again?"); }, "play again");
    bool asked = false;
    for (const auto& name : readWindow(again)) asked |= name == "Do you want to play again?";
    check(asked, "the play-again question is not read");
    bringForward(again);
    press('N', VK_MENU);
    waitFor([&] { return !IsWindowVisible(again); }, "the play-again dialog to close");
    bringForward(start);
    press('X', VK_MENU);

    check(WaitForSingleObject(program.hProcess, 60000) == WAIT_OBJECT_0, "the program ends");
    DWORD status = 1;
    GetExitCodeProcess(program.hProcess, &status);
    check(status == 0, "the program's exit status is " + std::to_string(status));
    std::printf("%s\n", failures ? "UI Automation: FAILED" : "UI Automation: all read as shown");
    return failures ? 1 : 0;
}
