// A paint context for WM_PAINT: BeginPaint now, EndPaint when it goes out of scope.
#pragma once

#include "platform/win32/WinApi.h"

class CPaintDC {
public:
    explicit CPaintDC(HWND window) : m_window(window) { m_hDC = BeginPaint(window, &m_ps); }
    ~CPaintDC() { EndPaint(m_window, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC;

private:
    HWND m_window;
    PAINTSTRUCT m_ps;
};
