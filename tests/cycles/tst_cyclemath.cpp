// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraTable.h"
#include "CycleMath.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "PredictionLogic.h"
#include "TestHome.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace Cycles;

namespace {

QDate d(const char* iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// Rows written as "yyyy-MM-dd menz length" and joined by ", ".
QString dump(const CiclaraTable& t)
{
    QStringList rows;
    for (int i = 0; i < t.recordCount(); ++i) {
        const QVariantMap r = t.recordAt(i);
        rows << QStringLiteral("%1 %2 %3")
                    .arg(r.value("Date").toDate().toString(Qt::ISODate))
                    .arg(r.value("MenzLength").toInt())
                    .arg(r.value("CycleLength").toInt());
    }
    return rows.join(QStringLiteral(", "));
}

} // namespace

class TestCycleMath : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MessageAnswerer> m_messages;
    std::unique_ptr<CiclaraTable> m_table;
    QString m_path;

    // An open Cycle.dat holding the rows of the same form dump() writes.
    void fill(const QString& rows)
    {
        for (const QString& row : rows.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const QStringList f = row.split(QLatin1Char(' '));
            m_table->insert();
            m_table->setValue("Date", QDate::fromString(f.at(0), Qt::ISODate));
            m_table->setValue("MenzLength", f.at(1).toInt());
            m_table->setValue("CycleLength", f.at(2).toInt());
            QVERIFY2(m_table->post(), qPrintable(m_table->errorString()));
        }
    }
    // What another connection reads from the file: the committed state.
    QString dumpFromDisk()
    {
        CiclaraTable other(Schema::Cycle());
        other.setFileName(m_path);
        if (!other.open())
            return QStringLiteral("cannot open: ") + other.errorString();
        return dump(other);
    }
    // Makes the table engine refuse a statement, as a full disk or a lock would.
    void addTrigger(const QString& sql)
    {
        const QString conn = Db::OpenConnection(m_path);
        QVERIFY(!conn.isEmpty());
        {
            QSqlQuery q(QSqlDatabase::database(conn, false));
            QVERIFY(q.exec(sql));
        }
        Db::CloseConnection(conn);
    }
    QDate currentDate() const { return m_table->dateValue("Date"); }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_messages = std::make_unique<MessageAnswerer>();
        QDir().mkpath(Globals::ProgramDir() + "Maria");
        m_path = Globals::ProgramDir() + "Maria/Cycle.dat";
        m_table = std::make_unique<CiclaraTable>(Schema::Cycle());
        m_table->setFileName(m_path);
        QVERIFY(m_table->create());
        QVERIFY(m_table->open());
    }
    void cleanup()
    {
        m_table.reset();
        m_messages.reset();
        m_home.reset();
    }

    void derivedDays_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("ovulationStart");
        QTest::newRow("28") << 28 << 13;
        QTest::newRow("29") << 29 << 13;
        QTest::newRow("30") << 30 << 14;
        QTest::newRow("15") << 15 << 6;
        QTest::newRow("1") << 1 << 0;
    }
    void derivedDays()
    {
        QFETCH(int, length);
        QFETCH(int, ovulationStart);
        QCOMPARE(OvulationStartDay(length), ovulationStart);
        const QDate start = d("2002-03-01");
        QCOMPARE(EndDate(start, length), start.addDays(length));
        QCOMPARE(LastCycleDay(start, length), start.addDays(length - 1));
        QCOMPARE(OvulationFirstDay(start, length), start.addDays(ovulationStart));
        QCOMPARE(OvulationLastDay(start, length), start.addDays(ovulationStart + 5));
    }

    void windowsOfATwentyEightDayCycle()
    {
        const QDate start = d("2002-03-01");
        QCOMPARE(OvulationFirstDay(start, 28), d("2002-03-14"));
        QCOMPARE(OvulationLastDay(start, 28), d("2002-03-19"));
        QVERIFY(!IsOvulationDay(start, 28, d("2002-03-13")));
        QVERIFY(IsOvulationDay(start, 28, d("2002-03-14")));
        QVERIFY(IsOvulationDay(start, 28, d("2002-03-19")));
        QVERIFY(!IsOvulationDay(start, 28, d("2002-03-20")));
        QCOMPARE(LastPeriodDay(start, 5), d("2002-03-05"));
        QVERIFY(IsPeriodDay(start, 5, start));
        QVERIFY(IsPeriodDay(start, 5, d("2002-03-05")));
        QVERIFY(!IsPeriodDay(start, 5, d("2002-03-06")));
        QVERIFY(!IsPeriodDay(start, 5, d("2002-02-28")));
        QVERIFY(!IsPeriodDay(start, 0, start));
    }

    void periodRule_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("cycle");
        QTest::addColumn<bool>("fits");
        QTest::newRow("10 of 20") << 10 << 20 << true;
        QTest::newRow("11 of 21") << 11 << 21 << false;
        QTest::newRow("0 of 28") << 0 << 28 << true;
        QTest::newRow("15 of 28") << 15 << 28 << false;
        QTest::newRow("no overflow") << 2000000000 << 28 << false;
    }
    void periodRule()
    {
        QFETCH(int, period);
        QFETCH(int, cycle);
        QFETCH(bool, fits);
        QCOMPARE(PeriodFits(period, cycle), fits);
    }

    void validLengths_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("cycle");
        QTest::addColumn<bool>("valid");
        QTest::newRow("usual") << 5 << 28 << true;
        QTest::newRow("period 0") << 0 << 28 << true;
        QTest::newRow("negative period") << -1 << 28 << false;
        QTest::newRow("period beyond 16 bits") << 32768 << 65535 << false;
        QTest::newRow("cycle 0") << 0 << 0 << false;
        QTest::newRow("cycle 65535") << 5 << 65535 << true;
        QTest::newRow("cycle 65536") << 5 << 65536 << false;
    }
    void validLengths()
    {
        QFETCH(int, period);
        QFETCH(int, cycle);
        QFETCH(bool, valid);
        QCOMPARE(ValidLengths(period, cycle), valid);
    }

    void averageCycleLength_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("average");
        QTest::newRow("28 29 30") << "2001-01-01 5 28, 2001-01-29 5 29, 2001-02-27 5 30" << 29;
        QTest::newRow("28 29 truncates") << "2001-01-01 5 28, 2001-01-29 5 29" << 28;
        QTest::newRow("empty") << "" << 28;
        QTest::newRow("large lengths") << "1900-01-01 5 65535, 2080-06-08 5 65535" << 65535;
    }
    void averageCycleLength()
    {
        QFETCH(QString, rows);
        QFETCH(int, average);
        fill(rows);
        if (!m_table->isEmpty())
            QVERIFY(m_table->moveTo(0));
        const int before = m_table->recNo();
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);
        QCOMPARE(AverageCycleLength(*m_table), average);
        QCOMPARE(m_table->recNo(), before);
        QCOMPARE(changes.count(), 1);
    }

    void averageOfAClosedTableIsTheDefault()
    {
        fill("2001-01-01 5 30");
        m_table->close();
        QCOMPARE(AverageCycleLength(*m_table), 28);
    }

    void storeNewCycle_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("storedLength");

        QTest::newRow("empty table") << "" << d("2002-03-01") << 5 << 28 << "2002-03-01 5 28" << 28;
        QTest::newRow("30 days after the newest") << "2002-01-01 5 28" << d("2002-01-31") << 5 << 28
                                                  << "2002-01-01 5 30, 2002-01-31 5 28" << 28;
        QTest::newRow("between two")
            << "2002-01-01 5 28, 2002-01-29 6 28" << d("2002-01-11") << 4 << 28
            << "2002-01-01 5 10, 2002-01-11 4 18, 2002-01-29 6 28" << 18;
        QTest::newRow("25 days before the oldest")
            << "2002-01-01 5 28" << d("2001-12-07") << 5 << 30 << "2001-12-07 5 25, 2002-01-01 5 28"
            << 25;
        QTest::newRow("predicted date after two")
            << "2001-01-01 5 28, 2001-01-29 5 28" << d("2001-02-26") << 5 << 28
            << "2001-01-01 5 28, 2001-01-29 5 28, 2001-02-26 5 28" << 28;
        QTest::newRow("period 0") << "" << d("2002-03-01") << 0 << 21 << "2002-03-01 0 21" << 21;
    }
    void storeNewCycle()
    {
        QFETCH(QString, before);
        QFETCH(QDate, start);
        QFETCH(int, period);
        QFETCH(int, length);
        QFETCH(QString, after);
        QFETCH(int, storedLength);
        fill(before);
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);

        const StoreResult r = StoreNewCycle(*m_table, start, period, length, Msg::Warning);
        QVERIFY(r.stored());
        QCOMPARE(r.date, start);
        QCOMPARE(r.period, period);
        QCOMPARE(r.cycleLength, storedLength);
        QCOMPARE(dump(*m_table), after);
        QCOMPARE(dumpFromDisk(), after);
        QCOMPARE(currentDate(), start);
        QCOMPARE(m_table->intValue("CycleLength"), storedLength);
        QCOMPARE(changes.count(), 1);
        QVERIFY(m_messages->shown().isEmpty());
    }

    void existingDateIsRefused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("from the add dialog") << int(Msg::Warning);
        QTest::newRow("from a prediction") << int(Msg::Information);
    }
    void existingDateIsRefused()
    {
        QFETCH(int, kind);
        const QString rows = "2001-01-01 5 28, 2001-01-29 5 30";
        fill(rows);
        QVERIFY(m_table->moveTo(0));
        const StoreResult r = StoreNewCycle(*m_table, d("2001-01-29"), 4, 21, kind);
        QCOMPARE(r.status, StoreResult::Exists);
        QCOMPARE(dumpFromDisk(), rows);
        QCOMPARE(currentDate(), d("2001-01-01"));
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().text, Res::Text("CycleExistsError"));
        QCOMPARE(m_messages->shown().first().kind, kind);
        QCOMPARE(m_messages->shown().first().buttons, Msg::OkSet);
    }

    void recordRefusedByTheTable()
    {
        const QString rows = "2001-01-01 5 28";
        fill(rows);
        addTrigger("CREATE TRIGGER refuse BEFORE INSERT ON Cycle "
                   "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        const StoreResult r = StoreNewCycle(*m_table, d("2001-01-29"), 5, 28, Msg::Information);
        QCOMPARE(r.status, StoreResult::Refused);
        QCOMPARE(dump(*m_table), rows);
        QCOMPARE(dumpFromDisk(), rows);
        QCOMPARE(m_table->state(), CiclaraTable::State::Browse);
        QCOMPARE(m_messages->lastText(), Res::Text("CycleExistsError"));
        QCOMPARE(m_messages->shown().first().kind, int(Msg::Information));
    }

    void invalidLengthsChangeNothing_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::newRow("cycle 0") << 5 << 0;
        QTest::newRow("cycle beyond 16 bits") << 5 << 70000;
        QTest::newRow("negative period") << -1 << 28;
    }
    void invalidLengthsChangeNothing()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        fill("2001-01-01 5 28");
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);
        const StoreResult r = StoreNewCycle(*m_table, d("2001-02-01"), period, length, 0);
        QCOMPARE(r.status, StoreResult::InvalidLengths);
        QCOMPARE(dumpFromDisk(), QStringLiteral("2001-01-01 5 28"));
        QCOMPARE(changes.count(), 0);
        QVERIFY(m_messages->shown().isEmpty());
    }

    // The insert and the new record's length are written, then the earlier neighbour's
    // write fails: nothing of the change may remain.
    void failureHalfWayLeavesTheTableAsItWas()
    {
        const QString rows = "2001-01-01 5 28, 2001-01-29 5 28";
        fill(rows);
        QVERIFY(m_table->moveTo(1));
        addTrigger("CREATE TRIGGER refuse BEFORE UPDATE ON Cycle WHEN OLD.Date = '2001-01-01' "
                   "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        const StoreResult r = StoreNewCycle(*m_table, d("2001-01-11"), 5, 28, Msg::Warning);
        QCOMPARE(r.status, StoreResult::Failed);
        QVERIFY(!r.stored());
        QCOMPARE(dump(*m_table), rows);
        QCOMPARE(dumpFromDisk(), rows);
        QCOMPARE(currentDate(), d("2001-01-29"));
        QCOMPARE(m_table->state(), CiclaraTable::State::Browse);
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().kind, int(Msg::Error));
        QVERIFY(m_messages->lastText().contains("disk full"));
        // The table is still usable afterwards.
        m_messages->clear();
        addTrigger("DROP TRIGGER refuse");
        QVERIFY(StoreNewCycle(*m_table, d("2001-01-11"), 5, 28, Msg::Warning).stored());
        QCOMPARE(dumpFromDisk(),
                 QStringLiteral("2001-01-01 5 10, 2001-01-11 5 18, 2001-01-29 5 28"));
    }

    // A cycle length is 16 bits unsigned: a neighbour further than 65535 days away
    // cannot be measured and must not be stored cut short.
    void neighbourTooFarIsRefused_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QDate>("start");
        QTest::newRow("earlier neighbour") << "1900-01-01 5 28" << QDate(2080, 1, 1);
        QTest::newRow("later neighbour") << "2080-01-01 5 28" << QDate(1900, 1, 1);
        // The later write succeeds first; the earlier one is then out of range.
        QTest::newRow("earlier after later")
            << "1900-01-01 5 28, 2100-01-01 5 28" << QDate(2090, 1, 1);
    }
    void neighbourTooFarIsRefused()
    {
        QFETCH(QString, rows);
        QFETCH(QDate, start);
        fill(rows);
        const StoreResult r = StoreNewCycle(*m_table, start, 5, 28, Msg::Warning);
        QCOMPARE(r.status, StoreResult::TooFar);
        QCOMPARE(dump(*m_table), rows);
        QCOMPARE(dumpFromDisk(), rows);
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().kind, int(Msg::Error));
    }

    void storeOnAClosedTableDoesNothing()
    {
        m_table->close();
        QCOMPARE(StoreNewCycle(*m_table, d("2001-01-01"), 5, 28, 0).status, StoreResult::NotOpen);
        QCOMPARE(dumpFromDisk(), QString());
    }

    void deleteCurrentCycle_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QDate>("current");
        QTest::newRow("middle") << "2001-01-01 5 28, 2001-01-29 5 30, 2001-02-28 5 28" << 1
                                << "2001-01-01 5 58, 2001-02-28 5 28" << d("2001-02-28");
        QTest::newRow("newest of two")
            << "2001-01-01 5 28, 2001-01-29 5 31" << 1 << "2001-01-01 5 28" << d("2001-01-01");
        QTest::newRow("newest of three") << "2001-01-01 5 28, 2001-01-29 5 30, 2001-02-28 5 28" << 2
                                         << "2001-01-01 5 28, 2001-01-29 5 30" << d("2001-01-29");
        QTest::newRow("oldest") << "2001-01-01 5 28, 2001-01-29 5 30, 2001-02-28 5 28" << 0
                                << "2001-01-29 5 30, 2001-02-28 5 28" << d("2001-01-29");
        QTest::newRow("only one") << "2001-01-01 5 28" << 0 << "" << QDate();
    }
    void deleteCurrentCycle()
    {
        QFETCH(QString, before);
        QFETCH(int, index);
        QFETCH(QString, after);
        QFETCH(QDate, current);
        fill(before);
        QVERIFY(m_table->moveTo(index));
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);
        QVERIFY(DeleteCurrentCycle(*m_table));
        QCOMPARE(dump(*m_table), after);
        QCOMPARE(dumpFromDisk(), after);
        QCOMPARE(currentDate(), current);
        QCOMPARE(changes.count(), 1);
        QVERIFY(m_messages->shown().isEmpty());
    }

    void failedDeleteRestoresTheCycle()
    {
        const QString rows = "2001-01-01 5 28, 2001-01-29 5 30, 2001-02-28 5 28";
        fill(rows);
        QVERIFY(m_table->moveTo(1));
        addTrigger("CREATE TRIGGER refuse BEFORE UPDATE ON Cycle "
                   "BEGIN SELECT RAISE(ABORT, 'locked'); END");
        QVERIFY(!DeleteCurrentCycle(*m_table));
        QCOMPARE(dump(*m_table), rows);
        QCOMPARE(dumpFromDisk(), rows);
        QCOMPARE(currentDate(), d("2001-01-29"));
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(m_messages->shown().first().kind, int(Msg::Error));
    }

    void deleteRefusesALengthBeyondSixteenBits()
    {
        const QString rows = "1900-01-01 5 40000, 2009-07-08 5 40000, 2119-01-01 5 28";
        fill(rows);
        QVERIFY(m_table->moveTo(1));
        QVERIFY(!DeleteCurrentCycle(*m_table));
        QCOMPARE(dumpFromDisk(), rows);
        QCOMPARE(currentDate(), d("2009-07-08"));
        QCOMPARE(m_messages->shown().size(), 1);
    }

    void deletesDoNothingOnAClosedOrEmptyTable()
    {
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);
        QVERIFY(!DeleteCurrentCycle(*m_table));
        QVERIFY(!DeleteAllCycles(*m_table));
        QCOMPARE(changes.count(), 0);
        fill("2001-01-01 5 28");
        m_table->close();
        QVERIFY(!DeleteCurrentCycle(*m_table));
        QVERIFY(!DeleteAllCycles(*m_table));
        QVERIFY(!m_table->isOpen());
        QCOMPARE(dumpFromDisk(), QStringLiteral("2001-01-01 5 28"));
    }

    void deleteAllCycles()
    {
        fill("2001-01-01 5 28, 2001-01-29 5 30, 2001-02-28 5 28");
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);
        QVERIFY(DeleteAllCycles(*m_table));
        QVERIFY(m_table->isOpen());
        QVERIFY(m_table->isEmpty());
        QCOMPARE(dumpFromDisk(), QString());
        QCOMPARE(changes.count(), 1);
        // Structure kept: a new cycle can be stored.
        QVERIFY(StoreNewCycle(*m_table, d("2002-01-01"), 5, 28, 0).stored());
    }

    void predictionOpening_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("average");
        QTest::addColumn<QDate>("base");
        QTest::addColumn<QDate>("end");
        QTest::newRow("two cycles") << "2001-01-01 5 28, 2001-01-29 5 28" << d("2001-06-01")
                                    << d("2001-01-29") << 28 << d("2001-01-28") << d("2001-03-29");
        QTest::newRow("no cycles")
            << "" << d("2002-05-10") << d("2002-05-10") << 28 << d("2002-05-09") << d("2002-07-08");
        QTest::newRow("average 30") << "2001-01-01 5 29, 2001-01-30 5 31" << d("2001-06-01")
                                    << d("2001-01-30") << 30 << d("2001-01-29") << d("2001-04-01");
    }
    void predictionOpening()
    {
        QFETCH(QString, rows);
        QFETCH(QDate, today);
        QFETCH(QDate, start);
        QFETCH(int, average);
        QFETCH(QDate, base);
        QFETCH(QDate, end);
        fill(rows);
        if (!m_table->isEmpty())
            QVERIFY(m_table->moveTo(0));
        const int before = m_table->recNo();
        QSignalSpy changes(m_table.get(), &CiclaraTable::dataChanged);
        const Prediction::Opening o = Prediction::OpeningValues(*m_table, today);
        QCOMPARE(o.start, start);
        QCOMPARE(o.average, average);
        QCOMPARE(o.base, base);
        QCOMPARE(o.end, end);
        QCOMPARE(m_table->recNo(), before);
        QCOMPARE(changes.count(), 1);
    }

    void predictionOpeningOnAClosedTableUsesToday()
    {
        fill("2001-01-01 5 30");
        m_table->close();
        const Prediction::Opening o = Prediction::OpeningValues(*m_table, d("2002-05-10"));
        QCOMPARE(o.start, d("2002-05-10"));
        QCOMPARE(o.average, 28);
    }

    void predictStarts_data()
    {
        QTest::addColumn<QDate>("base");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("dates");
        QTest::newRow("as opened after two cycles")
            << d("2001-01-28") << d("2001-01-29") << d("2001-03-29") << 28
            << "2001-01-29 2001-02-26 2001-03-26";
        QTest::newRow("as opened without cycles")
            << d("2002-05-09") << d("2002-05-10") << d("2002-07-08") << 28
            << "2002-05-10 2002-06-07 2002-07-05";
        QTest::newRow("start moved to 1 March")
            << d("2001-01-28") << d("2001-03-01") << d("2001-03-29") << 28 << "2001-03-26";
        QTest::newRow("start on a series date") << d("2001-01-28") << d("2001-02-26")
                                                << d("2001-03-26") << 28 << "2001-02-26 2001-03-26";
        QTest::newRow("nothing fits")
            << d("2001-01-28") << d("2001-03-01") << d("2001-03-20") << 28 << "";
        QTest::newRow("length 99 lists one")
            << d("2001-01-28") << d("2001-01-29") << d("2001-03-01") << 99 << "2001-01-29";
        QTest::newRow("length 99 lists none")
            << d("2001-01-28") << d("2001-02-02") << d("2001-03-05") << 99 << "";
        QTest::newRow("start before the base") << d("2001-01-28") << d("2001-01-01")
                                               << d("2001-02-27") << 28 << "2001-01-29 2001-02-26";
        QTest::newRow("end equals start")
            << d("2001-01-28") << d("2001-01-29") << d("2001-01-29") << 28 << "";
        QTest::newRow("end before start")
            << d("2001-01-28") << d("2001-03-01") << d("2001-02-01") << 28 << "";
        QTest::newRow("length 0") << d("2001-01-28") << d("2001-01-29") << d("2001-03-29") << 0
                                  << "";
        QTest::newRow("negative length")
            << d("2001-01-28") << d("2001-01-29") << d("2001-03-29") << -5 << "";
    }
    void predictStarts()
    {
        QFETCH(QDate, base);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(int, length);
        QFETCH(QString, dates);
        QStringList got;
        for (const QDate& day : Prediction::PredictStarts(base, start, end, length))
            got << day.toString(Qt::ISODate);
        QCOMPARE(got.join(QLatin1Char(' ')), dates);
    }
};

QTEST_GUILESS_MAIN(TestCycleMath)
#include "tst_cyclemath.moc"
