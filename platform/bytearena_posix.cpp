#include "platform/bytearena.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

} // namespace

// The chunk starts at a huge page's boundary, or none of it could be one.
std::shared_ptr<char[]> TByteArena::AllocateChunk(std::size_t size) {
    const std::size_t mapped = size + HugePage;
    void* memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
    const auto address = reinterpret_cast<std::uintptr_t>(memory);
    char* start = static_cast<char*>(memory) + ((HugePage - address % HugePage) % HugePage);
#ifdef MADV_HUGEPAGE
    madvise(start, size, MADV_HUGEPAGE); // a request only: without huge pages the chunk still works
#endif
    return std::shared_ptr<char[]>(start, [memory, mapped](char*) { munmap(memory, mapped); });
}
