#pragma once

// Sends whatever is written to stderr while it lives to /dev/null. The plug-in announces itself there when
// constructed; the tool's stderr carries only its own lines, one per error.
class QuietStderr
{
public:
    QuietStderr();
    ~QuietStderr();

    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int savedStderr = -1;
};
