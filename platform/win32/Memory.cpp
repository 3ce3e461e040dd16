// The allocation functions GLYPHER.EXE uses instead of libstdc++'s, which
// would bring exception and unwinding support with them. A failed
// allocation ends the program: nothing it does can go on without memory.
#include "platform/win32/WinApi.h"

#include <cstddef>
#include <cstdlib>

namespace {
void* Allocate(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) ExitProcess(3);
    return block;
}
}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

// Called if a pure virtual function is ever reached through a half-built object.
extern "C" void __cxa_pure_virtual() { ExitProcess(3); }
