// The one crossing from UTF-16, which the registry and the controls hold, to
// the byte strings of the process code page, which the A calls use. Windows
// would hand a character the code page lacks over as a look-alike or a '?';
// this crossing refuses it instead, so no such substitute is ever stored.
#pragma once

#include "platform/win32/WinApi.h"

// Converts `units` UTF-16 code units into at most `capacity` bytes of `out`
// (`out` may be null with `capacity` 0 to measure) and sets `*bytes` to the
// byte count. ERROR_NO_UNICODE_TRANSLATION when the code page cannot hold the
// text exactly, ERROR_MORE_DATA when it does not fit; `*bytes` is then 0.
LONG ToCodePage(const WCHAR* text, int units, char* out, int capacity, int* bytes);
