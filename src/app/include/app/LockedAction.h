#pragma once

#include <QString>
#include <functional>

// A destructive action guarded by a "実行ロック" box: what its window says
// and what it does.
struct LockedAction {
    QString Title;
    QString Heading;
    QString Explanation;
    QString ButtonCaption;
    bool BoldHeading = false;
    // The explanation wraps at this width in pixels; 0 keeps it on one line.
    int ExplanationWidth = 0;
    // Runs each time the window opens.
    std::function<void()> Prepare;
    // Runs on the button; true when the window is done and closes.
    std::function<bool()> Run;
};
