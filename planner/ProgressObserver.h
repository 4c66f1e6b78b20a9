#pragma once
// How the search reports progress without knowing about windows: the program
// connects its progress window here; a silent run leaves it empty.

namespace mirvane {

class ProgressObserver {
public:
    virtual ~ProgressObserver() = default;
    // The search starts; the bar runs from minimum to maximum and shows minimum.
    // The observer may let the user interface process pending events here.
    virtual void started(int minimum, int maximum) = 0;
    // Every 50th point: the bar's value; again a chance to process events.
    virtual void advanced(int value) = 0;
    // The sweep ended normally (not called when an error ends it).
    virtual void finished() = 0;
};

}  // namespace mirvane
