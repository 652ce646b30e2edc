#include "QuietStderr.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

QuietStderr::QuietStderr()
{
    std::fflush(stderr);
    savedStderr = dup(STDERR_FILENO);

    const int nowhere = open("/dev/null", O_WRONLY);

    if (savedStderr < 0 || nowhere < 0)
    {
        if (nowhere >= 0)
            close(nowhere);
        return;
    }

    dup2(nowhere, STDERR_FILENO);
    close(nowhere);
}

QuietStderr::~QuietStderr()
{
    std::fflush(stderr);

    if (savedStderr < 0)
        return;

    dup2(savedStderr, STDERR_FILENO);
    close(savedStderr);
}
