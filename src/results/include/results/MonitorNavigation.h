#pragma once

#include <QPointF>
#include <QString>
#include <QtCore/qnamespace.h>
#include <cstdint>

// What the score monitor decides: which entrant it shows, how the operator
// steps through them, and the text line above the graph.

// The entrant shown first: the first one when browsing, `storedEntryNo` (the
// one just stored) when opened after a measurement; always within
// 1 .. `lastEntrant`, and 0 when the log holds nobody.
int FirstEntrantShown(bool afterMeasurement, int storedEntryNo, int lastEntrant);

// One step forward (+1) or back (-1); the first and the last entrant stay.
int StepEntrant(int current, int step, int lastEntrant);

enum class MonitorAction { Nothing, Close, Next, Previous };

// A key: Space and Escape close, the right and left arrows step.
MonitorAction MonitorKeyAction(int key);

// A press at `point` in graph units: after a measurement any press closes;
// when browsing, a press inside the graph's columns and not below the frame
// steps (left button forward, right button back), anywhere else it closes.
MonitorAction MonitorClickAction(Qt::MouseButton button, QPointF point, bool afterMeasurement);

// Where a press steps rather than closes; the pointer is an arrow there.
bool InStepArea(QPointF point);

// "エントリー№ : 12  成績 ：1234 点 / 2000点   最大値 ： 678 点   積算値： 556 点";
// `nameSuffix` ("　山田 太郎") stands right after the number.
QString MonitorTextLine(int entryNo, int64_t totalPoints, int64_t maxPoints, int64_t integPoints,
                        const QString& nameSuffix = {});

// "エントリー№ : 9" alone, for an entrant whose record cannot be loaded.
QString MonitorEntryLine(int entryNo);

