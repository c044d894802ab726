#include "pacinglog.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/form1.h"
#include "document/mapdocument.h"

namespace GuiTest {

PacingLog::PacingLog()
{
    Platform::setPacingWatcher(
        [this](Platform::Pacing step, int milliseconds) { heard(step, milliseconds); });
}

PacingLog::~PacingLog()
{
    Platform::setPacingWatcher({});
    if (!waitActions.empty() && !QTest::currentTestFailed())
        QTest::qFail(
            qPrintable(QStringLiteral("%1 action(s) left for waits that never came").arg(waitActions.size())),
            __FILE__, __LINE__);
}

void PacingLog::atPause(std::size_t pause, std::function<void()> action)
{
    actions[pause] = std::move(action);
}

void PacingLog::whileWaiting(std::function<void()> action) { waitActions.push_back(std::move(action)); }

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
    if (step == Platform::Pacing::Wait) {
        waiting();
        return;
    }
    // Every step but the first is taken from the event loop after the pause before it: the event
    // posted now runs before it.
    inStep = inStep && (passPending || pauseLengths.empty());
    passPending = false;
    QTimer::singleShot(0, &alive, [this] { passPending = true; });
    const std::size_t number = pauseLengths.size();
    pauseLengths.push_back(milliseconds);
    if (const auto found = actions.find(number); found != actions.end()) {
        QTimer::singleShot(0, &alive, std::move(found->second));
        actions.erase(found);
    }
}

void PacingLog::waiting()
{
    ++waitCount;
    if (waitActionPosted)
        return;
    std::function<void()> next;
    if (waitActions.empty()) {
        QTest::qFail("a paused animation waits with nothing left to do", __FILE__, __LINE__);
        // Let every animation go, so the test ends instead of waiting for a key nobody presses.
        next = [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<Form1*>(window))
                    form->document().animations().finishAll();
        };
    } else {
        next = std::move(waitActions.front());
        waitActions.pop_front();
    }
    waitActionPosted = true;
    QTimer::singleShot(0, &alive, [this, next = std::move(next)] {
        waitActionPosted = false;
        next();
    });
}

} // namespace GuiTest
