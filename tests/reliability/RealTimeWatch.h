#pragma once

// Counts what the calling thread asks of the heap, of locks and of files while a watch is open on it.
// The counting comes from RealTimeWatch.cpp, which replaces the C library's allocator entry points and wraps
// its lock and file calls for the whole test binary; other threads are never counted.
namespace RealTimeWatch
{
struct Counts
{
    long heapCalls = 0;
    long lockCalls = 0;
    long fileCalls = 0;

    bool none() const { return heapCalls == 0 && lockCalls == 0 && fileCalls == 0; }
};

// The code of one loaded module, found from any address inside it (a function or an object's virtual table).
struct Module
{
    const void* begin = nullptr;
    const void* end = nullptr;

    bool contains(const void* address) const { return begin <= address && address < end; }
};

Module moduleContaining(const void* address);

class Scope
{
public:
    Scope();
    // Counts only the lock and file calls that code of this module makes itself, so that what a host does on
    // its side of a call is not the plug-in's. Heap calls are all counted: the plug-in's go through operator
    // new, whose code is the C++ library's.
    explicit Scope(const Module& onlyLocksAndFilesOf);
    ~Scope();

    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    // What the thread did since the scope opened.
    Counts counts() const;
};
} // namespace RealTimeWatch
