#pragma once

#include "measure/FullScreenWindow.h"
#include "measure/Gauge.h"
#include "measure/MeasurementAudio.h"
#include "measure/MeasurementRun.h"

#include <QElapsedTimer>
#include <QImage>
#include <functional>
#include <memory>

class ContestState;
class ClickLabel;
class GaugeBox;
class QLabel;
class QTimer;
class SoundRecorder;

// The full-screen measurement screen in front of the audience: it names the
// next entrant, and a left click on the lower band runs one measurement —
// ready blink with the start sound, recording while the gauge fills, analysis
// and the result display.
class MeasurementScreen : public FullScreenWindow {
public:
    explicit MeasurementScreen(ContestState& context, QWidget* parent = nullptr, std::unique_ptr<SoundRecorder> recorder = {});
    ~MeasurementScreen() override;

    void Form_Load() override;
    void Form_Unload();
    void BOT1_MouseDown(Qt::MouseButton button);
    void Form_MouseDown(Qt::MouseButton button);
    void LB1_MouseDown(Qt::MouseButton button);
    void Form_KeyDown(int key);
    void SGTmr_Timer();

    void ShowState();
    void RunMeasurement();
    void LayoutHeading();
    void LayoutFullGauge();
    void DrawGauge(int value);

    ScreenState DisplayState = Waiting;

    ClickLabel* LB1 = nullptr;
    ClickLabel* BOT1 = nullptr;
    ClickLabel* NxtLB = nullptr;
    GaugeBox* PC1 = nullptr;
    QTimer* SGTmr = nullptr;
    MeasurementAudio Audio;

    // The ranking board, and the result display of the entrant just measured
    // (shown modally; closing it stores the result), as the application
    // wires them.
    std::function<void()> ShowRankingBoard;
    std::function<void()> ShowResultDisplay;

    // How long past its length the start sound is waited for at most.
    static constexpr qint64 StartSoundMarginMs = 2000;
    // Milliseconds still to play of the start sound; the player by default.
    std::function<qint64()> RemainingStartSound;

    // The picture drawn on the screen itself (the circle gauge).
    const QImage& ScreenDrawing() const { return Drawing; }
    QColor ScreenBackColor() const { return ScreenBack; }
    int BlinkCounter() const { return BlinkTicks; }

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void LayOutForScreen() override;

private:
    void BuildControls();
    void NewDrawing();
    void ApplyBandFont(QLabel* label, double points) const;
    void WaitForReadyEnd();
    bool RecordShout();
    void FinishRecording();
    void RefuseUnreadableLog();
    void DrawBarGauge(int value);
    void DrawCircleGauge(int value);
    void SetScreenBack(int32_t colour);
    // True once the screen has been closed under a running measurement.
    bool RunAbandoned() const;
    void AbandonRun();

    ContestState& Context;
    GaugeMemory Gauge;
    QImage Drawing;
    QColor ScreenBack;
    QPointF CircleCentre;
    double CircleRadius = 0;
    int BlinkTicks = 0;
    bool Closing = false;
    bool Running = false;
    bool LogReadable = true;
};
