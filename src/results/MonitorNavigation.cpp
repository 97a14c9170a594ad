#include "results/MonitorNavigation.h"

#include "core/DisplayFormat.h"
#include "results/LoudnessGraph.h"

#include <algorithm>

int FirstEntrantShown(bool afterMeasurement, int storedEntryNo, int lastEntrant)
{
    if (lastEntrant < 1)
        return 0;
    const int wanted = afterMeasurement ? storedEntryNo : 1;
    return std::clamp(wanted, 1, lastEntrant);
}

int StepEntrant(int current, int step, int lastEntrant)
{
    const int next = current + step;
    return next >= 1 && next <= lastEntrant ? next : current;
}

MonitorAction MonitorKeyAction(int key)
{
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Escape:
        return MonitorAction::Close;
    case Qt::Key_Right:
        return MonitorAction::Next;
    case Qt::Key_Left:
        return MonitorAction::Previous;
    default:
        return MonitorAction::Nothing;
    }
}

bool InStepArea(QPointF point)
{
    return point.x() >= 0 && point.x() <= GraphWidth && point.y() <= GraphHalfHeight;
}

MonitorAction MonitorClickAction(Qt::MouseButton button, QPointF point, bool afterMeasurement)
{
    if (afterMeasurement || !InStepArea(point))
        return MonitorAction::Close;
    switch (button) {
    case Qt::LeftButton:
        return MonitorAction::Next;
    case Qt::RightButton:
        return MonitorAction::Previous;
    default:
        return MonitorAction::Nothing;
    }
}

QString MonitorEntryLine(int entryNo)
{
    return QStringLiteral("エントリー№ : ") + QString::number(entryNo);
}

QString MonitorTextLine(int entryNo, int64_t totalPoints, int64_t maxPoints, int64_t integPoints, const QString& nameSuffix)
{
    return MonitorEntryLine(entryNo) + nameSuffix + QStringLiteral("  成績 ：") +
           NumberCell(totalPoints, 4) + QStringLiteral(" 点 / 2000点") + QStringLiteral("   最大値 ：") +
           NumberCell(maxPoints, 4) + QStringLiteral(" 点") + QStringLiteral("   積算値：") + NumberCell(integPoints, 4) +
           QStringLiteral(" 点");
}
