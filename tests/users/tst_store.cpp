// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraTable.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "TestHome.h"
#include "UserStore.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace UserStore;

class TestStore : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

    QString root() const { return Globals::ProgramDir(); }
    void touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QString cyclePath()
    {
        Globals::SetCurrentUserDir(root() + QStringLiteral("Maria/"));
        QDir().mkpath(root() + QStringLiteral("Maria"));
        [&] { QVERIFY(CreateMissingTables()); }();
        return root() + QStringLiteral("Maria/Cycle.dat");
    }
    void addCycle(CiclaraTable& t, const QDate& d, int menz, int len)
    {
        t.insert();
        t.setValue("Date", d);
        t.setValue("MenzLength", menz);
        t.setValue("CycleLength", len);
        QVERIFY2(t.post(), qPrintable(t.errorString()));
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void createMissingTablesIsIdempotentAndFillsGaps()
    {
        const QString dir = root() + QStringLiteral("Eva/");
        QDir().mkpath(dir);
        Globals::SetCurrentUserDir(dir);
        // Only Cycle.dat, with one record in it.
        CiclaraTable cycle(Schema::Cycle());
        cycle.setFileName(dir + "Cycle.dat");
        QVERIFY(cycle.create());
        QVERIFY(cycle.open());
        addCycle(cycle, QDate(2002, 3, 1), 5, 28);
        cycle.close();
        const QDateTime before = QFileInfo(dir + "Cycle.dat").lastModified();

        CiclaraTable table;
        QVERIFY(CreateMissingTables(&table));
        for (const TableDef* def : Schema::All())
            QVERIFY2(QFileInfo(dir + def->fileName).isFile(), qPrintable(def->fileName));
        QCOMPARE(table.fileName(), dir + QStringLiteral("System.dat"));
        QCOMPARE(QFileInfo(dir + "Cycle.dat").lastModified(), before);
        QVERIFY(cycle.open());
        QCOMPARE(cycle.recordCount(), 1);
        cycle.close();

        // With a record in every table, another pass leaves each of them alone.
        cycle.close();
        for (const TableDef* def : Schema::All()) {
            if (def->fileName == QLatin1String("Cycle.dat"))
                continue;
            CiclaraTable t(*def);
            t.setFileName(dir + def->fileName);
            QVERIFY(t.open());
            t.insert();
            t.setValue(def->keyField, def->keyField == "Date" ? QVariant(QDate(2002, 3, 1))
                                                              : QVariant(QStringLiteral("1")));
            QVERIFY(t.post());
        }
        QVERIFY(CreateMissingTables());
        for (const TableDef* def : Schema::All()) {
            CiclaraTable t(*def);
            t.setFileName(dir + def->fileName);
            QVERIFY(t.open());
            QVERIFY2(t.recordCount() == 1, qPrintable(def->fileName));
        }
    }

    void aRecordWithoutKeyIsAKeyToo()
    {
        const QString dir = root() + QStringLiteral("Eva/");
        QDir().mkpath(dir);
        Globals::SetCurrentUserDir(dir);
        QVERIFY(CreateMissingTables());
        CiclaraTable t(Schema::Temperatures());
        t.setFileName(dir + "Temperatures.dat");
        QVERIFY(t.open());
        t.insert(); // the date of a temperature may be left empty, once
        t.setValue("Temperature", 97.7);
        QVERIFY(t.post());
        t.edit();
        t.setValue("Temperature", 97.9);
        QVERIFY(t.post());
        t.insert();
        t.setValue("Temperature", 98.1);
        QVERIFY(!t.post());
        t.cancel();
        QCOMPARE(t.recordCount(), 1);
    }

    void eachPrimaryKeyRefusesADuplicate_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("Cycle") << "Cycle.dat";
        QTest::newRow("Pills") << "Pills.dat";
        QTest::newRow("Temperatures") << "Temperatures.dat";
        QTest::newRow("System") << "System.dat";
    }
    void eachPrimaryKeyRefusesADuplicate()
    {
        QFETCH(QString, file);
        const QString dir = root() + QStringLiteral("Eva/");
        QDir().mkpath(dir);
        Globals::SetCurrentUserDir(dir);
        QVERIFY(CreateMissingTables());
        const TableDef* def = nullptr;
        for (const TableDef* d : Schema::All())
            if (d->fileName == file)
                def = d;
        CiclaraTable t(*def);
        t.setFileName(dir + file);
        QVERIFY(t.open());
        const QVariant key = def->keyField == "Date" ? QVariant(QDate(2002, 3, 1))
                                                     : QVariant(QStringLiteral("1.1.1.0"));
        t.insert();
        t.setValue(def->keyField, key);
        QVERIFY(t.post());
        t.insert();
        t.setValue(def->keyField, key);
        QVERIFY(!t.post());
        QVERIFY(!t.errorString().isEmpty());
        t.cancel();
        QCOMPARE(t.recordCount(), 1);
    }

    void fieldsKeepTheirTypes()
    {
        CiclaraTable t(Schema::Cycle());
        t.setFileName(cyclePath());
        QVERIFY(t.open());
        t.insert(); // Date is required
        t.setValue("CycleLength", 28);
        QVERIFY(!t.post());
        t.cancel();
        t.insert(); // CycleLength is 16-bit unsigned
        t.setValue("Date", QDate(2002, 1, 1));
        t.setValue("CycleLength", 70000);
        QVERIFY(!t.post());
        t.cancel();

        CiclaraTable sys(Schema::System());
        sys.setFileName(root() + "Maria/System.dat");
        QVERIFY(sys.open());
        sys.insert();
        sys.setValue("Version", "1");
        sys.setValue("Password", QString(21, QLatin1Char('x')));
        QVERIFY(!sys.post());
        sys.setValue("Password", QString(20, QLatin1Char('x')));
        QVERIFY(sys.post());
        QCOMPARE(sys.stringValue("Password").size(), 20);
        QCOMPARE(sys.boolValue("SavedPassword"), false); // empty reads as false
        QCOMPARE(sys.intValue("TemperatureType"), 0);
        QVERIFY(sys.value("TemperatureType").isNull());
    }

    void walksInKeyOrderWithCurrentRecordAndBookmarks()
    {
        CiclaraTable t(Schema::Cycle());
        t.setFileName(cyclePath());
        QVERIFY(t.open());
        addCycle(t, QDate(2002, 3, 1), 5, 28);
        addCycle(t, QDate(2002, 1, 1), 5, 28);
        addCycle(t, QDate(2002, 2, 1), 4, 28);
        QCOMPARE(t.dateValue("Date"), QDate(2002, 2, 1)); // the new record is current
        QCOMPARE(t.recNo(), 1);

        QVERIFY(t.first());
        QCOMPARE(t.dateValue("Date"), QDate(2002, 1, 1));
        QVERIFY(!t.prior());
        QVERIFY(t.bof());
        QVERIFY(t.next());
        QVERIFY(t.next());
        QVERIFY(!t.next());
        QVERIFY(t.eof());
        QCOMPARE(t.dateValue("Date"), QDate(2002, 3, 1));

        const auto bm = t.bookmark();
        QVERIFY(t.locate(QDate(2002, 2, 1)));
        QCOMPARE(t.intValue("MenzLength"), 4);
        QVERIFY(!t.locate(QDate(2002, 2, 2)));
        QVERIFY(t.gotoBookmark(bm));
        QCOMPARE(t.dateValue("Date"), QDate(2002, 3, 1));

        t.edit();
        t.setValue("CycleLength", 31);
        QVERIFY(t.post());
        QCOMPARE(t.intValue("CycleLength"), 31);

        // Deleting the middle makes the next current; deleting the newest, the new newest.
        QVERIFY(t.locate(QDate(2002, 2, 1)));
        QVERIFY(t.deleteRecord());
        QCOMPARE(t.dateValue("Date"), QDate(2002, 3, 1));
        QVERIFY(t.deleteRecord());
        QCOMPARE(t.dateValue("Date"), QDate(2002, 1, 1));
        QVERIFY(t.deleteRecord());
        QVERIFY(t.isEmpty());
        QCOMPARE(t.recNo(), -1);
    }

    void changeNotificationAndSuspendedDisplays()
    {
        CiclaraTable t(Schema::Cycle());
        t.setFileName(cyclePath());
        QSignalSpy spy(&t, &CiclaraTable::dataChanged);
        QVERIFY(t.open());
        QCOMPARE(spy.count(), 1);
        addCycle(t, QDate(2002, 1, 1), 5, 28);
        addCycle(t, QDate(2002, 2, 1), 5, 28);
        QCOMPARE(spy.count(), 3);
        spy.clear();
        t.disableControls();
        t.first();
        t.next();
        t.disableControls();
        t.enableControls();
        QCOMPARE(spy.count(), 0);
        t.enableControls();
        QCOMPARE(spy.count(), 1);
    }

    void transactionRollsBackEveryRecord()
    {
        CiclaraTable t(Schema::Cycle());
        t.setFileName(cyclePath());
        QVERIFY(t.open());
        addCycle(t, QDate(2002, 1, 1), 5, 28);
        QVERIFY(t.transaction());
        addCycle(t, QDate(2002, 2, 1), 5, 28);
        t.first();
        t.edit();
        t.setValue("CycleLength", 31);
        QVERIFY(t.post());
        QVERIFY(t.rollback());
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.intValue("CycleLength"), 28);
        QVERIFY(t.emptyTable());
        QVERIFY(t.isEmpty());
        t.close();
        QVERIFY(t.open());
        QVERIFY(t.isEmpty());
    }

    void defaultUserRecord()
    {
        MessageAnswerer answers;
        QVERIFY(CreateDefaultUser("Noname"));
        QVERIFY(answers.shown().isEmpty());
        QCOMPARE(GetProductVersion(), QStringLiteral("303"));
        CiclaraTable sys(Schema::System());
        sys.setFileName(root() + "Noname/System.dat");
        QVERIFY(sys.open());
        QCOMPARE(sys.recordCount(), 1);
        QCOMPARE(sys.stringValue("Version"), QStringLiteral("303.1.1.0"));
        QCOMPARE(sys.stringValue("Password"), QString());
        QCOMPARE(sys.boolValue("SavedPassword"), true);
        QCOMPARE(sys.boolValue("FullRights"), true);
        QCOMPARE(sys.intValue("TemperatureType"), 0);
        QCOMPARE(Globals::CurrentUserDir(), root() + QStringLiteral("Noname/"));
        QCOMPARE(ListUsers(), QStringList{"Noname"});
    }

    void existingFolderRefusesUserAndIsNotListed()
    {
        QDir().mkpath(root() + "Ghost");
        touch(root() + "Data/Cycle.dat");
        touch(root() + "Real/Cycle.dat");
        touch(root() + "plainfile");
        QCOMPARE(ListUsers(), QStringList{"Real"});

        MessageAnswerer answers;
        QVERIFY(!CreateDefaultUser("Ghost"));
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.lastText(), Res::Text("ExistingUserError", {"Ghost"}));
        QCOMPARE(answers.shown().first().kind, int(Msg::Information));
        QVERIFY(!QFile::exists(root() + "Ghost/System.dat"));
    }

    void invalidNamesNeverBecomePaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Maria" << true;
        QTest::newRow("spaces inside") << "Anna Maria" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dotdot") << ".." << false;
        QTest::newRow("Data") << "Data" << false;
        QTest::newRow("slash") << "../x" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("colon") << "a:b" << false;
        QTest::newRow("star") << "a*" << false;
        QTest::newRow("question") << "a?" << false;
        QTest::newRow("quote") << "a\"" << false;
        QTest::newRow("less") << "a<" << false;
        QTest::newRow("greater") << "a>" << false;
        QTest::newRow("bar") << "a|" << false;
        QTest::newRow("newline") << "a\nb" << false;
    }
    void invalidNamesNeverBecomePaths()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(IsValidUserName(name), valid);
        QCOMPARE(UserFolder(name).isEmpty(), !valid);
    }

    void deletingUserKeepsBackupFolder()
    {
        MessageAnswerer answers;
        QVERIFY(CreateDefaultUser("Eva"));
        touch(root() + "Eva/SincRpt.log");
        touch(root() + "Eva/Backup/Cycle.dat");
        QVERIFY(DeleteUserData("Eva"));
        QVERIFY(!QFile::exists(root() + "Eva/Cycle.dat"));
        QVERIFY(!QFile::exists(root() + "Eva/SincRpt.log"));
        QVERIFY(QFile::exists(root() + "Eva/Backup/Cycle.dat"));
        QVERIFY(ListUsers().isEmpty());

        QVERIFY(CreateDefaultUser("Lea"));
        QVERIFY(DeleteUserData("Lea"));
        QVERIFY(!QFileInfo::exists(root() + "Lea"));
        QVERIFY(DeleteUserData("Nobody")); // nothing there: nothing to do
    }

    void monthAndPillQueries()
    {
        const QString dir = root() + QStringLiteral("Eva/");
        QDir().mkpath(dir);
        Globals::SetCurrentUserDir(dir);
        QVERIFY(CreateMissingTables());
        CiclaraTable t(Schema::Pills());
        t.setFileName(dir + "Pills.dat");
        QVERIFY(t.open());
        const QList<QPair<QDate, bool>> days = {{QDate(2002, 2, 28), true},
                                                {QDate(2002, 3, 1), false},
                                                {QDate(2002, 3, 15), true},
                                                {QDate(2002, 4, 1), false},
                                                {QDate(2002, 4, 2), true}};
        for (const auto& [d, pill] : days) {
            t.insert();
            t.setValue("Date", d);
            t.setValue("Pill", pill);
            t.setValue("PillTime", QTime(8, 30));
            t.setValue("Note", "n");
            QVERIFY(t.post());
        }
        t.close();
        const QString path = dir + "Pills.dat";
        const auto month = SelectMonth(path, QDate(2002, 3, 1), QDate(2002, 4, 1));
        QCOMPARE(month.size(), 3);
        QCOMPARE(month.first().value("Date").toDate(), QDate(2002, 3, 1));
        QCOMPARE(month.last().value("Date").toDate(), QDate(2002, 4, 1));
        QCOMPARE(month.at(1).value("PillTime").toTime(), QTime(8, 30));

        const auto pills = SelectPillDays(path);
        QCOMPARE(pills.size(), 3);

        QVERIFY(DeleteMonth(path, QDate(2002, 3, 1), QDate(2002, 4, 1)));
        QVERIFY(t.open());
        QCOMPARE(t.recordCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
