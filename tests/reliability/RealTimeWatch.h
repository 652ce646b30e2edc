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

class Scope
{
public:
    Scope();
    ~Scope();

    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    // What the thread did since the scope opened.
    Counts counts() const;
};
} // namespace RealTimeWatch
