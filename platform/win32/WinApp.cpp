#include "platform/win32/WinApp.h"

#include <commctrl.h>

#include <cstring>

namespace {
CWinApp* g_app = nullptr;

// The one application's names, zero-filled at load rather than stored in the
// executable as part of the statically initialised application object.
char g_modulePath[MAX_PATH];
char g_appName[MAX_PATH];
char g_helpPath[MAX_PATH];
}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::ExitInstance() { return 0; }

BOOL CWinApp::Enable3dControlsStatic() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&classes);
}

void CWinApp::InitFromModule(HINSTANCE instance) {
    m_hInstance = instance;
    DWORD length = GetModuleFileNameA(instance, g_modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;  // no name: boxes get the system's default caption

    // Scan byte-wise with CharNextA: a backslash byte may trail a double-byte character.
    const char* baseName = g_modulePath;
    const char* extension = nullptr;
    for (const char* p = g_modulePath; *p; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            baseName = p + 1;
            extension = nullptr;
        } else if (*p == '.') {
            extension = p;
        }
    }
    if (!extension) extension = g_modulePath + length;

    if (!m_pszAppName) {
        std::memcpy(g_appName, baseName, extension - baseName);
        m_pszAppName = g_appName;
    }
    const char kHelpExtension[] = ".HLP";
    std::size_t stem = extension - g_modulePath;
    if (stem + sizeof kHelpExtension <= MAX_PATH) {
        std::memcpy(g_helpPath, g_modulePath, stem);
        std::memcpy(g_helpPath + stem, kHelpExtension, sizeof kHelpExtension);
        m_pszHelpFilePath = g_helpPath;
    }
}

void CWinApp::OnHelp() {
    HWND focus = GetFocus();
    if (!focus) return;
    HWND topLevel = GetAncestor(focus, GA_ROOT);
    auto context = static_cast<DWORD>(SendMessageA(topLevel, kQueryHelpContextMessage, 0, 0));
    if (context) WinHelp(topLevel, context);
}

void CWinApp::WinHelp(HWND window, DWORD helpContext) {
    if (m_pszHelpFilePath) WinHelpA(window, m_pszHelpFilePath, HELP_CONTEXT, helpContext);
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetResourceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    app->InitFromModule(instance);
    app->InitInstance();
    return app->ExitInstance();
}
