// What the program asks of the machine it runs on. The search core uses only this header, so it
// runs the same inside the window and in headless tests.
#pragma once

#include <cstdint>
#include <string>

namespace Platform {

// Milliseconds since an arbitrary fixed moment; wraps around like any 32-bit counter.
std::uint32_t GetTickCount();

// Lets the window handle every event waiting right now, once, and returns.
void processEvents();

// The pause the result animation makes before its next step, in milliseconds: the one asked for,
// unless whoever watches the program's pacing takes the pause for itself, and then 0.
int pauseBeforeStep(int milliseconds);
// A paused animation has stopped to wait for the user.
void animationWaits();

// A modal box with an OK button and the application's title; returns when it is closed.
void showMessage(const std::string& text);

// The title that boxes without a caption of their own carry.
inline constexpr const char* ApplicationTitle = "Pathfinding Algorithm";

} // namespace Platform
