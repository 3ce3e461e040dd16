#include "platform/CString.h"

#include <cstring>

namespace {
char g_emptyText[1] = {'\0'};
}

CString::CString() : m_data(g_emptyText), m_length(0), m_capacity(0) {}

CString::CString(const char* text) : CString() {
    if (text) Assign(text, static_cast<int>(std::strlen(text)));
}

CString::CString(const char* bytes, int length) : CString() { Assign(bytes, length); }

CString::CString(const CString& other) : CString() { Assign(other.m_data, other.m_length); }

CString::~CString() {
    if (m_capacity) delete[] m_data;
}

CString& CString::operator=(const CString& other) {
    if (this != &other) Assign(other.m_data, other.m_length);
    return *this;
}

CString& CString::operator=(const char* text) {
    // `text` may point into this string's own buffer, so copy before releasing it.
    CString copy(text);
    return *this = copy;
}

CString& CString::operator+=(const char* text) {
    int added = static_cast<int>(std::strlen(text));
    CString keep(text, added);  // `text` may point into this string
    Reserve(m_length + added);
    std::memcpy(m_data + m_length, keep.m_data, added);
    m_length += added;
    m_data[m_length] = '\0';
    return *this;
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count < 0 || first >= m_length) return CString();
    if (count > m_length - first) count = m_length - first;
    return CString(m_data + first, count);
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    if (count >= m_length) return *this;
    return CString(m_data + m_length - count, count);
}

CString CString::SpanExcluding(const char* stopBytes) const {
    return CString(m_data, static_cast<int>(std::strcspn(m_data, stopBytes)));
}

char* CString::GetBuffer(int minLength) {
    Reserve(minLength < 1 ? 1 : minLength);  // never hand out the shared empty text
    return m_data;
}

void CString::ReleaseBuffer(int newLength) {
    if (!m_capacity) return;  // no buffer was handed out
    if (newLength < 0) newLength = static_cast<int>(std::strlen(m_data));
    if (newLength > m_capacity) newLength = m_capacity;
    m_length = newLength;
    m_data[m_length] = '\0';
}

bool CString::operator==(const char* text) const {
    std::size_t length = std::strlen(text);
    return length == static_cast<std::size_t>(m_length) && std::memcmp(m_data, text, length) == 0;
}

void CString::Assign(const char* bytes, int length) {
    if (length <= 0) {
        if (m_capacity) m_data[0] = '\0';
        m_length = 0;
        return;
    }
    Reserve(length);
    std::memmove(m_data, bytes, length);
    m_length = length;
    m_data[m_length] = '\0';
}

void CString::Reserve(int capacity) {
    if (capacity <= m_capacity) return;
    if (capacity < 15) capacity = 15;
    char* grown = new char[capacity + 1];
    std::memcpy(grown, m_data, m_length + 1);
    if (m_capacity) delete[] m_data;
    m_data = grown;
    m_capacity = capacity;
}
