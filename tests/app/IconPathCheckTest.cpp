#include <gtest/gtest.h>

#include "app/IconPathCheck.h"

namespace {

struct PathCase {
    std::string path;
    int expected;
    const char* why;
};

const PathCase kCases[] = {
    {"C:\\icons\\a.ico", 0, "a full drive path to an .ico file"},
    {"Z:\\never\\there.ico", 0, "the file is never opened"},
    {"C:\\.ico", 0, "seven bytes: the shortest acceptable path"},
    {"c:\\icons\\a.ico", 0, "the drive letter is not looked at"},
    {"1:\\icons\\a.ico", 0, "nor is any other first byte"},
    {"C:\\漢字\\a.ico", 0, "double-byte characters between prefix and extension"},
    {"C:\\表\\a.ico", 0, "a trail byte 0x5C (backslash) inside a character"},
    {"", 1, "empty"},
    {"C", 1, "one byte"},
    {"C:", 1, "two bytes"},
    {"C:\\", 1, "the drive alone"},
    {"C:\\.ic", 1, "six bytes"},
    {"C:\\icons\\a.ICO", 1, "upper-case extension"},
    {"C:\\icons\\a.Ico", 1, "mixed-case extension"},
    {"C:/icons/a.ico", 1, "slash instead of backslash"},
    {"C:a.ico", 1, "no backslash after the colon"},
    {"\\\\server\\share\\a.ico", 1, "UNC path"},
    {"C:\\icons\\a.ico ", 1, "trailing blank"},
    {" C:\\icons\\a.ico", 1, "leading blank moves the colon"},
    {"C:\\icons\\a.ico,0", 1, "an icon index typed by the user"},
    {"C:\\icons\\a.icon", 1, "longer extension"},
    {"C:\\icons\\a.dll", 1, "icon library"},
    {"C:\\icons\\a.exe", 1, "program"},
    {"C:\\icons\\漢", 1, "ends in a double-byte character"},
    {"\x82:\\a.ico", 0, "a lead byte first is still just a byte"},
};

TEST(IconPathCheck, AcceptsOnlyFullDrivePathsToIcoFiles) {
    for (const PathCase& c : kCases) {
        EXPECT_EQ(CheckIconFilePath(c.path.c_str()), c.expected) << c.why << ": " << c.path;
    }
}

}  // namespace
