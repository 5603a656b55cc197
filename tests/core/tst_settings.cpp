// SPDX-License-Identifier: GPL-3.0-or-later
#include "Globals.h"
#include "HotSincingTexts.h"
#include "TestHome.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

using namespace Globals;

class TestSettings : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

    QSettings ini() { return QSettings(SettingsFilePath(), QSettings::IniFormat); }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void readActiveUserOnEmptyStoreWritesNone()
    {
        QVERIFY(!QFile::exists(SettingsFilePath()));
        QCOMPARE(ReadActiveUser(), QStringLiteral("None"));
        QCOMPARE(ini().value("Users/ActiveUser").toString(), QStringLiteral("None"));
    }

    void setActiveUserWritesAndSetsCaption()
    {
        QString caption;
        SetCaptionHandler([&](const QString& c) { caption = c; });
        QVERIFY(SetActiveUser("Maria"));
        QCOMPARE(ActiveUser(), QStringLiteral("Maria"));
        QCOMPARE(ReadActiveUser(), QStringLiteral("Maria"));
        QCOMPARE(caption, QStringLiteral("Ciclara - Maria"));
        SetCaptionHandler(nullptr);
    }

    void setActiveUserOnUnwritableStoreKeepsPreviousCaption()
    {
        QString caption;
        SetCaptionHandler([&](const QString& c) { caption = c; });
        QVERIFY(SetActiveUser("Anna"));
        // A folder where the settings file should be: nothing can be written there.
        QFile::remove(SettingsFilePath());
        QDir().mkpath(SettingsFilePath());
        QVERIFY(!SetActiveUser("Eva"));
        QCOMPARE(caption, QStringLiteral("Ciclara - Anna"));
        QCOMPARE(ActiveUser(), QStringLiteral("Anna"));
        SetCaptionHandler(nullptr);
    }

    void readAndWriteSetting()
    {
        QCOMPARE(ReadSetting("Program", "Language"), QString());
        WriteSetting("Program", "Language", "2");
        QCOMPARE(ReadSetting("Program", "Language"), QStringLiteral("2"));
        QCOMPARE(ReadSetting("Program", "LangChanged"), QString());
        QCOMPARE(ReadSetting("Missing", "Language"), QString());
    }

    void firstLoadWritesDefaults()
    {
        CalendarSettings().Style = 0; // whatever was in memory is replaced
        SyncCalendarSettings(SyncDirection::Load);
        QSettings s = ini();
        const QList<QPair<const char*, qlonglong>> expected = {
            {"NativeLanguage", 0},
            {"StartOfWeek", 1},
            {"Style", 3},
            {"Red2", 255},
            {"Red1", 0},
            {"Green2", 255},
            {"Green1", 150},
            {"Blue2", 255},
            {"Blue1", 200},
            {"CalendarDateFont", 16776960},
            {"CalendarDaysFont", 0},
            {"CalendarSelectedDaysFont", 0x80000008LL},
            {"CalendarTitleFont", 0},
            {"CalendarWeekDaysFont", 16777215},
        };
        for (const auto& [name, value] : expected)
            QCOMPARE(s.value(QStringLiteral("CalProparties/") + QLatin1String(name)).toLongLong(),
                     value);
        QVERIFY(CalendarSettings() == DefaultCalendarSettings());
        // A second load reads back exactly the same record.
        CalendarSettings() = CalendarSettingsRecord();
        CalendarSettings().Red1 = 7;
        SyncCalendarSettings(SyncDirection::Load);
        QVERIFY(CalendarSettings() == DefaultCalendarSettings());
        QCOMPARE(NativeLanguage(), false);
    }

    void loadTakesLowBitsAndFallsBackOnBadValues()
    {
        SyncCalendarSettings(SyncDirection::Load);
        {
            QSettings s = ini();
            s.setValue("CalProparties/Style", 260);
            s.setValue("CalProparties/Red1", "not a number");
            s.remove("CalProparties/Blue2");
            s.setValue("CalProparties/StartOfWeek", 0);
            s.remove("CalProparties/NativeLanguage");
        }
        SetNativeLanguage(true);
        SyncCalendarSettings(SyncDirection::Load);
        QCOMPARE(int(CalendarSettings().Style), 4);
        QCOMPARE(int(CalendarSettings().Red1), 0);
        QCOMPARE(int(CalendarSettings().Blue2), 255);
        QCOMPARE(int(CalendarSettings().StartOfWeek), 0);
        QCOMPARE(NativeLanguage(), false);
        QCOMPARE(ini().value("CalProparties/NativeLanguage").toInt(), 0);
    }

    void saveWritesMemoryAndVanishedKeyResetsToDefaults()
    {
        SyncCalendarSettings(SyncDirection::Load);
        CalendarSettings().StartOfWeek = 0;
        CalendarSettings().CalendarDaysFont = 0x123456;
        SetNativeLanguage(true);
        SyncCalendarSettings(SyncDirection::Save);
        QCOMPARE(ini().value("CalProparties/StartOfWeek").toInt(), 0);
        QCOMPARE(ini().value("CalProparties/CalendarDaysFont").toInt(), 0x123456);
        QCOMPARE(ini().value("CalProparties/NativeLanguage").toInt(), 1);

        ini().remove("CalProparties");
        CalendarSettings().StartOfWeek = 5;
        SyncCalendarSettings(SyncDirection::Save);
        QVERIFY(CalendarSettings() == DefaultCalendarSettings());
        QCOMPARE(ini().value("CalProparties/StartOfWeek").toInt(), 1);
        QCOMPARE(NativeLanguage(), true);
    }

    void formBoundsAreDecimalStrings()
    {
        WriteFormBounds(10, 20, 755, 570);
        QSettings s = ini();
        QCOMPARE(s.value("FormBounds/Left").toString(), QStringLiteral("10"));
        QCOMPARE(s.value("FormBounds/Height").toString(), QStringLiteral("570"));
    }

    void dataRootComesFromEnvironment()
    {
        QCOMPARE(ProgramDir(), m_home->dataRoot());
        QCOMPARE(CurrentUserDir(), m_home->dataRoot() + QStringLiteral("Data/"));
    }

    void dataRootIsMadePrivate()
    {
        const QString root = m_home->path() + QStringLiteral("/fresh/root/");
        qputenv("CICLARA_HOME", QFile::encodeName(root));
        QVERIFY(EnsureDataRoot());
        QVERIFY(QFileInfo(root).isDir());
        QCOMPARE(QFile::permissions(root) &
                     (QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther),
                 QFile::Permissions());
        // An existing folder keeps its permissions.
        QFile::setPermissions(root, QFile::permissions(root) | QFile::ReadOther);
        QVERIFY(EnsureDataRoot());
        QVERIFY(QFile::permissions(root) & QFile::ReadOther);
    }

    void textsAndFormatting()
    {
        QCOMPARE(Res::Text("CiclaraWarning"), QStringLiteral("Ciclara Error"));
        QCOMPARE(Res::Text("ExistingUserError", {"Maria"}),
                 QStringLiteral("The Maria already exists.\nPlease choose another name."));
        QCOMPARE(Res::Format("a %f b %.1f c %.2f %s", {1.5, 2.26, 3.14159, "x"}),
                 QStringLiteral("a 1.50 b 2.3 c 3.14 x"));
        QCOMPARE(Res::Format("%s and %s", {"one"}), QStringLiteral("one and %s"));
        QCOMPARE(Res::Text("NoSuchLabel"), QString());
        QVERIFY(Res::Text("NameDelimiterError").endsWith(QStringLiteral("\\ / : * ? \" < > | ")));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
