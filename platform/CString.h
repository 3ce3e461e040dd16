// A byte string in the ANSI code page (932 for this program's users).
// Lengths and positions count bytes, never characters. Portable: no
// <windows.h>, so the store and the path check use it on any host.
#pragma once

class CString {
public:
    CString();
    CString(const char* text);  // null reads as ""
    CString(const char* bytes, int length);
    CString(const CString& other);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    CString& operator+=(const char* text);

    int GetLength() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }
    operator const char*() const { return m_data; }

    // At most `count` bytes from byte `first`; "" when `first` lies at or past the end.
    CString Mid(int first, int count) const;
    // The last `count` bytes, or the whole string when it is shorter.
    CString Right(int count) const;
    // The leading bytes up to the first byte that occurs in `stopBytes`.
    CString SpanExcluding(const char* stopBytes) const;

    // A writable buffer of at least `minLength` bytes plus a terminating NUL.
    // ReleaseBuffer(-1) takes the length up to the first NUL.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    // Loads a string resource of this executable; defined by the Win32 layer.
    bool LoadString(unsigned stringId);

    bool operator==(const char* text) const;
    bool operator!=(const char* text) const { return !(*this == text); }

private:
    // Declared, never defined: a char or an integer where a string was meant
    // fails to compile instead of becoming text.
    CString(char) = delete;
    CString(int) = delete;
    CString& operator=(char) = delete;
    CString& operator=(int) = delete;

    void Assign(const char* bytes, int length);
    void Reserve(int capacity);

    char* m_data;
    int m_length;
    int m_capacity;  // bytes usable before the NUL; 0 while m_data is the shared empty text
};
