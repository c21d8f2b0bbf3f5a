// What scripts/windows-installer-check reads or does through Windows itself, under Wine:
//   installer-probe.exe limited <program> [argument...]
//     runs the program with the unelevated half of this process's token, as Windows runs a
//     user's desktop, and waits for it;
//   installer-probe.exe token <name.exe>
//     prints each running process of that name, its token's elevation and its parent, as
//     "bailwood2.exe 312: elevation limited, elevated no, parent explorer.exe 208";
//   installer-probe.exe control <window title> <control text>
//     prints the state of the visible control with that text in the window with that title,
//     as "enabled, checked".
// Exit status 3 when there is no such process or control.
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string elevation(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    HANDLE token = nullptr;
    if (!process || !OpenProcessToken(process, TOKEN_QUERY, &token)) return "unreadable";
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    TOKEN_ELEVATION elevated{};
    DWORD size = 0;
    bool read = GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size) &&
                GetTokenInformation(token, TokenElevation, &elevated, sizeof elevated, &size);
    CloseHandle(token);
    CloseHandle(process);
    if (!read) return "unreadable";
    const char* types[] = {"?", "default", "full", "limited"};
    return std::string("elevation ") + types[type <= 3 ? type : 0] + ", elevated " +
           (elevated.TokenIsElevated ? "yes" : "no");
}

int token(const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::map<DWORD, PROCESSENTRY32> processes;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        processes[entry.th32ProcessID] = entry;
    CloseHandle(snapshot);
    int shown = 0;
    for (const auto& [pid, process] : processes) {
        if (_stricmp(process.szExeFile, name) != 0) continue;
        auto parent = processes.find(process.th32ParentProcessID);
        std::printf("%s %lu: %s, parent %s %lu\n", process.szExeFile, pid, elevation(pid).c_str(),
                    parent == processes.end() ? "(ended)" : parent->second.szExeFile,
                    process.th32ParentProcessID);
        ++shown;
    }
    return shown ? 0 : 3;
}

// The visible control with the text sought, among all of a window's descendants.
struct Search {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK match(HWND item, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char text[256] = "";
    GetWindowTextA(item, text, sizeof text);
    if (!IsWindowVisible(item) || search->text != text) return TRUE;
    search->found = item;
    return FALSE;
}

int control(const char* title, const char* text) {
    HWND window = FindWindowA(nullptr, title);
    Search search{text};
    if (window) EnumChildWindows(window, match, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 3;
    bool checked = SendMessageA(search.found, BM_GETCHECK, 0, 0) == BST_CHECKED;
    std::printf("%s, %s\n", IsWindowEnabled(search.found) ? "enabled" : "disabled",
                checked ? "checked" : "unchecked");
    return 0;
}

int limited(wchar_t* commandLine) {
    HANDLE own = nullptr;
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own) ||
        !GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size)) {
        std::fprintf(stderr, "no linked token: error %lu\n", GetLastError());
        return 1;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessAsUserW(linked.LinkedToken, nullptr, commandLine, nullptr, nullptr, FALSE,
                              0, nullptr, nullptr, &startup, &started)) {
        std::fprintf(stderr, "cannot start: error %lu\n", GetLastError());
        return 1;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "token" && argc == 3) return token(argv[2]);
    if (mode == "control" && argc == 4) return control(argv[2], argv[3]);
    if (mode == "limited" && argc >= 3) {
        // The command line as given, after the mode.
        wchar_t* line = GetCommandLineW();
        return limited(wcsstr(line, L" limited ") + 9);
    }
    std::fprintf(stderr, "usage: installer-probe.exe limited <program> [argument...]\n"
                         "       installer-probe.exe token <name.exe>\n"
                         "       installer-probe.exe control <window title> <control text>\n");
    return 2;
}
