#pragma once

// Sends whatever is written to stdout while it lives to /dev/null. The plug-in announces itself on
// stdout when constructed, which would otherwise run into the first line of a listing meant for scripts.
class QuietStdout
{
public:
    QuietStdout();
    ~QuietStdout();

    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

private:
    int savedStdout = -1;
};
