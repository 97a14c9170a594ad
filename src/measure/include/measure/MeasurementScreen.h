#pragma once

#include "widgets/FullScreenWindow.h"
#include "measure/Gauge.h"
#include "measure/MeasurementRun.h"
#include "measure/MeasurementRunner.h"
#include "audio/AudioDevices.h"
#include "core/EntrantRoster.h"

#include <QImage>
#include <functional>
#include <memory>

class ContestSession;
class ClickLabel;
class GaugeBox;
struct OperatorMessage;
class QLabel;
class QTimer;
class SoundRecorder;

// The full-screen measurement screen in front of the audience: it names the
// next entrant, and a left click on the lower band runs one measurement,
// showing the ready blink, the gauge while recording, and then the result
// display. The run and its state are the MeasurementRunner's: a press starts
// it, and the screen follows its signals; the screen lays itself out, shows
// the look of each state, draws the gauge, takes the input and tells the
// run's failures.
//
// Controls by object name: "measureBand" (the lower band, the start
// control), "headingLabel", "nextEntryLabel", "barGauge", "blinkTimer".
class MeasurementScreen : public FullScreenWindow {
    Q_OBJECT
public:
    // Records from the microphone and checks the chosen input among the
    // server's inputs unless others are given.
    // The run's pauses are timed on `clock`.
    explicit MeasurementScreen(ContestSession& context, QWidget* parent = nullptr, std::unique_ptr<SoundRecorder> recorder = {},
                               std::function<AudioInputList()> listInputs = ListAudioInputs, WaitClock& clock = SystemClock());
    ~MeasurementScreen() override;

    void LoadOnOpen() override;

    ScreenState State() const { return Measurement.State(); }
    // Shows the look of a state without running anything.
    void ShowState(ScreenState state);
    // One tick of the ready blink.
    void Blink();
    // -1 resets the gauge; each value is drawn once.
    void DrawGauge(int value);

    // The picture drawn on the screen itself (the circle gauge).
    const QImage& ScreenDrawing() const { return Drawing; }
    QColor ScreenBackColor() const { return ScreenBack; }
    int BlinkCounter() const { return BlinkTicks; }

signals:
    // The operator asked for the ranking board while the screen waits.
    void rankingBoardRequested();
    // The entrant just measured is to be shown; whoever shows the result
    // display calls resultDisplayClosed once it has closed (closing it
    // stores the result), and the screen waits for the next entrant.
    void resultDisplayRequested(const MeasuredEntrant& entrant);

public slots:
    void resultDisplayClosed();

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void LayOutForScreen() override;

private:
    void BuildControls();
    void NewDrawing();
    bool MayMeasure();
    void Refuse(const OperatorMessage& message);
    void LayoutHeading();
    void LayoutFullGauge();
    void ApplyBandFont(QLabel* label, double points) const;
    void ApplyState();
    void ShowNextEntry();
    void EnterRunState(ScreenState state);
    void PressBand(Qt::MouseButton button);
    void PressScreen(Qt::MouseButton button);
    void StartMeasurement();
    void FinishMeasurement(const MeasurementOutcome& outcome);
    void SetScreenBack(int32_t colour);

    ContestSession& Context;
    std::function<AudioInputList()> ListInputs;
    MeasurementRunner Measurement;
    ClickLabel* headingLabel = nullptr;
    ClickLabel* measureBand = nullptr;
    ClickLabel* nextEntryLabel = nullptr;
    GaugeBox* barGauge = nullptr;
    QTimer* blinkTimer = nullptr;
    // The look shown, which follows the run's state.
    ScreenState DisplayState = Waiting;
    GaugeMemory Gauge;
    QImage Drawing;
    QColor ScreenBack;
    QPointF CircleCentre;
    double CircleRadius = 0;
    int BlinkTicks = 0;
    // The names read when the screen opened, and the label's font size
    // before a long name shrinks it.
    EntrantRoster HallNames;
    double NextEntryPoints = 0;
    // False when the log or the settings forbid measuring.
    bool Measurable = true;
    // The entrant measured last, held for the result display while the
    // screen pauses at the stop.
    std::optional<MeasuredEntrant> Measured;
};
