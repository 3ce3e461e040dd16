#include "platform/win32/WinApp.h"

#include <cstring>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::ExitInstance() { return 0; }

void CWinApp::InitFromModule(HINSTANCE instance) {
    m_hInstance = instance;
    DWORD length = GetModuleFileNameA(instance, m_modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;  // no name: boxes get the system's default caption

    // Scan byte-wise with CharNextA: a backslash byte may trail a double-byte character.
    const char* baseName = m_modulePath;
    const char* extension = nullptr;
    for (const char* p = m_modulePath; *p; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            baseName = p + 1;
            extension = nullptr;
        } else if (*p == '.') {
            extension = p;
        }
    }
    if (!extension) extension = m_modulePath + length;

    if (!m_pszAppName) {
        std::memcpy(m_appNameBuffer, baseName, extension - baseName);
        m_pszAppName = m_appNameBuffer;
    }
    const char kHelpExtension[] = ".HLP";
    std::size_t stem = extension - m_modulePath;
    if (stem + sizeof kHelpExtension <= MAX_PATH) {
        std::memcpy(m_helpPathBuffer, m_modulePath, stem);
        std::memcpy(m_helpPathBuffer + stem, kHelpExtension, sizeof kHelpExtension);
        m_pszHelpFilePath = m_helpPathBuffer;
    }
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
