// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

class CiclaraTable;

// Cycle records of Cycle.dat and the arithmetic that keeps them consistent: every stored
// CycleLength equals the distance to the next cycle's start; the newest cycle keeps the
// presumed length it was given.
namespace Cycles {

constexpr int DefaultPeriodLength = 5;
constexpr int DefaultCycleLength = 28;
constexpr int OvulationWindowDays = 6;
// Field limits of Cycle.dat: MenzLength is 16-bit signed, CycleLength 16-bit unsigned.
constexpr int MaxPeriodLength = 32767;
constexpr int MaxCycleLength = 65535;

struct CycleRecord
{
    QDate date;          // first day of bleeding
    int menzLength = 0;  // period length in days, from date inclusive
    int cycleLength = 0; // days to the next start (presumed for the newest)
};

// Days from the start to the first day of the ovulation window: trunc(L / 2 - 1).
inline int OvulationStartDay(int cycleLength)
{
    return (cycleLength - 2) / 2; // C++ division truncates toward zero, as trunc does
}
// The day the next cycle is due; the cycle's last day is the day before.
inline QDate EndDate(const QDate& start, int cycleLength)
{
    return start.addDays(cycleLength);
}
inline QDate LastCycleDay(const QDate& start, int cycleLength)
{
    return start.addDays(cycleLength - 1);
}
inline QDate LastPeriodDay(const QDate& start, int period)
{
    return start.addDays(period - 1);
}
// Whether the day lies in the period start .. start + period - 1.
bool IsPeriodDay(const QDate& start, int period, const QDate& day);
inline QDate OvulationFirstDay(const QDate& start, int cycleLength)
{
    return start.addDays(OvulationStartDay(cycleLength));
}
inline QDate OvulationLastDay(const QDate& start, int cycleLength)
{
    return start.addDays(OvulationStartDay(cycleLength) + OvulationWindowDays - 1);
}
bool IsOvulationDay(const QDate& start, int cycleLength, const QDate& day);

// A period may last at most half the cycle: 2 * period <= cycle (10 of 20 is accepted,
// 11 of 21 refused, 0 accepted).
bool PeriodFits(qint64 period, qint64 cycle);

// Lengths that a cycle record can hold: a period of 0 .. 32767 days and a presumed cycle
// length of 1 .. 65535 days. The dialogs check this before they store a cycle.
bool ValidLengths(qint64 period, qint64 cycle);

// Integer mean of CycleLength over all stored cycles, truncating; 28 without cycles.
// Keeps the current record and raises exactly one change notification on an open table.
int AverageCycleLength(CiclaraTable& table);

struct StoreResult
{
    enum Status
    {
        Stored,
        NotOpen,        // the table is closed: nothing done
        InvalidLengths, // ValidLengths refused the lengths: nothing done, no message
        Exists,         // a cycle with that start date is stored: CycleExistsError shown
        Refused,        // the table refused the new record: CycleExistsError shown
        TooFar,         // a neighbour's distance does not fit a cycle length: error shown
        Failed,         // a write failed after the insert: rolled back, error shown
    };
    Status status = NotOpen;
    QDate date;          // the stored cycle, for the cycle view
    int period = 0;      //
    int cycleLength = 0; // the measured length when a later cycle exists
    bool stored() const { return status == Stored; }
};

// Stores a new cycle and repairs the lengths of the new record (the distance to the later
// neighbour, when there is one) and of the earlier neighbour, in one transaction with the
// displays suspended. The new record is current afterwards and one change notification is
// raised. A start date that is already stored shows CycleExistsError with the given
// message kind (a warning from the add dialog, an information from the prediction).
StoreResult StoreNewCycle(CiclaraTable& table, const QDate& start, int period, int cycleLength,
                          int existsMessageKind);

// Deletes the current cycle and gives its length to the earlier neighbour (which then
// reaches to the following start), in one transaction. Afterwards the record that followed
// is current, or the new newest one. Does nothing on a closed or empty table. The caller
// asks for confirmation first.
bool DeleteCurrentCycle(CiclaraTable& table);

// Removes every cycle in one transaction and reopens the table. Does nothing on a closed
// or empty table.
bool DeleteAllCycles(CiclaraTable& table);

} // namespace Cycles
