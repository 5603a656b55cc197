// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraViewGeometry.h"

#include "CycleMath.h"

#include <QLocale>

namespace CycleView {

bool CanShowCycle(int cycleLength)
{
    return cycleLength >= MinShownCycle && cycleLength <= MaxShownCycle;
}

int DayHeight(int controlHeight, int cycleLength)
{
    if (cycleLength <= 0 || controlHeight <= VerticalMargin)
        return 0;
    return (controlHeight - VerticalMargin) / cycleLength;
}

int EffectiveMenzLen(int period, int cycleLength)
{
    if (period < 0 || period >= cycleLength - 7)
        return Cycles::DefaultPeriodLength;
    return period;
}

int StartMonthDays(const QDate& start, int cycleLength)
{
    if (!start.isValid())
        return cycleLength;
    const QDate end = Cycles::EndDate(start, cycleLength);
    const int startMonth = start.year() * 12 + start.month();
    const int endMonth = end.year() * 12 + end.month();
    if (endMonth > startMonth)
        return int(start.daysTo(QDate(start.year(), start.month(), 1).addMonths(1)));
    return cycleLength;
}

namespace {
const char* const LongMonths[12] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
const char* const ShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongDays[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
const char* const ShortDays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QString pick(const char* const* table, int size, int index)
{
    return index >= 1 && index <= size ? QString::fromLatin1(table[index - 1]) : QString();
}
} // namespace

QString EnglishLongMonthName(int month)
{
    return pick(LongMonths, 12, month);
}
QString EnglishShortMonthName(int month)
{
    return pick(ShortMonths, 12, month);
}
QString EnglishLongDayName(int day)
{
    return pick(LongDays, 7, day);
}
QString EnglishShortDayName(int day)
{
    return pick(ShortDays, 7, day);
}

QString LongMonthName(int month, bool nativeLanguage)
{
    if (nativeLanguage && month >= 1 && month <= 12)
        return QLocale::system().standaloneMonthName(month, QLocale::LongFormat);
    return EnglishLongMonthName(month);
}

QString FormatViewDate(const QDate& date, bool preformatted)
{
    if (preformatted)
        return QStringLiteral("%1/%2/%3").arg(date.day()).arg(date.month()).arg(date.year());
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

Layout ComputeLayout(const LayoutInput& in)
{
    Layout l;
    const auto& pic = in.pictures;
    l.W = pic[StepBmp].width();
    l.a = in.dayHeight;
    l.h = in.halfTextHeight;
    l.P = l.a * in.menzLen;
    l.O = l.a * Cycles::OvulationStartDay(in.cycleLen);
    l.E = l.O + Cycles::OvulationWindowDays * l.a;
    l.C = l.a * in.cycleLen;
    l.S = l.a * in.startMonthDays;
    l.x1 = RulerLeft + l.W / 8;
    l.x2 = RulerLeft + l.W - l.W / 8;
    l.textX = l.x2 + TextGap;
    const int barLeft = RulerLeft + l.W;

    auto target = [&](Picture p, const QRect& r) {
        if (!pic[p].isEmpty())
            l.targets[p] = r;
    };
    const QRect ruler = EdgeRect(RulerLeft, Top, barLeft, Top + 1 + l.C);
    const QRect slide1 =
        EdgeRect(SlideBarLeft, Top, SlideBarLeft + pic[SlideBar1].width(), Top + 1 + l.S);
    const QRect slide2 =
        EdgeRect(SlideBarLeft, Top + 1 + l.S, SlideBarLeft + pic[SlideBar2].width(), Top + 1 + l.C);
    target(StepBmp, ruler);
    target(SlideBar1, slide1);
    target(SlideBar2, slide2);
    target(BleedingBmp, EdgeRect(barLeft, Top, barLeft + pic[BleedingBmp].width(), Top + l.P));
    target(OvulationBmp,
           EdgeRect(barLeft, Top + l.O, barLeft + pic[OvulationBmp].width(), Top + l.E));

    for (int k = 0; k <= in.cycleLen; ++k) {
        const int y = k * l.a;
        Tick t;
        t.y = Top + y;
        t.x1 = l.x1;
        t.key = y == 0 || y == l.P || y == l.O || y == l.E || y == l.C;
        t.x2 = t.key ? l.x2 + LongTickExtra : l.x2;
        l.ticks << t;
    }
    l.monthBoundary = Tick{Top + l.S, SlideBarLeft, l.x1, false};

    l.monthCentreX = (pic[SlideBar1].width() + 60) / 2;
    l.startMonthY = Top - 3 * l.h;
    l.endMonthY = Top + l.C + l.h;

    l.textY[StartDateText] = Top - l.h;
    l.textY[PeriodCaptionText] = Top + (l.P - 2 * l.h) / 2;
    l.textY[PeriodEndText] = Top - l.h + l.P;
    l.textY[OvulationStartText] = Top - l.h + l.O;
    l.textY[OvulationCaptionText] = Top + l.O + (6 * l.a - 2 * l.h) / 2;
    l.textY[OvulationEndText] = Top - l.h + l.E;
    l.textY[CycleEndText] = Top - l.h + l.C;

    l.showArrow =
        !pic[TodayArrow].isEmpty() && in.todayOffset >= 0 && in.todayOffset <= in.cycleLen;
    if (l.showArrow) {
        l.arrowPos = QPoint(RulerLeft - pic[TodayArrow].width(), Top + int(in.todayOffset) * l.a);
        l.targets[TodayArrow] = QRect(l.arrowPos, pic[TodayArrow]);
    }

    const int right = in.control.width() - HintRightMargin;
    l.hintAreas = {
        {StepBmp, ruler},
        {SlideBar1, slide1},
        {SlideBar2, slide2},
        {BleedingBmp, EdgeRect(barLeft, Top, right, Top + l.P)},
        {OvulationBmp, EdgeRect(barLeft, Top + l.O, right, Top + l.E)},
    };
    return l;
}

int HintAt(const Layout& layout, const QPoint& point)
{
    for (const HintArea& area : layout.hintAreas) {
        if (area.rect.contains(point))
            return area.picture;
    }
    return -1;
}

} // namespace CycleView
