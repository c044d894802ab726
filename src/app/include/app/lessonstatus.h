// One line for a class that says what the result animation is doing now: the rings with how many
// of the reached squares are painted, the walk over the queue entries the search did not fill with
// the time it still takes, the route with its steps, paused, or done.
#pragma once

#include <QString>
#include <optional>

#include "picture/resultpainter.h"

struct AnimationMoment {
    bool running = false;
    bool paused = false;
    bool shownOne = false; // an animation has run since the view opened
    ResultPainter::Part part = ResultPainter::Part::Rings;
    int index = 0;          // of the last step painted or passed
    int queueTail = 0;      // the last queue entry the search filled
    int squaresReached = 0; // the start counted once
    int routeLength = 0;    // in steps
    bool routeFound = false;
    std::optional<int> delayms; // the pause after each step, while running
};

QString lessonStatus(const AnimationMoment& moment);
