// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>

class CiclaraTable;

// The arithmetic of the prediction screen: where a prediction starts and which cycle
// starts it lists.
namespace Prediction {

// Days the proposed prediction period reaches beyond one average cycle.
constexpr int ExtraDays = 31;

struct Opening
{
    QDate start;     // X: the newest recorded start, or today without cycles
    int average = 0; // A: the average cycle length (28 without cycles)
    QDate base;      // X - 1
    QDate end;       // X + A + 31
};

// The values the prediction screen opens with. Keeps the current record and raises one
// change notification on an open table; a closed table counts as empty.
Opening OpeningValues(CiclaraTable& table, const QDate& today);

// The dates base + 1 + k * length (k = 0, 1, ...) that lie within start .. end, both
// included. Nothing when end is not after start or the length is not positive.
QList<QDate> PredictStarts(const QDate& base, const QDate& start, const QDate& end, int length);

} // namespace Prediction
