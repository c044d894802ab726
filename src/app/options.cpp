// The delay modes of the result animation, and quitting.
#include <QCloseEvent>
#include <cstdio>
#include <cstdlib>

#include "app/form1.h"

// Sanitizer builds check for leaks when the program ends; quick_exit skips the checker's own hook.
#if defined(__SANITIZE_ADDRESS__)
#define ROUTESEER_CHECK_LEAKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROUTESEER_CHECK_LEAKS 1
#endif
#endif
#ifdef ROUTESEER_CHECK_LEAKS
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The pause after each step of the result animation, in milliseconds.
constexpr std::int16_t NormalDelay = 0;
constexpr std::int16_t MediumDelay = 5;
constexpr std::int16_t VerySlowDelay = 10;

// Ends the program here and now, with status 0. Whatever is still on the call stack, such as an
// animation waiting in its pause, is abandoned without returning, so it can never touch the closed
// window; and no destructor runs, so nothing is torn down underneath it either.
[[noreturn]] void endProgram()
{
    std::fflush(nullptr);
#ifdef ROUTESEER_CHECK_LEAKS
    __lsan_do_leak_check();
#endif
    std::quick_exit(EXIT_SUCCESS);
}

} // namespace

void Form1::normal_Click() { delayms = NormalDelay; }

void Form1::Slow_Click() { delayms = MediumDelay; }

void Form1::tectonic_Click() { delayms = VerySlowDelay; }

void Form1::Quit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the window is quitting: nothing is saved and nothing is asked.
    event->accept();
    endProgram();
}
