#include <gtest/gtest.h>

#include <cstring>

#include "platform/CString.h"

namespace {

TEST(CString, MidAndRightClampToTheString) {
    const CString text("abcdef");
    const struct {
        CString got;
        const char* expected;
    } cases[] = {
        {text.Mid(1, 2), "bc"}, {text.Mid(5, 2), "f"},   {text.Mid(6, 2), ""},  {text.Mid(9, 2), ""},
        {CString().Mid(1, 2), ""}, {text.Right(4), "cdef"}, {text.Right(9), "abcdef"}, {CString("ab").Right(4), "ab"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(c.got), c.expected);
}

TEST(CString, SpanExcludingStopsAtTheFirstStopByte) {
    EXPECT_EQ(std::string(CString("a,b,c").SpanExcluding(",")), "a");
    EXPECT_EQ(std::string(CString("abc").SpanExcluding(",")), "abc");
    EXPECT_EQ(std::string(CString(",0").SpanExcluding(",")), "");
}

TEST(CString, CopiesAreIndependent) {
    CString original("C:\\a.ico");
    CString copy = original;
    copy += ",0";
    EXPECT_EQ(std::string(original), "C:\\a.ico");
    EXPECT_EQ(std::string(copy), "C:\\a.ico,0");
    copy = copy;  // self-assignment keeps the text
    copy = static_cast<const char*>(copy) + 3;  // assignment from its own buffer
    EXPECT_EQ(std::string(copy), "a.ico,0");
}

TEST(CString, GrowsToAnyLength) {
    CString text;
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        text += "0123456789";
        expected += "0123456789";
    }
    EXPECT_EQ(text.GetLength(), 10000);
    EXPECT_EQ(std::string(text), expected);
}

TEST(CString, BufferTakesItsLengthFromTheFirstNul) {
    CString text;
    char* buffer = text.GetBuffer(8);
    std::memcpy(buffer, "abc\0def", 8);
    text.ReleaseBuffer();
    EXPECT_EQ(text.GetLength(), 3);
    text.GetBuffer(0);
    text.ReleaseBuffer(2);
    EXPECT_EQ(std::string(text), "ab");
}

}  // namespace
