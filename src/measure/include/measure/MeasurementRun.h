#pragma once

#include "core/SettingsRecord.h"

#include <QString>
#include <cstdint>
#include <optional>

// The decisions of a measurement run, apart from any window.

// States of the measurement screen.
enum ScreenState : int16_t { Waiting = 0, Ready = 1, Measuring = 2, Stopped = 3 };

enum class BandPointer { Go, NoDrop, Next };

// How the screen looks in a state.
struct StateLook {
    QString BandText;
    int32_t BandForeColor;
    int32_t BandBackColor;
    int32_t ScreenBackColor;
    BandPointer Pointer;
    bool NextEntryVisible;
    bool ClearScreen;
    // The bar gauge box is shown while measuring with the bar style.
    bool BarBoxVisible;
};
StateLook LookOf(ScreenState state, const ScreenSettings& screen);

// "次は 1番": the entry number with one blank in place of its sign; with a
// name, "次は 12番　山田 太郎 さん".
QString NextEntryText(int entryNo, const QString& name = {});

// Index 1 to 4 of the longest state text, the first of equally long ones.
int LongestStateText(const ScreenSettings& screen);

// True when the next entrant has no record left in the log.
bool LogIsFull(int entryNo);

// The ready blink: odd ticks show the state's own colours, even ticks the
// blink colours (the first tick is 0).
struct BlinkColours {
    int32_t ScreenBackColor;
    int32_t BandBackColor;
};
BlinkColours ReadyBlinkColours(int tick, const ScreenSettings& screen);

// What the ready phase does with `remainingMs` of the start sound still to
// play and a start wait of `startWaitTenths` tenths of a second: a negative
// wait starts recording that long before the sound ends, a positive one that
// long after it.
enum class ReadyAction { KeepWaiting, StartRecording, StartAfterWait };
ReadyAction DecideReady(int startWaitTenths, int64_t remainingMs);

// The gauge percentage after `elapsedSeconds` of a `measureSeconds` recording
// (may pass 100 in the last pass).
int GaugePercent(double elapsedSeconds, int measureSeconds);

// The settings file holding a value its settings window does not allow (a
// measurement time of 0 written while the program runs, say), the first of
// the five in file order; nothing when all values are allowed.
std::optional<QString> SettingsFileOutsideLimits(const SettingsRecord& settings);
