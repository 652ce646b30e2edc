#include "QuietStdout.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

QuietStdout::QuietStdout()
{
    std::fflush(stdout);
    savedStdout = dup(STDOUT_FILENO);

    const int nowhere = open("/dev/null", O_WRONLY);

    if (savedStdout < 0 || nowhere < 0)
    {
        if (nowhere >= 0)
            close(nowhere);
        return;
    }

    dup2(nowhere, STDOUT_FILENO);
    close(nowhere);
}

QuietStdout::~QuietStdout()
{
    std::fflush(stdout);

    if (savedStdout < 0)
        return;

    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
}
