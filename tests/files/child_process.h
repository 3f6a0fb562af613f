// Runs a piece of a test in a forked child process: for limits that would otherwise stay with the
// test process (file size limit) and for file permissions, which root (as the tests run here)
// would pass by.
#pragma once

#include <functional>
#include <string>

namespace trazor::test {

struct ChildResult {
    enum Status { Done, Skipped, Crashed };
    Status status = Crashed;
    std::string output; // what `work` returned
};

// Runs `work` in a child process and hands back what it returned. With `unprivileged`, a child
// running as root first becomes user and group 65534 ('nobody'); when it may not, the result is
// Skipped. A child of an ordinary user stays that user, to whom permissions apply anyway.
ChildResult RunInChild(bool unprivileged, const std::function<std::string()>& work);

} // namespace trazor::test
