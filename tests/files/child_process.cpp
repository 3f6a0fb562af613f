#include "child_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trazor::test {

namespace {

    constexpr int skipExitCode = 77;
    constexpr uid_t nobody = 65534;

    bool BecomeNobody()
    {
        if (geteuid() != 0)
            return true;
        return setgroups(0, nullptr) == 0 && setresgid(nobody, nobody, nobody) == 0
            && setresuid(nobody, nobody, nobody) == 0 && geteuid() == nobody;
    }

    void WriteAll(int descriptor, const std::string& text)
    {
        for (std::size_t done = 0; done < text.size();) {
            ssize_t count = write(descriptor, text.data() + done, text.size() - done);
            if (count <= 0)
                return;
            done += static_cast<std::size_t>(count);
        }
    }

} // namespace

ChildResult RunInChild(bool unprivileged, const std::function<std::string()>& work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child < 0)
        return {};
    if (child == 0) {
        close(channel[0]);
        if (unprivileged && !BecomeNobody())
            _exit(skipExitCode);
        WriteAll(channel[1], work());
        _exit(0);
    }
    close(channel[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t count; (count = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.output.append(buffer, static_cast<std::size_t>(count));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        result.status = ChildResult::Done;
    else if (WIFEXITED(status) && WEXITSTATUS(status) == skipExitCode)
        result.status = ChildResult::Skipped;
    return result;
}

} // namespace trazor::test
