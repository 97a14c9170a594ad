#pragma once

#include "widgets/FullScreenWindow.h"
#include "audio/MultimediaPlayer.h"
#include "results/LoudnessGraph.h"
#include "results/MonitorNavigation.h"
#include "core/EntrantRoster.h"
#include "core/LoadedEntrant.h"
#include "core/OpenRequests.h"

#include <QImage>

class ContestSession;
struct ResultRecord;
struct LoadedEntrant;
class QLabel;
class QPushButton;

// The full-screen score monitor: one stored entrant at a time, its scores
// in a text line above a graph of its recording over the measurement time,
// with the noise cut level marked. Browsing from the menu it starts at the
// first entrant and steps with the arrow keys or the mouse; opened after a
// measurement it shows the entrant just stored. "再生(&P)" plays the
// entrant's recording, a second press stops it.
class ScoreMonitor : public FullScreenWindow {
    Q_OBJECT
public:
    explicit ScoreMonitor(ContestSession& context, QWidget* parent = nullptr);

    // How it was asked to open; set before it is shown.
    void SetRequest(const ScoreMonitorRequest& request) { Request = request; }

    void LoadOnOpen() override;
    // The log changed under it as a whole (the data cleared): while open it
    // reads the log anew, steps to entrants stored since, and shows nobody
    // once the log holds nobody; the entrant on view stays when it is still
    // there.
    void FollowLog();
    // The entrant of `record` was just stored: while open it can be stepped
    // to, the log unread; the entrant on view stays.
    void FollowStored(const ResultRecord& record);
    void ShowEntrant();
    void PressKey(int key);
    // `point` in pixels of the window.
    void PressMouse(Qt::MouseButton button, QPointF point);
    void MoveMouse(QPointF point);
    void PlayRecording();

    int LastEntrant() const { return Last; }
    // 0 when the log holds nobody.
    int CurrentEntrant() const { return Current; }
    const MultimediaPlayer& Player() const { return player; }

    // The picture of the entrant on view, drawn once per entrant.
    const QImage& Graph() const { return Picture; }
    GraphLook Look() const;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second click of a double click is no second press.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void paintEvent(QPaintEvent* event) override;
    void LayOutForScreen() override;

private:
    bool AfterMeasurement() const;
    void PlaceControls();
    void StepTo(int entrant);
    void FollowLast(int last);
    void Act(MonitorAction action);
    void ShowText(const QString& text);
    QString NameBesideNumber(const LoadedEntrant& entrant, const QString& level) const;
    QString LevelBesideScores() const;
    std::optional<RecordingLevels> ReadRecording(const LoadedEntrant& entrant);
    void StopPlaying();
    QPointF GraphPoint(QPointF pixel) const;

    ContestSession& Context;
    ScoreMonitorRequest Request;
    QLabel* infoLine = nullptr;
    QPushButton* playButton = nullptr;
    MultimediaPlayer player;

    int Last = 0;
    EntrantRoster HallNames;
    int Current = 0;
    // Whether the entrant on view has a recording with samples to play.
    bool HasSamples = false;
    QImage Picture;
};
