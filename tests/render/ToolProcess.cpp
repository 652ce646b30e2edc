#include "ToolProcess.h"

#include <juce_core/juce_core.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
int openForChild(const juce::File& file, int flags)
{
    return open(file.getFullPathName().toRawUTF8(), flags | O_CLOEXEC, 0644);
}
} // namespace

ToolRun runRenderTool(const std::vector<std::string>& args)
{
    // Files rather than pipes, so that a chatty stream can never block the tool.
    const juce::TemporaryFile outFile(".out");
    const juce::TemporaryFile errFile(".err");

    std::vector<std::string> words { VELA_RENDER_PATH };
    words.insert(words.end(), args.begin(), args.end());

    std::vector<char*> argv;
    for (auto& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int out = openForChild(outFile.getFile(), O_WRONLY | O_CREAT | O_TRUNC);
    const int err = openForChild(errFile.getFile(), O_WRONLY | O_CREAT | O_TRUNC);

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
    close(out);
    close(err);

    ToolRun run;
    int status = 0;

    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);

    run.out = outFile.getFile().loadFileAsString().toStdString();
    run.err = errFile.getFile().loadFileAsString().toStdString();
    return run;
}
