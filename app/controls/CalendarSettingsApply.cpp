// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarSettingsApply.h"

#include "Globals.h"
#include "NiceCalendar.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct SystemColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The classic system colour indexes and the palette entries that play their part here.
SystemColor systemColor(int index)
{
    const auto active = QPalette::Active;
    switch (index) {
    case 0:  // scroll bar
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
        return {active, QPalette::Button};
    case 1:  // desktop
    case 12: // application workspace
    case 16: // button shadow
        return {active, QPalette::Dark};
    case 2:  // active caption
    case 13: // highlight
    case 27: // gradient of the active caption
    case 29: // menu highlight
        return {active, QPalette::Highlight};
    case 3:  // inactive caption
    case 28: // gradient of the inactive caption
        return {QPalette::Inactive, QPalette::Highlight};
    case 4:  // menu
    case 30: // menu bar
        return {active, QPalette::Window};
    case 5: // window
        return {active, QPalette::Base};
    case 9:  // caption text
    case 14: // highlight text
        return {active, QPalette::HighlightedText};
    case 17: // grey text
        return {QPalette::Disabled, QPalette::WindowText};
    case 18: // button text
        return {active, QPalette::ButtonText};
    case 20: // button highlight
        return {active, QPalette::Light};
    case 21: // dark 3-D shadow
        return {active, QPalette::Shadow};
    case 22: // 3-D light
        return {active, QPalette::Midlight};
    case 23: // tooltip text
        return {active, QPalette::ToolTipText};
    case 24: // tooltip background
        return {active, QPalette::ToolTipBase};
    case 26: // hot-tracked item
        return {active, QPalette::Link};
    default: // window frame, menu text, window text, inactive caption text, unknown
        return {active, QPalette::WindowText};
    }
}

} // namespace

QColor ColorFromStored(quint32 value)
{
    if (value & Globals::SystemColorFlag) {
        const SystemColor c = systemColor(int(value & 0xFF));
        return QGuiApplication::palette().color(c.group, c.role);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void ApplyCalendarSettings(TNiceCalendar& calendar)
{
    const Globals::CalendarSettingsRecord& s = Globals::CalendarSettings();
    calendar.SetNativeLanguage(Globals::NativeLanguage());
    calendar.SetStartOfWeek(s.StartOfWeek);
    // A style number the control does not know leaves the current pattern.
    if (s.Style <= fsDoubleVertical)
        calendar.SetStyle(TFillStyle(s.Style));
    calendar.SetColors(s.Red2, s.Red1, s.Blue1, s.Blue2, s.Green1, s.Green2);
    calendar.SetCalendarFontColor(TNiceCalendar::DateFontIndex,
                                  ColorFromStored(s.CalendarDateFont));
    calendar.SetCalendarFontColor(TNiceCalendar::DaysFontIndex,
                                  ColorFromStored(s.CalendarDaysFont));
    calendar.SetCalendarFontColor(TNiceCalendar::SelectedDaysFontIndex,
                                  ColorFromStored(s.CalendarSelectedDaysFont));
    calendar.SetCalendarFontColor(TNiceCalendar::TitleFontIndex,
                                  ColorFromStored(s.CalendarTitleFont));
    calendar.SetCalendarFontColor(TNiceCalendar::WeekdaysFontIndex,
                                  ColorFromStored(s.CalendarWeekDaysFont));
}
