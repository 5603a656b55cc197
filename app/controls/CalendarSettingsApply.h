// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

class TNiceCalendar;

// A stored 32-bit colour: red in the lowest byte, then green, then blue. With the top bit
// set the lowest byte instead names a system colour (8 = window text), which is taken
// from the application palette.
QColor ColorFromStored(quint32 value);

// Gives the picker the user's calendar look: native names, first weekday, style, the six
// gradient components and the colours of the five fonts.
void ApplyCalendarSettings(TNiceCalendar& calendar);
