// A top-level window whose thread stops answering messages while it lives:
// the window a broadcast to every window must not wait on forever.
#pragma once

#include "platform/win32/WinApi.h"

#include <atomic>
#include <chrono>
#include <thread>

class HungWindow {
public:
    HungWindow() : m_thread([this] { Run(); }) {
        while (!m_created) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~HungWindow() {
        SetEvent(m_release);
        m_thread.join();
        CloseHandle(m_release);
    }
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;

private:
    void Run() {
        HWND window = CreateWindowExA(0, "STATIC", "hung", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        m_created = true;
        WaitForSingleObject(m_release, INFINITE);  // no message loop while it lives
        DestroyWindow(window);
    }

    HANDLE m_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> m_created{false};
    std::thread m_thread;
};
