// Records how the program paces itself while it lives: every event pass and every pause, counted
// instead of timed (pauses are not made meanwhile), with a way to act at a chosen pause as a user
// would, by posting an event that runs before the next step, and while a paused animation waits.
#pragma once

#include <QObject>
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
    // True while every step after the first was taken from the event loop: what was posted at a
    // pause ran before the next step.
    bool passBeforeEveryPause() const { return inStep; }

    // When pause number `pause` (counting from 0) is made, posts `action`; it runs from the event
    // loop before the step after that pause.
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
    QObject alive; // what it posts goes with it
};

} // namespace GuiTest
