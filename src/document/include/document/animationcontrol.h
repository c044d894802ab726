// Pausing, stepping and finishing the search's result animation from the keyboard. Animations
// nest: a search started between two steps runs its whole animation inside the one that was
// running, which goes on afterwards as it was, paused or not.
#pragma once

#include <QObject>
#include <cstdint>
#include <vector>

class AnimationControl : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // One running animation, for as long as it lives. The innermost one is the one that pauses and
    // steps; finishing takes every one running at the time.
    class Run {
      public:
        explicit Run(AnimationControl& control);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        // After every step: the event pass, then the pause of `delayms` (read after the pass, so
        // a mode chosen in it applies at once); while paused, waiting for the user instead, until
        // a step is asked for (no pause then) or the animation resumes; once finishing, nothing at
        // all, so what is left is painted at once. A step asked for goes on over the steps that
        // paint nothing until one paints a square, so each one shows.
        void afterStep(const std::int16_t& delayms, bool painted);

      private:
        friend class AnimationControl;
        bool finishing() const;
        void waitWhilePaused();

        AnimationControl& control;
        int serial;
        bool paused = false;
        int stepsAsked = 0;
        bool stepping = false; // a step asked for has not painted yet
    };

    // Whether an animation is running, and whether the innermost one is paused.
    bool running() const { return !runs.empty(); }
    bool paused() const;

    // Space: pauses or resumes the innermost animation.
    void togglePause();
    // Right: one more step of the innermost animation, if it is paused.
    void step();
    // Esc: every animation running now paints the rest of its steps without a pause.
    void finishAll();

  signals:
    // An animation started or ended, or was paused, resumed or finished.
    void changed();

  private:
    std::vector<Run*> runs; // outermost first
    int lastSerial = 0;
    int finishThrough = 0; // runs up to this serial are finishing
};
