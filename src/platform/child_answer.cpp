#include "platform/child_answer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {

double MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return;
        done += static_cast<size_t>(wrote);
    }
}

}  // namespace

ChildAnswer::~ChildAnswer() { Finish(true); }

bool ChildAnswer::Ask(Question question) {
    if (Asking()) return false;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        WriteAll(ends[1], question());
        // Nothing of the parent's (buffers, exit handlers) runs twice.
        _exit(0);
    }
    close(ends[1]);
    if (child < 0) {
        close(ends[0]);
        return false;
    }
    child_ = child;
    from_ = ends[0];
    return true;
}

ChildAnswer::Reply ChildAnswer::Collect(int timeoutMs) {
    Reply reply;
    if (!Asking()) return reply;
    const double deadline = MonotonicMs() + timeoutMs;
    char buffer[512];
    for (;;) {
        int wait = -1;
        if (timeoutMs >= 0) {
            const double left = deadline - MonotonicMs();
            if (left <= 0) {
                reply.timedOut = true;
                break;
            }
            wait = static_cast<int>(left) + 1;
        }
        pollfd ready{from_, POLLIN, 0};
        const int polled = poll(&ready, 1, wait);
        if (polled < 0 && errno == EINTR) continue;
        if (polled < 0) break;
        if (polled == 0) continue;
        const ssize_t got = read(from_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        reply.text.append(buffer, static_cast<size_t>(got));
    }
    const bool endedWell = Finish(reply.timedOut);
    reply.complete = !reply.timedOut && endedWell;
    return reply;
}

bool ChildAnswer::Finish(bool kill) {
    if (from_ >= 0) close(from_);
    from_ = -1;
    if (!Asking()) return false;
    if (kill) ::kill(child_, SIGKILL);
    int status = 0;
    pid_t reaped = -1;
    do {
        reaped = waitpid(child_, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    child_ = -1;
    return reaped > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
