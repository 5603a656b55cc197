// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// Layout of the cycle view control (TCiclaraView) as plain arithmetic: the rule that
// picks what is drawn, every rectangle, line and text position, and the hover areas.
namespace CycleView {

// The six pictures of the view, in their index order.
enum Picture
{
    BleedingBmp = 0,
    OvulationBmp = 1,
    SlideBar1 = 2,
    SlideBar2 = 3,
    StepBmp = 4,
    TodayArrow = 5,
    PictureCount = 6
};

constexpr int MinShownCycle = 15;
constexpr int MaxShownCycle = 39;
constexpr int Top = 20;            // y of the cycle's first day
constexpr int VerticalMargin = 40; // height not used by the days
constexpr int RulerLeft = 70;
constexpr int SlideBarLeft = 30;
constexpr int TextGap = 30;       // from the tick end to the text column
constexpr int LongTickExtra = 25; // key ticks reach this far past the short ones
constexpr int HintRightMargin = 15;

// Cycles of 15 to 39 days can be drawn.
bool CanShowCycle(int cycleLength);
// Pixels per day: trunc((height - 40) / cycle length), never below 0.
int DayHeight(int controlHeight, int cycleLength);
// The period length drawn for a cycle: the given one when it is below cycle length - 7,
// else the default of 5 days. A negative period is drawn as 5 days as well.
int EffectiveMenzLen(int period, int cycleLength);
// Days of the cycle that lie in the month of its start. The end date is the next cycle's
// first day, so a cycle ending on the last day of a month still gets an empty second part.
int StartMonthDays(const QDate& start, int cycleLength);

// Month names: the built-in English tables, or the system's names.
QString EnglishLongMonthName(int month);  // 1 = "January"
QString EnglishShortMonthName(int month); // 1 = "Jan"
QString EnglishLongDayName(int day);      // 1 = "Monday"
QString EnglishShortDayName(int day);     // 1 = "Mon"
QString LongMonthName(int month, bool nativeLanguage);

// "5/3/2002" (day/month/year, no leading zeros) when preformatted, else the system's
// short date format.
QString FormatViewDate(const QDate& date, bool preformatted);

// A tick of the ruler: a line at height y from x1 up to, but not including, x2.
struct Tick
{
    int y = 0;
    int x1 = 0;
    int x2 = 0;
    bool key = false; // start, period end, ovulation start and end, cycle end
};

// The texts of the right-hand column, in drawing order.
enum TextItem
{
    StartDateText = 0,
    PeriodCaptionText,
    PeriodEndText,
    OvulationStartText,
    OvulationCaptionText,
    OvulationEndText,
    CycleEndText,
    TextItemCount
};

struct LayoutInput
{
    QSize control;
    std::array<QSize, PictureCount> pictures{}; // an empty size is a missing picture
    int dayHeight = 0;
    int menzLen = 0; // as drawn (EffectiveMenzLen)
    int cycleLen = 0;
    int startMonthDays = 0;
    int halfTextHeight = 0;  // half the height of "qWh" in the control's font
    qint64 todayOffset = -1; // days from the start to today
};

struct HintArea
{
    Picture picture;
    QRect rect;
};

struct Layout
{
    // The quantities every position is built from.
    int W = 0; // ruler picture width
    int a = 0; // pixels per day
    int h = 0;
    int P = 0;
    int O = 0;
    int E = 0;
    int C = 0;
    int S = 0;
    int x1 = 0;
    int x2 = 0;
    int textX = 0;

    // Where each picture is copied (from its top rows); empty for a missing picture.
    std::array<QRect, PictureCount> targets{};
    QList<Tick> ticks;
    Tick monthBoundary;
    int startMonthY = 0;
    int endMonthY = 0;
    int monthCentreX = 0;
    std::array<int, TextItemCount> textY{};
    bool showArrow = false;
    QPoint arrowPos;
    // Tested in this order; the first that holds the point gives the tooltip.
    QList<HintArea> hintAreas;
};

Layout ComputeLayout(const LayoutInput& in);

// The picture whose tooltip belongs to the point, or -1 for none.
int HintAt(const Layout& layout, const QPoint& point);

// A rectangle given by left, top and the right and bottom edges outside it.
inline QRect EdgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace CycleView
