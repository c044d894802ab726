#include "pacinglog.h"

#include <QCoreApplication>
#include <QTimer>

namespace GuiTest {

PacingLog::PacingLog()
{
    Platform::setPacingWatcher(
        [this](Platform::Pacing step, int milliseconds) { heard(step, milliseconds); });
}

PacingLog::~PacingLog() { Platform::setPacingWatcher({}); }

void PacingLog::atPause(std::size_t pause, std::function<void()> action)
{
    actions[pause] = std::move(action);
}

void PacingLog::clear()
{
    pauseLengths.clear();
    passPending = false;
    inStep = true;
}

void PacingLog::heard(Platform::Pacing step, int milliseconds)
{
    if (step == Platform::Pacing::EventPass) {
        passPending = true;
        return;
    }
    inStep = inStep && passPending;
    passPending = false;
    const std::size_t number = pauseLengths.size();
    pauseLengths.push_back(milliseconds);
    if (const auto found = actions.find(number); found != actions.end()) {
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(found->second));
        actions.erase(found);
    }
}

} // namespace GuiTest
