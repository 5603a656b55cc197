// SPDX-License-Identifier: GPL-3.0-or-later
#include "PredictionLogic.h"

#include "CiclaraTable.h"
#include "CycleMath.h"

namespace Prediction {

Opening OpeningValues(CiclaraTable& table, const QDate& today)
{
    Opening o;
    o.start = today;
    o.average = Cycles::DefaultCycleLength;
    if (table.isOpen()) {
        table.disableControls();
        const int count = table.recordCount();
        qint64 sum = 0;
        for (int i = 0; i < count; ++i)
            sum += table.recordAt(i).value(QStringLiteral("CycleLength")).toInt();
        if (count > 0) {
            o.average = int(sum / count);
            o.start = table.recordAt(count - 1).value(QStringLiteral("Date")).toDate();
        }
        table.enableControls();
    }
    o.base = o.start.addDays(-1);
    o.end = o.start.addDays(o.average + ExtraDays);
    return o;
}

QList<QDate> PredictStarts(const QDate& base, const QDate& start, const QDate& end, int length)
{
    QList<QDate> dates;
    if (!base.isValid() || !start.isValid() || !end.isValid() || length <= 0 || end <= start)
        return dates;
    // The first date of the series base + 1, base + 1 + L, ... that is not before start.
    // Worked out by division rather than by stepping, with the same result.
    QDate first = base.addDays(1);
    const qint64 behind = first.daysTo(start);
    if (behind > 0)
        first = first.addDays((behind + length - 1) / length * qint64(length));
    for (QDate d = first; d <= end; d = d.addDays(length))
        dates << d;
    return dates;
}

} // namespace Prediction
