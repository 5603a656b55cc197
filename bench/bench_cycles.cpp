// SPDX-License-Identifier: GPL-3.0-or-later
// How long the cycle table takes for a long diary: storing cycles one by one (each with
// its neighbour repair in one transaction), averaging, and walking the table.
#include "CiclaraTable.h"
#include "CycleMath.h"
#include "Globals.h"
#include "MessageBox.h"
#include "TestHome.h"
#include "UserStore.h"

#include <QDir>
#include <QTest>

class BenchCycles : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CiclaraTable> m_table;

    void openTable(int cycles)
    {
        m_home = std::make_unique<TestHome>();
        const QString dir = Globals::ProgramDir() + QStringLiteral("Bench/");
        QDir().mkpath(dir);
        Globals::SetCurrentUserDir(dir);
        QVERIFY(UserStore::CreateMissingTables());
        m_table = std::make_unique<CiclaraTable>(Schema::Cycle());
        m_table->setFileName(dir + QStringLiteral("Cycle.dat"));
        QVERIFY(m_table->open());
        for (int i = 0; i < cycles; ++i)
            QVERIFY(Cycles::StoreNewCycle(*m_table, QDate(1990, 1, 1).addDays(28 * i), 5, 28,
                                          Msg::Warning)
                        .stored());
    }

private slots:
    void cleanup()
    {
        m_table.reset();
        m_home.reset();
    }

    void storeNewestCycle_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("100 cycles") << 100;
        QTest::newRow("400 cycles") << 400;
    }
    void storeNewestCycle()
    {
        QFETCH(int, stored);
        openTable(stored);
        int day = 28 * stored;
        QBENCHMARK
        {
            QVERIFY(
                Cycles::StoreNewCycle(*m_table, QDate(1990, 1, 1).addDays(day), 5, 28, Msg::Warning)
                    .stored());
            day += 28;
        }
    }

    void averageCycleLength()
    {
        openTable(400);
        QBENCHMARK
        {
            QCOMPARE(Cycles::AverageCycleLength(*m_table), 28);
        }
    }

    void walkAllCycles()
    {
        openTable(400);
        QBENCHMARK
        {
            m_table->first();
            while (m_table->next()) {
            }
        }
    }
};

QTEST_GUILESS_MAIN(BenchCycles)
#include "bench_cycles.moc"
