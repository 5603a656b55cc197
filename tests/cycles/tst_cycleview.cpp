// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraView.h"
#include "CycleScreensFixture.h"
#include "CyclesViewU.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using Fx = CycleScreensFixture;

namespace {
const QString ThreeCycles = QStringLiteral("2002-01-01 5 28, 2002-01-29 4 30, 2002-02-28 5 28");
}

class TestCycleView : public QObject
{
    Q_OBJECT
    CycleScreensFixture m_fx;
    std::unique_ptr<TCycleViewForm> m_form;

    // As the main window's cycle view command does: connect, then show.
    void open(const QString& rows)
    {
        QVERIFY(m_fx.fill(rows));
        m_form = std::make_unique<TCycleViewForm>(m_fx.table.get());
        m_form->ConnectChangeNotification();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    int selectedRow() const
    {
        const QModelIndexList rows = m_form->DBGrid1->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    // Which of the four states the screen shows.
    QString state() const
    {
        QStringList shown;
        if (!m_form->CiclaraView1->isHidden())
            shown << QStringLiteral("view");
        if (!m_form->UndisplayedImage->isHidden())
            shown << QStringLiteral("undisplayed");
        if (!m_form->NoNameImage->isHidden())
            shown << QStringLiteral("noname");
        if (!m_form->NoDataEnteredImage->isHidden())
            shown << QStringLiteral("nodata");
        return shown.join(QLatin1Char('+'));
    }

private slots:
    void init() { QVERIFY(m_fx.setUp()); }
    void cleanup()
    {
        m_form.reset();
        m_fx.tearDown();
    }

    void opensOnTheNewestCycle()
    {
        open(ThreeCycles);
        QCOMPARE(m_form->objectName(), QStringLiteral("CycleViewForm"));
        QCOMPARE(m_form->property("helpContext").toInt(), 3003);
        QCOMPARE(m_fx.table->recNo(), 2);
        QCOMPARE(state(), QStringLiteral("view"));
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-02-28"));
        QCOMPARE(m_form->CiclaraView1->CycleLen(), 28);
        QCOMPARE(selectedRow(), 2);
        // The grid lists every cycle with its start in the short date format.
        const QAbstractItemModel* model = m_form->DBGrid1->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->index(1, 0).data().toString(),
                 QLocale::system().toString(Fx::date("2002-01-29"), QLocale::ShortFormat));
        QCOMPARE(model->index(1, 1).data().toInt(), 30);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(),
                 Res::Text("DBGrid1Column0Caption"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(),
                 Res::Text("DBGrid1Column1Caption"));
        QCOMPARE(m_form->DBGrid1->columnWidth(0), 88);
        QVERIFY(m_form->DBGrid1->columnWidth(1) >= 90);
        QCOMPARE(m_form->CiclaraView1->PeriodCaption(), Res::Text("CVPeriodCaption"));
        QCOMPARE(m_form->CiclaraView1->OvulationCaption(), Res::Text("CVOvulationCaption"));
    }

    void movingStopsAtTheEnds()
    {
        open(ThreeCycles);
        QTest::mouseClick(m_form->SBArrowNext, Qt::LeftButton);
        QCOMPARE(m_fx.table->recNo(), 2);
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-02-28"));
        QTest::mouseClick(m_form->SBArrowPrev, Qt::LeftButton);
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-01-29"));
        QCOMPARE(m_form->CiclaraView1->MenzLen(), 4);
        QCOMPARE(selectedRow(), 1);
        QTest::mouseClick(m_form->SBArrowPrev, Qt::LeftButton);
        QTest::mouseClick(m_form->SBArrowPrev, Qt::LeftButton);
        QCOMPARE(m_fx.table->recNo(), 0);
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-01-01"));
        QCOMPARE(selectedRow(), 0);
        QCOMPARE(m_fx.dump(), ThreeCycles);
    }

    void choosingAGridRowMovesTheTable()
    {
        open(ThreeCycles);
        const QRect cell = m_form->DBGrid1->visualRect(m_form->DBGrid1->model()->index(0, 1));
        QTest::mouseClick(m_form->DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_fx.table->recNo(), 0);
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-01-01"));
        QCOMPARE(selectedRow(), 0);
    }

    void undrawableCycle()
    {
        open(QStringLiteral("2002-01-01 5 45, 2002-02-15 5 28"));
        QCOMPARE(state(), QStringLiteral("view"));
        QTest::mouseClick(m_form->SBArrowPrev, Qt::LeftButton);
        QCOMPARE(state(), QStringLiteral("undisplayed"));
        QCOMPARE(selectedRow(), 0);
        QTest::mouseClick(m_form->SBArrowNext, Qt::LeftButton);
        QCOMPARE(state(), QStringLiteral("view"));
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-02-15"));
    }

    // A table that is not open shows no cycle, not even the one drawn before.
    void closedTableShowsNoCycle()
    {
        open(QStringLiteral("2002-01-01 5 28, 2002-01-29 5 28"));
        QCOMPARE(state(), QStringLiteral("view"));
        m_fx.table->close();
        m_form->UpdateCycleView();
        QCOMPARE(state(), QString());
    }

    void deletingTheLastCycle_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("state");
        QTest::newRow("named user") << "Maria"
                                    << "nodata";
        QTest::newRow("default user") << "Noname"
                                      << "noname+nodata";
    }
    void deletingTheLastCycle()
    {
        QFETCH(QString, user);
        QFETCH(QString, state);
        m_fx.tearDown();
        QVERIFY(m_fx.setUp(user));
        open(QStringLiteral("2002-01-01 5 28"));
        m_fx.messages->queue(Msg::mrYes);
        QTest::mouseClick(m_form->DeleteCycle, Qt::LeftButton);
        QCOMPARE(m_fx.table->recordCount(), 0);
        QCOMPARE(this->state(), state);
        const int top = m_form->NoDataEnteredImage->y();
        const int h = m_form->NoDataEnteredImage->height();
        if (user == QLatin1String("Noname"))
            QCOMPARE(top, m_form->SBArrowNext->geometry().bottom() + 1 - h + 30);
        else
            QCOMPARE(top, m_form->height() / 2 - h / 2);
        QCOMPARE(m_form->DBGrid1->model()->rowCount(), 0);
        // The screen opens the same way on an empty table.
        m_form->hide();
        m_form->ConnectChangeNotification();
        m_form->show();
        QCOMPARE(this->state(), state);
    }

    // Both deletes ask first; No keeps everything, Yes goes through the cycle arithmetic.
    void deletesAsk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("current");
        QTest::newRow("current, No")
            << "DeleteCycle"
            << "DeleteCurrCycleConfirm" << int(Msg::mrNo) << ThreeCycles << "view" << 1;
        QTest::newRow("current, Yes")
            << "DeleteCycle"
            << "DeleteCurrCycleConfirm" << int(Msg::mrYes) << "2002-01-01 5 58, 2002-02-28 5 28"
            << "view" << 1;
        QTest::newRow("current, Cancel")
            << "DeleteCycle"
            << "DeleteCurrCycleConfirm" << int(Msg::mrCancel) << ThreeCycles << "view" << 1;
        QTest::newRow("all, No") << "DeleteAllCycles"
                                 << "DeleteAllCycleConfirm" << int(Msg::mrNo) << ThreeCycles
                                 << "view" << 1;
        QTest::newRow("all, Yes") << "DeleteAllCycles"
                                  << "DeleteAllCycleConfirm" << int(Msg::mrYes) << ""
                                  << "nodata" << -1;
    }
    void deletesAsk()
    {
        QFETCH(QString, button);
        QFETCH(QString, question);
        QFETCH(int, answer);
        QFETCH(QString, after);
        QFETCH(QString, state);
        QFETCH(int, current);
        open(ThreeCycles);
        QTest::mouseClick(m_form->SBArrowPrev, Qt::LeftButton); // onto the middle cycle
        m_fx.messages->queue(answer);
        QTest::mouseClick(m_form->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(m_fx.messages->shown().size(), 1);
        QCOMPARE(m_fx.messages->shown().first().text, Res::Text(question.toLatin1().constData()));
        QCOMPARE(m_fx.messages->shown().first().kind, int(Msg::Confirmation));
        QCOMPARE(m_fx.messages->shown().first().buttons, Msg::mbYes | Msg::mbNo);
        QCOMPARE(m_fx.dump(), after);
        QCOMPARE(this->state(), state);
        QCOMPARE(m_fx.table->recNo(), current);
        QCOMPARE(selectedRow(), current);
        if (current >= 0)
            QCOMPARE(m_form->CiclaraView1->StartDate(), m_fx.currentDate());
        QVERIFY(m_form->isConnected());
    }

    void deletesOnAnEmptyTableAskNothing()
    {
        open(QString());
        QTest::mouseClick(m_form->DeleteCycle, Qt::LeftButton);
        QTest::mouseClick(m_form->DeleteAllCycles, Qt::LeftButton);
        QVERIFY(m_fx.messages->shown().isEmpty());
        QCOMPARE(state(), QStringLiteral("nodata"));
    }

    void hidingDisconnects()
    {
        open(ThreeCycles);
        m_form->hide();
        QVERIFY(!m_form->isConnected());
        m_fx.table->first();
        QCOMPARE(m_form->CiclaraView1->StartDate(), Fx::date("2002-02-28"));
        // The grid follows the table all the same.
        QCOMPARE(selectedRow(), 0);
    }

    void buttonsKeepTheirPlaceToTheCentre()
    {
        open(ThreeCycles);
        m_form->resize(850, 521);
        QCOMPARE(m_form->DeleteCycle->geometry(), QRect(336, 108, 177, 49));
        QCOMPARE(m_form->SBArrowPrev->geometry(), QRect(391, 194, 66, 58));
        QCOMPARE(m_form->SBArrowNext->geometry(), QRect(391, 279, 66, 58));
        QCOMPARE(m_form->DeleteAllCycles->geometry(), QRect(336, 365, 177, 49));
        QCOMPARE(m_form->DBGrid1->geometry(), QRect(628, 54, 199, 414));
        QCOMPARE(m_form->CiclaraView1->geometry(), QRect(40, 50, 241, 321));
    }
};

QTEST_MAIN(TestCycleView)
#include "tst_cycleview.moc"
