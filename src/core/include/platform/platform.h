// What the program asks of the machine it runs on. The search core uses only this header, so it
// runs the same inside the window and in headless tests.
#pragma once

#include <cstdint>
#include <string>

namespace Platform {

// Milliseconds since an arbitrary fixed moment; wraps around like any 32-bit counter.
std::uint32_t GetTickCount();

// Pauses the calling thread; 0 only gives up the rest of its time slice.
void Sleep(int milliseconds);

// Lets the window handle every event waiting right now, once, and returns.
void processEvents();

// Lets the window handle events, sleeping until at least one arrives: a paused animation waits
// here for the user without spending the processor.
void waitForEvents();

// A modal box with an OK button and the application's title; returns when it is closed.
void showMessage(const std::string& text);

// The title that boxes without a caption of their own carry.
inline constexpr const char* ApplicationTitle = "Pathfinding Algorithm";

} // namespace Platform
