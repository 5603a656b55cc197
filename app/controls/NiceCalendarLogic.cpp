// SPDX-License-Identifier: GPL-3.0-or-later
#include "NiceCalendarLogic.h"

#include <QLocale>

#include <algorithm>

namespace NiceCal {

namespace {

// The control's own English names; the native-language switch takes the system's instead,
// so these are deliberately not run through the translator.
const char* const shortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const shortWeekdayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

bool isDoubleStyle(TFillStyle style)
{
    return style == fsDoubleHorizontal || style == fsDoubleVertical;
}

// One component of band i. Exact integer arithmetic stands for
// trunc(start + i * (end - start) / steps): every value lies between start and end, so
// the numerator never goes negative and the division truncates as intended.
int bandComponent(bool mirrored, int i, int steps, int start, int end)
{
    const qint64 diff = end - start;
    qint64 numerator = qint64(start) * steps + diff * i;
    const int half = steps / 2;
    if (mirrored && i >= half)
        numerator -= 2 * diff * (i - half);
    return std::clamp(int(numerator / steps), 0, 255);
}

} // namespace

Rgb BandColor(TFillStyle style, int i, int steps, const Rgb& start, const Rgb& end)
{
    if (steps < 1)
        return start;
    const bool mirrored = isDoubleStyle(style);
    return {bandComponent(mirrored, i, steps, start.r, end.r),
            bandComponent(mirrored, i, steps, start.g, end.g),
            bandComponent(mirrored, i, steps, start.b, end.b)};
}

QRect BandRect(TFillStyle style, int i, int steps, const QSize& size)
{
    if (steps < 1)
        return {};
    const qint64 w = size.width();
    const qint64 h = size.height();
    // Band edges are trunc(i * size / steps), computed exactly.
    auto edge = [steps](qint64 extent, qint64 k) { return int(extent * k / steps); };
    switch (style) {
    case fsHorizontal:
    case fsDoubleHorizontal: {
        const int top = edge(h, i);
        return QRect(0, top, int(w), edge(h, i + 1) - top);
    }
    case fsVertical:
    case fsDoubleVertical: {
        const int left = edge(w, i);
        return QRect(left, 0, edge(w, i + 1) - left, int(h));
    }
    case fsSquare:
    case fsEllipse: {
        const int dx = int(w * i / (2 * qint64(steps)));
        const int dy = int(h * i / (2 * qint64(steps)));
        return QRect(dx, dy, int(w) - 2 * dx, int(h) - 2 * dy);
    }
    }
    return {};
}

QVector<GradientBand> GradientBands(TFillStyle style, int steps, const QSize& size,
                                    const Rgb& start, const Rgb& end)
{
    QVector<GradientBand> bands;
    if (steps < 1)
        return bands;
    bands.reserve(steps);
    for (int i = 0; i < steps; ++i)
        bands.append({BandRect(style, i, steps, size), style == fsEllipse,
                      BandColor(style, i, steps, start, end)});
    return bands;
}

QRect Geometry::cellRect(int column, int row) const
{
    return QRect(gridLeft + column * cellWidth, gridTop + row * cellHeight, cellWidth, cellHeight);
}

QRect Geometry::headerFrame() const
{
    return QRect(gridLeft, gridTop - HeaderLift, 7 * cellWidth, cellHeight);
}

QRect Geometry::headerTextRect(int column) const
{
    return cellRect(column, 0).translated(0, -HeaderLift);
}

Geometry ComputeGeometry(const QSize& size)
{
    Geometry g;
    g.size = size;
    g.cellWidth = std::max(0, (size.width() - 40) / 7);
    g.cellHeight = std::max(0, (size.height() - 70) / 7);
    const QSize button(ButtonSize, ButtonSize);
    g.prevYearButton = QRect(QPoint(g.gridLeft, ButtonTop), button);
    g.prevMonthButton = QRect(QPoint(g.gridLeft + ButtonSize, ButtonTop), button);
    g.nextMonthButton = QRect(QPoint(g.gridRight() - 2 * ButtonSize, ButtonTop), button);
    g.nextYearButton = QRect(QPoint(g.gridRight() - ButtonSize, ButtonTop), button);
    const int titleLeft = g.prevMonthButton.x() + ButtonSize;
    g.titleRect = QRect(titleLeft, ButtonTop, g.nextMonthButton.x() - titleLeft, ButtonSize);
    g.bottomStrip = QRect(0, g.gridBottom(), size.width(), size.height() - g.gridBottom());
    return g;
}

int DaysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

int MonthOffset(const QDate& date, int startOfWeek)
{
    const QDate first(date.year(), date.month(), 1);
    const int weekday = first.dayOfWeek() % 7 + 1; // 1 = Sunday ... 7 = Saturday
    const int b = (weekday - startOfWeek + 7) % 7;
    return b == 0 ? -5 : 2 - b;
}

QPoint SelectedCell(const QDate& date, int startOfWeek)
{
    const int n = date.day() - MonthOffset(date, startOfWeek);
    return QPoint(n % 7, n / 7 + 1);
}

int CellDay(int monthOffset, int daysInMonth, int column, int row)
{
    const int d = monthOffset + column + (row - 1) * 7;
    return d >= 1 && d <= daysInMonth ? d : 0;
}

QString ShortWeekdayName(int weekday, bool native)
{
    weekday = ((weekday % 7) + 7) % 7;
    if (!native)
        return QString::fromLatin1(shortWeekdayNames[weekday]);
    const QString name = QLocale().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
    return name.left(1).toUpper() + name.mid(1, 2);
}

QString ShortMonthName(int month, bool native)
{
    if (month < 1 || month > 12)
        return {};
    if (native)
        return QLocale().monthName(month, QLocale::ShortFormat);
    return QString::fromLatin1(shortMonthNames[month - 1]);
}

QString CellText(const QDate& date, int startOfWeek, bool native, int column, int row)
{
    if (row == 0)
        return ShortWeekdayName(column + startOfWeek, native).left(3);
    const int d = CellDay(MonthOffset(date, startOfWeek), date.daysInMonth(), column, row);
    return d > 0 ? QString::number(d) : QString();
}

QString TitleText(const QDate& date, bool native)
{
    return ShortMonthName(date.month(), native) + QLatin1Char('-') + QString::number(date.year());
}

QDate StepMonth(const QDate& date, int months)
{
    const QDate first = QDate(date.year(), date.month(), 1).addMonths(months);
    return QDate(first.year(), first.month(), std::min(date.day(), first.daysInMonth()));
}

QDate StepYear(const QDate& date, int years)
{
    const int year = date.year() + years;
    return QDate(year, date.month(), std::min(date.day(), DaysInMonth(year, date.month())));
}

QPoint CellAt(const Geometry& geometry, const QPoint& point)
{
    const Geometry& g = geometry;
    if (g.cellWidth <= 0 || g.cellHeight <= 0)
        return {-1, -1};
    if (point.x() < g.gridLeft || point.x() >= g.gridRight() ||
        point.y() < g.gridTop + g.cellHeight || point.y() >= g.gridBottom())
        return {-1, -1};
    return {(point.x() - g.gridLeft) / g.cellWidth, (point.y() - g.gridTop) / g.cellHeight};
}

int DayAt(const Geometry& geometry, const QPoint& point, const QDate& date, int startOfWeek)
{
    const QPoint cell = CellAt(geometry, point);
    if (cell.y() < 1)
        return 0;
    return CellDay(MonthOffset(date, startOfWeek), date.daysInMonth(), cell.x(), cell.y());
}

} // namespace NiceCal
