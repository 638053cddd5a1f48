#include "support/allocation_counter.h"

#include <SDL.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> g_counting{false};
std::atomic<uint64_t> g_all{0}, g_new{0}, g_sdl{0};

inline void Note(std::atomic<uint64_t>& counter) {
    if (g_counting.load(std::memory_order_relaxed)) counter.fetch_add(1, std::memory_order_relaxed);
}

SDL_malloc_func g_sdlMalloc;
SDL_calloc_func g_sdlCalloc;
SDL_realloc_func g_sdlRealloc;
SDL_free_func g_sdlFree;

void* SDLCALL SdlMalloc(size_t size) {
    Note(g_sdl);
    return g_sdlMalloc(size);
}
void* SDLCALL SdlCalloc(size_t count, size_t size) {
    Note(g_sdl);
    return g_sdlCalloc(count, size);
}
void* SDLCALL SdlRealloc(void* block, size_t size) {
    Note(g_sdl);
    return g_sdlRealloc(block, size);
}
}  // namespace

namespace allocation_counter {
void Start() {
    // SDL's allocator is wrapped once; the wrappers hand on to the original,
    // so memory SDL allocated before is freed the same way.
    static const bool wrapped = [] {
        SDL_GetOriginalMemoryFunctions(&g_sdlMalloc, &g_sdlCalloc, &g_sdlRealloc, &g_sdlFree);
        return SDL_SetMemoryFunctions(SdlMalloc, SdlCalloc, SdlRealloc, g_sdlFree) == 0;
    }();
    (void)wrapped;
    g_all.store(0);
    g_new.store(0);
    g_sdl.store(0);
    g_counting.store(true);
}

Counts Stop() {
    g_counting.store(false);
    return Counts{g_all.load(), g_new.load(), g_sdl.load()};
}
}  // namespace allocation_counter

// Every form of new and delete is replaced, so that all of them pair up.
void* operator new(size_t size) {
    Note(g_new);
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    Note(g_new);
    return std::malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* operator new(size_t size, std::align_val_t alignment) {
    Note(g_new);
    const size_t align = static_cast<size_t>(alignment);
    if (void* block = std::aligned_alloc(align, (size + align - 1) / align * align)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t size, std::align_val_t alignment) { return operator new(size, alignment); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t, std::align_val_t) noexcept { std::free(block); }

// The C library's own entry points, which these hand on to.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);

void* malloc(size_t size) {
    Note(g_all);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    Note(g_all);
    return __libc_calloc(count, size);
}

void* realloc(void* block, size_t size) {
    Note(g_all);
    return __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size) {
    Note(g_all);
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    Note(g_all);
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** block, size_t alignment, size_t size) {
    Note(g_all);
    void* made = __libc_memalign(alignment, size);
    if (!made) return ENOMEM;
    *block = made;
    return 0;
}
}
