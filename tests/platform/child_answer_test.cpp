#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/child_answer.h"

namespace {

// True once the child is gone for good: reaped, not a zombie.
bool Reaped(pid_t child) {
    errno = 0;
    return waitpid(child, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

std::string LongAnswer() { return std::string(100000, 'x') + "end"; }
std::string NeverAnswers() {
    for (;;) pause();
}
std::string IsKilled() {
    kill(getpid(), SIGKILL);
    return "never sent";
}
std::string EndsBadly() {
    _exit(3);
}

}  // namespace

TEST(ChildAnswer, ReplyIsWhatTheChildWroteAndTheChildIsReaped) {
    ChildAnswer asker;
    ASSERT_TRUE(asker.Ask(LongAnswer));
    const pid_t child = asker.Child();
    ASSERT_GT(child, 0);
    EXPECT_NE(child, getpid());
    EXPECT_FALSE(asker.Ask(LongAnswer)) << "one question at a time";
    const ChildAnswer::Reply reply = asker.Collect(-1);
    EXPECT_TRUE(reply.complete);
    EXPECT_FALSE(reply.timedOut);
    EXPECT_EQ(reply.text, LongAnswer()) << "read past the pipe's buffer to the end";
    EXPECT_TRUE(Reaped(child));
    EXPECT_FALSE(asker.Asking());
    EXPECT_EQ(asker.Collect(-1).text, "") << "nothing more to collect";
}

TEST(ChildAnswer, ChildThatNeverAnswersIsKilledAndReaped) {
    ChildAnswer asker;
    ASSERT_TRUE(asker.Ask(NeverAnswers));
    const pid_t child = asker.Child();
    const ChildAnswer::Reply reply = asker.Collect(20);
    EXPECT_TRUE(reply.timedOut);
    EXPECT_FALSE(reply.complete);
    EXPECT_TRUE(Reaped(child));
    EXPECT_TRUE(asker.Ask(LongAnswer)) << "a new question once the old child is gone";
    EXPECT_TRUE(asker.Collect(-1).complete);
}

TEST(ChildAnswer, ChildThatEndsBadlyGivesNoCompleteReply) {
    for (ChildAnswer::Question question : {IsKilled, EndsBadly}) {
        ChildAnswer asker;
        ASSERT_TRUE(asker.Ask(question));
        const pid_t child = asker.Child();
        const ChildAnswer::Reply reply = asker.Collect(-1);
        EXPECT_FALSE(reply.complete);
        EXPECT_FALSE(reply.timedOut);
        EXPECT_TRUE(Reaped(child));
    }
}

TEST(ChildAnswer, ChildStillAskedWhenTheAskerGoesIsKilledAndReaped) {
    pid_t child = -1;
    {
        ChildAnswer asker;
        ASSERT_TRUE(asker.Ask(NeverAnswers));
        child = asker.Child();
    }
    EXPECT_TRUE(Reaped(child));
}
