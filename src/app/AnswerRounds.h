// Answers of windows to messages sent without waiting for them (SendMessageCallbackW), gathered in
// rounds. A round asks each of its windows once and then waits a bounded time for all of them;
// every answer comes back with the id of the round that asked, and an answer to a round that has
// ended (or never was) is dropped. Rounds may nest: a window procedure that runs while a round
// waits can start another one. GUI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace zorbel {

class AnswerRounds {
public:
    using Window = std::uintptr_t;
    using RoundId = std::uintptr_t;
    using Answer = std::intptr_t;

    // lastId: the id that the first round's id follows (tests start near the wrap).
    explicit AnswerRounds(RoundId lastId = 0) : last_(lastId) {}

    // Opens a round. Its id is never 0 and never that of another open round.
    RoundId begin();
    // Records that window is being asked in round. Called before the message goes out: a window of
    // the calling thread answers within the send. False when the round is not open or already
    // asked that window (send nothing then).
    bool asking(RoundId round, Window window);
    // The message could not be sent: the round no longer waits for the window.
    void notAsked(RoundId round, Window window);
    // Hands in an answer. False when it is dropped: the round is not open, did not ask the
    // window, or already has its answer.
    bool deliver(RoundId round, Window window, Answer answer);
    // True when every window the round asked has answered (or the round is not open).
    bool complete(RoundId round) const;
    // The window's answer in an open round, or nothing.
    std::optional<Answer> answer(RoundId round, Window window) const;
    // Closes the round; answers still to come are dropped.
    void end(RoundId round);

    std::size_t openCount() const { return open_.size(); }

private:
    struct Round {
        RoundId id = 0;
        std::unordered_map<Window, std::optional<Answer>> asked;
        std::size_t waiting = 0; // asked windows without an answer
    };

    Round* find(RoundId round);
    const Round* find(RoundId round) const;

    std::vector<Round> open_;
    RoundId last_;
};

} // namespace zorbel
