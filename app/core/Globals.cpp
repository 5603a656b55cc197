// SPDX-License-Identifier: GPL-3.0-or-later
#include "Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Globals {

namespace {

struct State
{
    QString currentUserDir;
    QString activeUser;
    int languageId = 1033;
    bool nativeLanguage = false;
    int temperatureScale = 0;
    bool restartRequested = false;
    QString helpFile = QStringLiteral("Ciclara.hlp");
    CalendarSettingsRecord calendar;
    std::function<void(const QString&)> captionHandler;
};

State& state()
{
    static State s;
    return s;
}

const QString CalKey = QStringLiteral("CalProparties");

// The thirteen integer values of the calendar key, in their stored order.
struct CalValue
{
    const char* name;
    bool wide; // 32-bit colour rather than an 8-bit field
    quint32 CalendarSettingsRecord::*wideField;
    quint8 CalendarSettingsRecord::*byteField;
};

const CalValue calValues[] = {
    {"StartOfWeek", false, nullptr, &CalendarSettingsRecord::StartOfWeek},
    {"Style", false, nullptr, &CalendarSettingsRecord::Style},
    {"Red2", false, nullptr, &CalendarSettingsRecord::Red2},
    {"Red1", false, nullptr, &CalendarSettingsRecord::Red1},
    {"Green2", false, nullptr, &CalendarSettingsRecord::Green2},
    {"Green1", false, nullptr, &CalendarSettingsRecord::Green1},
    {"Blue2", false, nullptr, &CalendarSettingsRecord::Blue2},
    {"Blue1", false, nullptr, &CalendarSettingsRecord::Blue1},
    {"CalendarDateFont", true, &CalendarSettingsRecord::CalendarDateFont, nullptr},
    {"CalendarDaysFont", true, &CalendarSettingsRecord::CalendarDaysFont, nullptr},
    {"CalendarSelectedDaysFont", true, &CalendarSettingsRecord::CalendarSelectedDaysFont, nullptr},
    {"CalendarTitleFont", true, &CalendarSettingsRecord::CalendarTitleFont, nullptr},
    {"CalendarWeekDaysFont", true, &CalendarSettingsRecord::CalendarWeekDaysFont, nullptr},
};

// Opens the settings file; "could be opened" means the file can be written.
std::unique_ptr<QSettings> openSettings()
{
    const QString path = SettingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

bool writable(QSettings& s)
{
    s.sync();
    return s.isWritable() && s.status() == QSettings::NoError;
}

QString key(const QString& sub, const QString& value)
{
    return sub + QLatin1Char('/') + value;
}

bool groupExists(QSettings& s, const QString& group)
{
    return s.childGroups().contains(group);
}

// A stored integer read as its low 32 bits; a missing or non-numeric value gives
// nothing, so the caller keeps its default.
std::optional<quint32> readInteger(QSettings& s, const QString& k)
{
    const QVariant v = s.value(k);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toString().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<quint32>(n & 0xFFFFFFFFLL);
}

void writeCalendar(QSettings& s, const CalendarSettingsRecord& rec, bool native)
{
    s.setValue(key(CalKey, QStringLiteral("NativeLanguage")), native ? 1 : 0);
    for (const CalValue& cv : calValues) {
        const QString k = key(CalKey, QLatin1String(cv.name));
        if (cv.wide)
            s.setValue(k, rec.*cv.wideField);
        else
            s.setValue(k, int(rec.*cv.byteField));
    }
}

} // namespace

bool CalendarSettingsRecord::operator==(const CalendarSettingsRecord& o) const
{
    return StartOfWeek == o.StartOfWeek && Scheme == o.Scheme && Style == o.Style &&
           Red2 == o.Red2 && Red1 == o.Red1 && Green2 == o.Green2 && Green1 == o.Green1 &&
           Blue2 == o.Blue2 && Blue1 == o.Blue1 && CalendarDateFont == o.CalendarDateFont &&
           CalendarDaysFont == o.CalendarDaysFont &&
           CalendarSelectedDaysFont == o.CalendarSelectedDaysFont &&
           CalendarTitleFont == o.CalendarTitleFont &&
           CalendarWeekDaysFont == o.CalendarWeekDaysFont;
}

QString ProgramDir()
{
    QString root = qEnvironmentVariable("CICLARA_HOME");
    if (root.isEmpty())
        root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Veltrana/Ciclara");
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return root;
}

bool EnsureDataRoot()
{
    const QString root = ProgramDir();
    if (QFileInfo(root).isDir())
        return true;
    // The folders above it may be shared; only the data root itself is made private.
    const QString parent = QFileInfo(root.chopped(1)).absolutePath();
    if (!QDir().mkpath(parent))
        return false;
    return QDir().mkdir(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString CurrentUserDir()
{
    if (state().currentUserDir.isEmpty())
        return ProgramDir() + QStringLiteral("Data/");
    return state().currentUserDir;
}

void SetCurrentUserDir(const QString& dir)
{
    state().currentUserDir = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString ActiveUser()
{
    return state().activeUser;
}
int LanguageId()
{
    return state().languageId;
}
void SetLanguageId(int id)
{
    state().languageId = id;
}
bool NativeLanguage()
{
    return state().nativeLanguage;
}
void SetNativeLanguage(bool on)
{
    state().nativeLanguage = on;
}
int TemperatureScale()
{
    return state().temperatureScale;
}
void SetTemperatureScale(int scale)
{
    state().temperatureScale = scale;
}
bool RestartRequested()
{
    return state().restartRequested;
}
void SetRestartRequested(bool on)
{
    state().restartRequested = on;
}
QString HelpFile()
{
    return state().helpFile;
}
void SetHelpFile(const QString& name)
{
    state().helpFile = name;
}
CalendarSettingsRecord& CalendarSettings()
{
    return state().calendar;
}
CalendarSettingsRecord DefaultCalendarSettings()
{
    return CalendarSettingsRecord();
}

void SetCaptionHandler(std::function<void(const QString&)> handler)
{
    state().captionHandler = std::move(handler);
}

void ResetState()
{
    auto handler = state().captionHandler;
    state() = State();
    state().captionHandler = handler;
}

QString SettingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Veltrana/Ciclara.ini");
}

QString ReadActiveUser()
{
    const QString none = QStringLiteral("None");
    auto s = openSettings();
    const QString k = QStringLiteral("Users/ActiveUser");
    const QString result = s->value(k, none).toString();
    if (result == none) {
        s->setValue(k, none);
        s->sync();
    }
    return result;
}

bool SetActiveUser(const QString& name)
{
    auto s = openSettings();
    bool opened = s->isWritable();
    if (opened) {
        s->setValue(QStringLiteral("Users/ActiveUser"), name);
        opened = writable(*s);
        if (opened)
            state().activeUser = name;
    }
    if (state().captionHandler)
        state().captionHandler(QStringLiteral("Ciclara - ") + state().activeUser);
    return opened;
}

QString ReadSetting(const QString& sub, const QString& value)
{
    auto s = openSettings();
    if (!groupExists(*s, sub))
        return QString();
    return s->value(key(sub, value)).toString();
}

void WriteSetting(const QString& sub, const QString& value, const QString& text)
{
    auto s = openSettings();
    if (!s->isWritable())
        return;
    s->setValue(key(sub, value), text);
    s->sync();
}

void SyncCalendarSettings(SyncDirection direction)
{
    auto s = openSettings();
    CalendarSettingsRecord& rec = state().calendar;
    if (!groupExists(*s, CalKey)) {
        const quint8 scheme = rec.Scheme;
        writeCalendar(*s, DefaultCalendarSettings(), state().nativeLanguage);
        rec = DefaultCalendarSettings();
        rec.Scheme = scheme;
        s->sync();
        return;
    }
    if (direction == SyncDirection::Save) {
        writeCalendar(*s, rec, state().nativeLanguage);
        s->sync();
        return;
    }
    const QString nativeKey = key(CalKey, QStringLiteral("NativeLanguage"));
    if (auto native = readInteger(*s, nativeKey)) {
        state().nativeLanguage = *native != 0;
    } else {
        state().nativeLanguage = false;
        s->setValue(nativeKey, 0);
        s->sync();
    }
    const CalendarSettingsRecord defaults = DefaultCalendarSettings();
    for (const CalValue& cv : calValues) {
        const auto v = readInteger(*s, key(CalKey, QLatin1String(cv.name)));
        if (cv.wide)
            rec.*cv.wideField = v ? *v : defaults.*cv.wideField;
        else
            rec.*cv.byteField = v ? quint8(*v & 0xFF) : defaults.*cv.byteField;
    }
}

void WriteFormBounds(int left, int top, int width, int height)
{
    auto s = openSettings();
    if (!s->isWritable())
        return;
    s->setValue(QStringLiteral("FormBounds/Left"), QString::number(left));
    s->setValue(QStringLiteral("FormBounds/Top"), QString::number(top));
    s->setValue(QStringLiteral("FormBounds/Width"), QString::number(width));
    s->setValue(QStringLiteral("FormBounds/Height"), QString::number(height));
    s->sync();
}

} // namespace Globals
