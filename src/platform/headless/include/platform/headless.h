// The platform without a display, for tests and tools: the clock is a steady clock that a test
// can push forward, events are counted instead of run, message boxes are recorded and closed at
// once, and pauses are counted instead of slept.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Platform::Headless {

const std::vector<std::string>& shownMessages();
int eventPasses();
// Every pause asked for, in milliseconds, in order.
const std::vector<int>& pauses();
void resetRecords();

// Makes the clock read `milliseconds` later than it really is from now on.
void advanceClock(std::uint32_t milliseconds);

// Runs while a message box is "open", with its text; empty to run nothing.
void onMessage(std::function<void(const std::string&)> handler);

} // namespace Platform::Headless
