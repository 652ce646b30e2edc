#include "ToolProcess.h"

#include <juce_core/juce_core.h>

#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// An unnamed file for one of the child's output streams: files rather than pipes, so that a chatty
// stream can never block the tool, and unlinked at once, so that nothing is left behind.
int openCaptureFile()
{
    const auto base = juce::File::getSpecialLocation(juce::File::tempDirectory).getChildFile("vela-tool-capture-XXXXXX");
    std::string path = base.getFullPathName().toStdString();
    const int fd = mkostemp(path.data(), O_CLOEXEC);

    if (fd < 0)
        throw std::runtime_error("cannot create a file like " + path);

    unlink(path.c_str());
    return fd;
}

std::string readFromStart(int fd)
{
    std::string text;
    char chunk[4096];
    lseek(fd, 0, SEEK_SET);

    for (ssize_t count; (count = read(fd, chunk, sizeof(chunk))) > 0;)
        text.append(chunk, static_cast<size_t>(count));

    close(fd);
    return text;
}
} // namespace

ToolRun runTool(const std::string& program, const std::vector<std::string>& args)
{
    // A tool built for another processor runs under the emulator its tests run under.
    std::vector<std::string> words;
    if (const std::string emulator = VELA_TOOL_EMULATOR; ! emulator.empty())
        words.push_back(emulator);
    words.push_back(program);
    words.insert(words.end(), args.begin(), args.end());

    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int out = openCaptureFile();
    const int err = openCaptureFile();

    const pid_t child = fork();

    if (child == 0)
    {
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }

    close(in);

    ToolRun run;
    int status = 0;

    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);

    run.out = readFromStart(out);
    run.err = readFromStart(err);
    return run;
}

ToolRun runRenderTool(const std::vector<std::string>& args)
{
    return runTool(VELA_RENDER_PATH, args);
}
