// Starts a program through the desktop's shell, so that it runs as the user signed in to the
// desktop rather than as the elevated installer that asks: the installer's finish page runs
//   start-in-shell.exe <program> <working folder>
// It asks Explorer's desktop view for its Shell.Application object and has that object's
// ShellExecute start the program, as Windows' own sample for starting a program unelevated
// does; the program is then Explorer's child, with Explorer's token. Exit status 0 once the
// shell has taken the request, 1 when there is no such shell to ask.
#include <exdisp.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>
#include <windows.h>

namespace {

// Releases the interface it holds when it goes out of scope.
template <typename Interface>
struct Com {
    Interface* p = nullptr;
    ~Com() {
        if (p) p->Release();
    }
    Interface* operator->() const { return p; }
    void** out() { return reinterpret_cast<void**>(&p); }
};

// Explorer's Shell.Application object, reached from the shell view of the desktop.
HRESULT shellOfDesktop(Com<IShellDispatch2>& shell) {
    Com<IShellWindows> windows;
    HRESULT hr = CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                  IID_IShellWindows, windows.out());
    if (FAILED(hr)) return hr;
    VARIANT none;
    VariantInit(&none);
    long window = 0;
    Com<IDispatch> desktop;
    hr = windows->FindWindowSW(&none, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                               reinterpret_cast<IDispatch**>(desktop.out()));
    if (hr != S_OK) return FAILED(hr) ? hr : E_FAIL;
    Com<IServiceProvider> services;
    if (FAILED(hr = desktop->QueryInterface(IID_IServiceProvider, services.out()))) return hr;
    Com<IShellBrowser> browser;
    hr = services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.out());
    if (FAILED(hr)) return hr;
    Com<IShellView> view;
    hr = browser->QueryActiveShellView(reinterpret_cast<IShellView**>(view.out()));
    if (FAILED(hr)) return hr;
    Com<IDispatch> background;
    if (FAILED(hr = view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.out())))
        return hr;
    Com<IShellFolderViewDual> folderView;
    hr = background->QueryInterface(IID_IShellFolderViewDual, folderView.out());
    if (FAILED(hr)) return hr;
    Com<IDispatch> application;
    hr = folderView->get_Application(reinterpret_cast<IDispatch**>(application.out()));
    if (FAILED(hr)) return hr;
    return application->QueryInterface(IID_IShellDispatch2, shell.out());
}

VARIANT text(const wchar_t* value) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = SysAllocString(value);
    return variant;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 3) return 2;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    HRESULT hr;
    {
        Com<IShellDispatch2> shell;
        hr = shellOfDesktop(shell);
        if (SUCCEEDED(hr)) {
            // Explorer may bring the program to the front, over the installer's window.
            AllowSetForegroundWindow(ASFW_ANY);
            VARIANT none;
            VariantInit(&none);
            VARIANT folder = text(argv[2]);
            BSTR program = SysAllocString(argv[1]);
            hr = shell->ShellExecute(program, none, folder, none, none);
            SysFreeString(program);
            VariantClear(&folder);
        }
    }
    CoUninitialize();
    LocalFree(argv);
    return SUCCEEDED(hr) ? 0 : 1;
}
