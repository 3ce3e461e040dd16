// Text between code page 932, in which the program's texts and these tests'
// literals are written, and the UTF-16 that windows and the registry hold.
// Always 932, never this process's code page: the tests also run on systems
// whose code page is another.
#pragma once

#include <string>

std::wstring FromCp932(const std::string& text);
// A character that 932 lacks comes out as "?".
std::string ToCp932(const std::wstring& text);
