// Records how the program paces itself while it lives: every event pass and every pause, counted
// instead of timed (pauses are not slept meanwhile), with a way to act at a chosen pause as a user
// would, by posting an event that the next event pass runs, and while a paused animation waits.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/pacing.h"

namespace GuiTest {

class PacingLog {
  public:
    PacingLog();
    ~PacingLog();
    PacingLog(const PacingLog&) = delete;
    PacingLog& operator=(const PacingLog&) = delete;

    // Every pause so far, in milliseconds, in order.
    const std::vector<int>& pauses() const { return pauseLengths; }
    // True while every pause came right after an event pass of its own.
    bool passBeforeEveryPause() const { return inStep; }

    // When pause number `pause` (counting from 0) is made, posts `action`; it runs inside whatever
    // handler is pausing, in the event pass of its next step, before pause number `pause` + 1.
    void atPause(std::size_t pause, std::function<void()> action);
    // Queues `action` for a wait of a paused animation: each wait runs the next queued action,
    // once the one before it has run. A wait with nothing queued fails the test and finishes the
    // animations, so a test that forgot to let one go does not hang.
    void whileWaiting(std::function<void()> action);
    int waits() const { return waitCount; }

    void clear();

  private:
    void heard(Platform::Pacing step, int milliseconds);
    void waiting();

    std::vector<int> pauseLengths;
    bool passPending = false;
    bool inStep = true;
    std::map<std::size_t, std::function<void()>> actions;
    std::deque<std::function<void()>> waitActions;
    bool waitActionPosted = false;
    int waitCount = 0;
};

} // namespace GuiTest
