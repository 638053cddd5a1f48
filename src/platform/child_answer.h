#pragma once
#include <sys/types.h>

#include <string>

// Asks a question in a child process, so that whatever answering it loads
// (a GL driver, say) never lives in this one. The child is a fork: start it
// before this process opens anything the child must not share (the display).
class ChildAnswer {
public:
    using Question = std::string (*)();
    struct Reply {
        bool complete = false;  // the child ended normally after writing it
        bool timedOut = false;
        std::string text;
    };

    ChildAnswer() = default;
    ~ChildAnswer();
    ChildAnswer(const ChildAnswer&) = delete;
    ChildAnswer& operator=(const ChildAnswer&) = delete;

    // Starts the child; false when it cannot be started or one is running.
    bool Ask(Question question);
    // Waits up to timeoutMs (below 0: as long as it takes) for the child to
    // write its answer and end. A child still running then is killed; either
    // way it is reaped before this returns.
    Reply Collect(int timeoutMs);
    bool Asking() const { return child_ > 0; }
    pid_t Child() const { return child_; }

private:
    // Reaps the child (killed first when asked): true when it ended normally.
    bool Finish(bool kill);

    pid_t child_ = -1;
    int from_ = -1;
};
