#include "RealTimeWatch.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <dlfcn.h>
#include <link.h>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

// glibc's own allocator, which replacing malloc and friends leaves reachable under these names.
extern "C"
{
void* __libc_malloc(size_t size);
void __libc_free(void* pointer);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace
{
// Plain thread-locals of the executable live in static TLS, so touching them never allocates.
thread_local bool watching = false;
thread_local RealTimeWatch::Counts seen;
// Where counted lock and file calls come from; everywhere when it is empty.
thread_local RealTimeWatch::Module callers;

void noteHeap()
{
    if (watching)
        ++seen.heapCalls;
}

bool counted(const void* caller)
{
    return watching && (callers.begin == nullptr || callers.contains(caller));
}

void noteLock(const void* caller)
{
    if (counted(caller))
        ++seen.lockCalls;
}

void noteFile(const void* caller)
{
    if (counted(caller))
        ++seen.fileCalls;
}

// The next definition of a wrapped C library function, found once.
template <typename Function>
Function next(Function& cache, const char* name)
{
    if (cache == nullptr)
        cache = reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));

    return cache;
}
} // namespace

namespace RealTimeWatch
{
Module moduleContaining(const void* address)
{
    Dl_info info {};
    if (dladdr(address, &info) == 0)
        return {};

    struct Search
    {
        const void* base;
        Module found;
    } search { info.dli_fbase, {} };

    dl_iterate_phdr(
        [](dl_phdr_info* object, size_t, void* data) {
            auto& s = *static_cast<Search*>(data);
            const auto* base = reinterpret_cast<const char*>(object->dlpi_addr);
            uintptr_t first = UINTPTR_MAX, last = 0;
            for (int i = 0; i < object->dlpi_phnum; ++i)
            {
                const auto& segment = object->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD)
                    continue;
                first = std::min<uintptr_t>(first, segment.p_vaddr);
                last = std::max<uintptr_t>(last, segment.p_vaddr + segment.p_memsz);
            }
            if (first == UINTPTR_MAX || base + first != s.base)
                return 0;

            s.found = { base + first, base + last };
            return 1;
        },
        &search);

    return search.found;
}

Scope::Scope()
{
    seen = {};
    callers = {};
    watching = true;
}

Scope::Scope(const Module& onlyLocksAndFilesOf) : Scope()
{
    callers = onlyLocksAndFilesOf;
}

Scope::~Scope()
{
    watching = false;
    callers = {};
}

Counts Scope::counts() const
{
    return seen;
}
} // namespace RealTimeWatch

// operator new and delete in libstdc++ come through these too.
extern "C"
{
void* malloc(size_t size)
{
    noteHeap();
    return __libc_malloc(size);
}

void free(void* pointer)
{
    if (pointer != nullptr)
        noteHeap();

    __libc_free(pointer);
}

void* calloc(size_t count, size_t size)
{
    noteHeap();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size)
{
    noteHeap();
    return __libc_realloc(pointer, size);
}

void* memalign(size_t alignment, size_t size)
{
    noteHeap();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size)
{
    noteHeap();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, size_t alignment, size_t size)
{
    noteHeap();
    void* pointer = __libc_memalign(alignment, size);

    if (pointer == nullptr)
        return ENOMEM;

    *result = pointer;
    return 0;
}

int pthread_mutex_lock(pthread_mutex_t* mutex)
{
    static int (*real)(pthread_mutex_t*) = nullptr;
    noteLock(__builtin_return_address(0));
    return next(real, "pthread_mutex_lock")(mutex);
}

int pthread_mutex_trylock(pthread_mutex_t* mutex)
{
    static int (*real)(pthread_mutex_t*) = nullptr;
    noteLock(__builtin_return_address(0));
    return next(real, "pthread_mutex_trylock")(mutex);
}

int pthread_rwlock_rdlock(pthread_rwlock_t* lock)
{
    static int (*real)(pthread_rwlock_t*) = nullptr;
    noteLock(__builtin_return_address(0));
    return next(real, "pthread_rwlock_rdlock")(lock);
}

int pthread_rwlock_wrlock(pthread_rwlock_t* lock)
{
    static int (*real)(pthread_rwlock_t*) = nullptr;
    noteLock(__builtin_return_address(0));
    return next(real, "pthread_rwlock_wrlock")(lock);
}

int open(const char* path, int flags, ...)
{
    static int (*real)(const char*, int, ...) = nullptr;
    va_list arguments;
    va_start(arguments, flags);
    const auto mode = va_arg(arguments, int);
    va_end(arguments);
    noteFile(__builtin_return_address(0));
    return next(real, "open")(path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...)
{
    static int (*real)(int, const char*, int, ...) = nullptr;
    va_list arguments;
    va_start(arguments, flags);
    const auto mode = va_arg(arguments, int);
    va_end(arguments);
    noteFile(__builtin_return_address(0));
    return next(real, "openat")(folder, path, flags, mode);
}

FILE* fopen(const char* path, const char* mode)
{
    static FILE* (*real)(const char*, const char*) = nullptr;
    noteFile(__builtin_return_address(0));
    return next(real, "fopen")(path, mode);
}

ssize_t read(int descriptor, void* data, size_t size)
{
    static ssize_t (*real)(int, void*, size_t) = nullptr;
    noteFile(__builtin_return_address(0));
    return next(real, "read")(descriptor, data, size);
}

ssize_t write(int descriptor, const void* data, size_t size)
{
    static ssize_t (*real)(int, const void*, size_t) = nullptr;
    noteFile(__builtin_return_address(0));
    return next(real, "write")(descriptor, data, size);
}

size_t fwrite(const void* data, size_t size, size_t count, FILE* stream)
{
    static size_t (*real)(const void*, size_t, size_t, FILE*) = nullptr;
    noteFile(__builtin_return_address(0));
    return next(real, "fwrite")(data, size, count, stream);
}

int fputs(const char* text, FILE* stream)
{
    static int (*real)(const char*, FILE*) = nullptr;
    noteFile(__builtin_return_address(0));
    return next(real, "fputs")(text, stream);
}

int puts(const char* text)
{
    static int (*real)(const char*) = nullptr;
    noteFile(__builtin_return_address(0));
    return next(real, "puts")(text);
}

int printf(const char* format, ...)
{
    noteFile(__builtin_return_address(0));
    va_list arguments;
    va_start(arguments, format);
    const int written = vprintf(format, arguments);
    va_end(arguments);
    return written;
}
}
