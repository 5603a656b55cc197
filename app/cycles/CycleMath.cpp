// SPDX-License-Identifier: GPL-3.0-or-later
#include "CycleMath.h"

#include "CiclaraTable.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"

#include <QCoreApplication>

namespace Cycles {

namespace {

const QString DateField = QStringLiteral("Date");
const QString MenzField = QStringLiteral("MenzLength");
const QString LengthField = QStringLiteral("CycleLength");

QString tr(const char* text)
{
    return QCoreApplication::translate("Cycles", text);
}

void showError(const QString& text)
{
    ShowMessageBox(text, Msg::Error, 0, 0, Msg::OkSet);
}

// Drops a half-done change: the edit buffer, the open transaction, and returns to the
// record that was current before.
void undo(CiclaraTable& table, CiclaraTable::Bookmark before)
{
    table.cancel();
    table.rollback();
    if (before != 0)
        table.gotoBookmark(before);
}

// Writes a new CycleLength into the current record.
bool writeLength(CiclaraTable& table, qint64 length)
{
    table.edit();
    table.setValue(LengthField, length);
    return table.post();
}

} // namespace

bool IsPeriodDay(const QDate& start, int period, const QDate& day)
{
    const qint64 k = start.daysTo(day);
    return k >= 0 && k < period;
}

bool IsOvulationDay(const QDate& start, int cycleLength, const QDate& day)
{
    const qint64 k = start.daysTo(day) - OvulationStartDay(cycleLength);
    return k >= 0 && k < OvulationWindowDays;
}

bool PeriodFits(qint64 period, qint64 cycle)
{
    return 2 * period <= cycle;
}

bool ValidLengths(qint64 period, qint64 cycle)
{
    return period >= 0 && period <= MaxPeriodLength && cycle >= 1 && cycle <= MaxCycleLength;
}

int AverageCycleLength(CiclaraTable& table)
{
    if (!table.isOpen())
        return DefaultCycleLength;
    // Reading the records by index leaves the current record where it is; the displays
    // are suspended anyway so that they redraw once, after the walk.
    table.disableControls();
    qint64 sum = 0;
    const int count = table.recordCount();
    for (int i = 0; i < count; ++i)
        sum += table.recordAt(i).value(LengthField).toInt();
    table.enableControls();
    return count > 0 ? int(sum / count) : DefaultCycleLength;
}

StoreResult StoreNewCycle(CiclaraTable& table, const QDate& start, int period, int cycleLength,
                          int existsMessageKind)
{
    StoreResult result;
    result.date = start;
    result.period = period;
    result.cycleLength = cycleLength;
    if (!table.isOpen())
        return result;
    if (!ValidLengths(period, cycleLength)) {
        result.status = StoreResult::InvalidLengths;
        return result;
    }

    const CiclaraTable::Bookmark before = table.bookmark();
    table.disableControls();
    auto give_up = [&](StoreResult::Status status, const QString& message) {
        undo(table, before);
        table.enableControls();
        showError(message);
        result.status = status;
        return result;
    };

    if (table.locate(start)) {
        if (before != 0)
            table.gotoBookmark(before);
        table.enableControls();
        ShowMessageBox(Res::Text("CycleExistsError"), existsMessageKind, 0, 0, Msg::OkSet);
        result.status = StoreResult::Exists;
        return result;
    }

    if (!table.transaction()) {
        table.enableControls();
        showError(tr("The cycle could not be stored:\n%1").arg(table.errorString()));
        result.status = StoreResult::Failed;
        return result;
    }

    table.insert();
    table.setValue(DateField, start);
    table.setValue(MenzField, period);
    table.setValue(LengthField, cycleLength);
    if (!table.post()) {
        undo(table, before);
        table.enableControls();
        ShowMessageBox(Res::Text("CycleExistsError"), existsMessageKind, 0, 0, Msg::OkSet);
        result.status = StoreResult::Refused;
        return result;
    }
    const CiclaraTable::Bookmark added = table.bookmark();
    const QString tooFar =
        tr("The cycle cannot be stored: it would lie more than %1 days from its neighbour.")
            .arg(MaxCycleLength);

    // A later cycle fixes the new cycle's length to the measured distance.
    int length = cycleLength;
    if (table.next()) {
        const qint64 distance = start.daysTo(table.dateValue(DateField));
        if (distance > MaxCycleLength)
            return give_up(StoreResult::TooFar, tooFar);
        table.gotoBookmark(added);
        if (!writeLength(table, distance)) {
            const QString reason = table.errorString();
            return give_up(StoreResult::Failed,
                           tr("The cycle could not be stored:\n%1").arg(reason));
        }
        length = int(distance);
    }

    // The earlier cycle now ends where the new one starts.
    table.gotoBookmark(added);
    if (table.prior()) {
        const qint64 distance = table.dateValue(DateField).daysTo(start);
        if (distance > MaxCycleLength)
            return give_up(StoreResult::TooFar, tooFar);
        if (!writeLength(table, distance)) {
            const QString reason = table.errorString();
            return give_up(StoreResult::Failed,
                           tr("The cycle could not be stored:\n%1").arg(reason));
        }
        table.gotoBookmark(added);
    }

    if (!table.commit()) {
        const QString reason = table.errorString();
        return give_up(StoreResult::Failed, tr("The cycle could not be stored:\n%1").arg(reason));
    }
    table.enableControls();
    result.status = StoreResult::Stored;
    result.cycleLength = length;
    return result;
}

bool DeleteCurrentCycle(CiclaraTable& table)
{
    if (!table.isOpen() || table.isEmpty() || table.recNo() < 0)
        return false;
    const CiclaraTable::Bookmark before = table.bookmark();
    table.disableControls();
    auto give_up = [&](const QString& message) {
        undo(table, before);
        table.enableControls();
        showError(message);
        return false;
    };
    if (!table.transaction()) {
        table.enableControls();
        showError(tr("The cycle could not be deleted:\n%1").arg(table.errorString()));
        return false;
    }
    if (!table.deleteRecord()) {
        const QString reason = table.errorString();
        return give_up(tr("The cycle could not be deleted:\n%1").arg(reason));
    }

    // The record that followed (or the new newest) is current; the one before it now
    // reaches to its start.
    if (!table.isEmpty()) {
        const CiclaraTable::Bookmark following = table.bookmark();
        const QDate followingStart = table.dateValue(DateField);
        if (table.prior()) {
            const qint64 distance = table.dateValue(DateField).daysTo(followingStart);
            if (distance > MaxCycleLength)
                return give_up(tr("The cycle cannot be deleted: the cycle before it would "
                                  "become longer than %1 days.")
                                   .arg(MaxCycleLength));
            if (!writeLength(table, distance)) {
                const QString reason = table.errorString();
                return give_up(tr("The cycle could not be deleted:\n%1").arg(reason));
            }
            table.gotoBookmark(following);
        }
    }

    if (!table.commit()) {
        const QString reason = table.errorString();
        return give_up(tr("The cycle could not be deleted:\n%1").arg(reason));
    }
    table.enableControls();
    return true;
}

bool DeleteAllCycles(CiclaraTable& table)
{
    if (!table.isOpen() || table.isEmpty())
        return false;
    const CiclaraTable::Bookmark before = table.bookmark();
    table.disableControls();
    if (!table.transaction() || !table.emptyTable() || !table.commit()) {
        const QString reason = table.errorString();
        undo(table, before);
        table.enableControls();
        showError(tr("The cycles could not be deleted:\n%1").arg(reason));
        return false;
    }
    table.close();
    const bool reopened = table.open();
    const QString reason = table.errorString();
    table.enableControls();
    if (!reopened)
        showError(tr("The cycle table could not be opened again:\n%1").arg(reason));
    return reopened;
}

} // namespace Cycles
