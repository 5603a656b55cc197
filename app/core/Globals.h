// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <functional>

// Process-wide state and the settings store.
//
// Settings live in an INI file in the user's configuration folder
// (Veltrana/Ciclara.ini); a registry sub-key is an INI group, a key's unnamed value is
// the value "Default" of its group. The path is worked out on every call, so a changed
// XDG_CONFIG_HOME (as in tests) takes effect at once.
namespace Globals {

// Calendar look shared by every date picker, kept in memory once per process.
struct CalendarSettingsRecord
{
    quint8 StartOfWeek = 1; // 0 = Sunday ... 6 = Saturday
    quint8 Scheme = 0;      // kept by the options dialog only
    quint8 Style = 3;       // fill style of the picker's background
    quint8 Red2 = 255;
    quint8 Red1 = 0;
    quint8 Green2 = 255;
    quint8 Green1 = 150;
    quint8 Blue2 = 255;
    quint8 Blue1 = 200;
    quint32 CalendarDateFont = 0x00FFFF00;         // aqua
    quint32 CalendarDaysFont = 0;                  // black
    quint32 CalendarSelectedDaysFont = 0x80000008; // system window-text colour
    quint32 CalendarTitleFont = 0;                 // black
    quint32 CalendarWeekDaysFont = 0x00FFFFFF;     // white

    bool operator==(const CalendarSettingsRecord& o) const;
};

// Colours are 32-bit values with red in the lowest byte; a value with the top bit set
// names a system colour by the index in its lowest byte (8 = window text).
constexpr quint32 SystemColorFlag = 0x80000000u;
constexpr quint32 SystemWindowTextColor = 0x80000008u;

enum class SyncDirection
{
    Load,
    Save
};

// A day serial counts days from 30 December 1899 (day 0).
constexpr qint64 DaySerialOffset = 2415019;
inline qint64 DaySerial(const QDate& d)
{
    return d.toJulianDay() - DaySerialOffset;
}
inline QDate FromDaySerial(qint64 serial)
{
    return QDate::fromJulianDay(serial + DaySerialOffset);
}

// --- process-wide state -------------------------------------------------------------

// The data root with a trailing '/': $CICLARA_HOME, else the XDG data folder
// Veltrana/Ciclara. User folders, "SincRpt.log" and "Backup" live below it.
QString ProgramDir();
// Creates the data root when it is missing, readable by its owner only: the diaries are
// private. An existing folder keeps the permissions it has. Returns whether it exists.
bool EnsureDataRoot();
QString CurrentUserDir();
void SetCurrentUserDir(const QString& dir);

QString ActiveUser(); // in-memory active user
int LanguageId();     // 2 = Bulgarian, 1033 = English
void SetLanguageId(int id);
bool NativeLanguage(); // native week-day and month names
void SetNativeLanguage(bool on);
int TemperatureScale(); // 0 = Celsius, 1 = Fahrenheit
void SetTemperatureScale(int scale);
bool RestartRequested();
void SetRestartRequested(bool on);
QString HelpFile(); // "Ciclara.hlp" or "Ciclara_bul.hlp"
void SetHelpFile(const QString& name);

CalendarSettingsRecord& CalendarSettings();
CalendarSettingsRecord DefaultCalendarSettings();

// Called by SetActiveUser with the new caption ("Ciclara - " + active user); the main
// window installs it.
void SetCaptionHandler(std::function<void(const QString&)> handler);

// Puts every piece of process state back to its start value (tests and a fresh start).
void ResetState();

// --- settings store -----------------------------------------------------------------

QString SettingsFilePath();

QString ReadActiveUser();
bool SetActiveUser(const QString& name);
QString ReadSetting(const QString& sub, const QString& value);
void WriteSetting(const QString& sub, const QString& value, const QString& text);
void SyncCalendarSettings(SyncDirection direction);

// Writes the main window's bounds into FormBounds as decimal strings.
void WriteFormBounds(int left, int top, int width, int height);

} // namespace Globals
