// The delay modes of the result animation, and quitting.
#include <QCloseEvent>
#include <QCoreApplication>

#include "app/form1.h"

namespace {

// The pause after each step of the result animation, in milliseconds.
constexpr std::int16_t NormalDelay = 0;
constexpr std::int16_t MediumDelay = 5;
constexpr std::int16_t VerySlowDelay = 10;

} // namespace

void Form1::normal_Click() { delayms = NormalDelay; }

void Form1::Slow_Click() { delayms = MediumDelay; }

void Form1::tectonic_Click() { delayms = VerySlowDelay; }

void Form1::Quit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the window is quitting: nothing is saved and nothing is asked, and the windows it
    // opened go with it. No handler is ever left half done on the call stack, so the program ends
    // when the event loop next looks, with status 0, an animation abandoned where it stood.
    event->accept();
    QCoreApplication::quit();
}
