// What scripts/windows-installer-check reads or does through Windows' own calls, under Wine:
//   windows-installer-probe.exe limited <program> [argument...]  runs the program with the
//       unelevated half of this process's token, as Windows runs a user's desktop, and waits
//   windows-installer-probe.exe token <name.exe>  prints each process of that name, its token
//       and its parent:
//       "bailwood2.exe 312: elevation limited, elevated no, parent explorer.exe 208"
//   windows-installer-probe.exe control <window title> <text>  prints the state of the visible
//       control with that text in that window, "enabled, checked", and "active" if the window is
// Exit status 3 when there is no such process or control.
// <tlhelp32.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

std::string elevation(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    HANDLE token = nullptr;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    TOKEN_ELEVATION elevated{};
    DWORD size = 0;
    bool read = process && OpenProcessToken(process, TOKEN_QUERY, &token) &&
                GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size) &&
                GetTokenInformation(token, TokenElevation, &elevated, sizeof elevated, &size);
    if (token) CloseHandle(token);
    if (process) CloseHandle(process);
    if (!read || type < 1 || type > 3) return "token unreadable";
    const char* types[] = {"", "default", "full", "limited"};
    return std::string("elevation ") + types[type] + ", elevated " +
           (elevated.TokenIsElevated ? "yes" : "no");
}

int token(const std::string& name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::map<DWORD, PROCESSENTRY32> processes;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        processes[entry.th32ProcessID] = entry;
    CloseHandle(snapshot);
    int status = 3;
    for (const auto& [pid, process] : processes) {
        if (_stricmp(process.szExeFile, name.c_str()) != 0) continue;
        auto parent = processes.find(process.th32ParentProcessID);
        std::printf("%s %lu: %s, parent %s %lu\n", process.szExeFile, pid, elevation(pid).c_str(),
                    parent == processes.end() ? "(ended)" : parent->second.szExeFile,
                    process.th32ParentProcessID);
        status = 0;
    }
    return status;
}

// The visible control with the text sought, among all of the window's descendants.
int control(const char* title, const char* text) {
    HWND window = FindWindowA(nullptr, title);
    std::pair<std::string, HWND> search{text, nullptr};
    auto match = [](HWND item, LPARAM param) -> BOOL {
        auto* sought = reinterpret_cast<std::pair<std::string, HWND>*>(param);
        char itemText[256] = "";
        GetWindowTextA(item, itemText, sizeof itemText);
        if (!IsWindowVisible(item) || sought->first != itemText) return TRUE;
        sought->second = item;
        return FALSE;
    };
    if (window) EnumChildWindows(window, match, reinterpret_cast<LPARAM>(&search));
    if (!search.second) return 3;
    bool checked = SendMessageA(search.second, BM_GETCHECK, 0, 0) == BST_CHECKED;
    std::printf("%s, %s%s\n", IsWindowEnabled(search.second) ? "enabled" : "disabled",
                checked ? "checked" : "unchecked",
                GetForegroundWindow() == window ? ", active" : "");
    return 0;
}

int limited(wchar_t* commandLine) {
    HANDLE own = nullptr;
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own) ||
        !GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size) ||
        !CreateProcessAsUserW(linked.LinkedToken, nullptr, commandLine, nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &started)) {
        std::fprintf(stderr, "cannot start it unelevated: error %lu\n", GetLastError());
        return 1;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "token" && argc == 3) return token(argv[2]);
    if (mode == "control" && argc == 4) return control(argv[2], argv[3]);
    // The program's command line as given, after the mode.
    if (mode == "limited" && argc > 2) return limited(wcsstr(GetCommandLineW(), L" limited ") + 9);
    std::fprintf(stderr, "usage: see scripts/windows-installer-probe.cpp\n");
    return 2;
}
