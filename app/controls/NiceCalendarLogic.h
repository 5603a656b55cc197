// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// Background patterns of the date picker, in their stored order (the settings keep the
// number).
enum TFillStyle
{
    fsHorizontal,
    fsVertical,
    fsSquare,
    fsEllipse,
    fsDoubleHorizontal,
    fsDoubleVertical
};

// Arithmetic of the date picker TNiceCalendar: gradient bands, geometry, the month
// layout, cell texts, date stepping and hit-testing. No widgets here.
namespace NiceCal {

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// One band of the background: the area it paints (an ellipse inscribed in rect for
// fsEllipse, the rectangle itself otherwise) and its colour.
struct GradientBand
{
    QRect rect;
    bool ellipse = false;
    Rgb color;
};

// Colour of band i (0 .. steps - 1). The running colour moves from start by
// (end - start) / steps per band; the double styles run back to the start colour in
// their second half.
Rgb BandColor(TFillStyle style, int i, int steps, const Rgb& start, const Rgb& end);
// Area of band i in a picture of the given size; an empty rect paints nothing.
QRect BandRect(TFillStyle style, int i, int steps, const QSize& size);
// Every band in painting order (steps below 1 give none).
QVector<GradientBand> GradientBands(TFillStyle style, int steps, const QSize& size,
                                    const Rgb& start, const Rgb& end);

// Day grid, buttons, title and bottom strip of a control of the given size. Cells are
// numbered by column 0..6 and row 0..6; row 0 is the weekday header.
struct Geometry
{
    QSize size;
    int gridLeft = 20;
    int gridTop = 50;
    int cellWidth = 0;
    int cellHeight = 0;
    QRect prevYearButton;
    QRect prevMonthButton;
    QRect nextMonthButton;
    QRect nextYearButton;
    QRect titleRect;
    QRect bottomStrip;

    int gridRight() const { return gridLeft + 7 * cellWidth; }
    int gridBottom() const { return gridTop + 7 * cellHeight; }
    QRect cellRect(int column, int row) const;
    // The header row's frame and its text cells sit 8 pixels above row 0.
    QRect headerFrame() const;
    QRect headerTextRect(int column) const;
};

constexpr int ButtonSize = 25;
constexpr int ButtonTop = 10;
constexpr int HeaderLift = 8;

Geometry ComputeGeometry(const QSize& size);

int DaysInMonth(int year, int month);
// The day number column 0 of the first week row would carry, for the month of date.
int MonthOffset(const QDate& date, int startOfWeek);
// Column (x) and row (y) of the date's cell.
QPoint SelectedCell(const QDate& date, int startOfWeek);
// Day number shown in a week-row cell (row 1..6), 0 when the cell is empty.
int CellDay(int monthOffset, int daysInMonth, int column, int row);

// Short weekday name, weekday 0 = Sunday ... 6 = Saturday: the built-in English one, or
// the system's with its first letter upper-cased, cut to three characters.
QString ShortWeekdayName(int weekday, bool native);
QString ShortMonthName(int month, bool native);
// Text of a cell: row 0 the weekday of its column, rows 1..6 the day number or empty.
QString CellText(const QDate& date, int startOfWeek, bool native, int column, int row);
// "Dec-2001".
QString TitleText(const QDate& date, bool native);

// Same day in the neighbouring month, lowered to that month's last day.
QDate StepMonth(const QDate& date, int months);
// Same day in another year; 29 February becomes 28 February.
QDate StepYear(const QDate& date, int years);

// Week-row cell under a point (column x, row y), or (-1, -1) outside the week rows.
QPoint CellAt(const Geometry& geometry, const QPoint& point);
// Day under a point, 0 outside the week rows or on an empty cell.
int DayAt(const Geometry& geometry, const QPoint& point, const QDate& date, int startOfWeek);

} // namespace NiceCal
