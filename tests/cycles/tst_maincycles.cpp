// SPDX-License-Identifier: GPL-3.0-or-later
// The cycle screens inside the main window: the add-cycle command and the calendar
// settings reaching the cycle screens' date controls.
#include "AddNewCycleU.h"
#include "CiclaraMainU.h"
#include "CiclaraTable.h"
#include "CiclaraView.h"
#include "CyclesViewU.h"
#include "Globals.h"
#include "NiceCalendar.h"
#include "PredictionU.h"
#include "TestHome.h"
#include "UserAccounts.h"
#include "UserStore.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

class TestMainCycles : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MessageAnswerer> m_messages;
    std::unique_ptr<TCiclaraMainForm> m_form;
    TAddNewCycleForm* m_addCycle = nullptr;
    TCycleViewForm* m_cycleView = nullptr;
    TPredictionForm* m_prediction = nullptr;

    // The main window with the cycle screens made and embedded as the start does.
    void makeMainWindow()
    {
        m_form = std::make_unique<TCiclaraMainForm>();
        m_addCycle = new TAddNewCycleForm(m_form.get());
        m_prediction = new TPredictionForm(m_form->MainTable, m_form.get());
        m_form->EmbedScreen(m_prediction);
        m_cycleView = new TCycleViewForm(m_form->MainTable, m_form.get());
        m_form->EmbedScreen(m_cycleView);
        m_form->SetCycleScreens(m_addCycle, m_cycleView, m_prediction);
    }

    // The screen in front: the embedded screen drawn at the middle of the screen area.
    QWidget* frontScreen() const
    {
        const QRect area = m_form->ScreenRect();
        QWidget* w = m_form->ClientArea()->childAt(area.center());
        while (w && !m_form->Screens().contains(w))
            w = w->parentWidget();
        return w;
    }

    int selectedRow() const
    {
        const QModelIndexList rows = m_cycleView->DBGrid1->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_messages = std::make_unique<MessageAnswerer>();
    }
    void cleanup()
    {
        m_form.reset();
        UserAccounts::SetHooks({});
        m_messages.reset();
        m_home.reset();
    }

    // Each opening of the prediction resets what the user changed there; the commands set
    // the help target and the focus as they switch.
    void commandsSwitchWithTheirHelpTargetAndFocus()
    {
        QVERIFY(UserStore::CreateDefaultUser(QStringLiteral("Maria")));
        Globals::SetActiveUser(QStringLiteral("Maria"));
        makeMainWindow();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QTRY_VERIFY(m_form->FirstShowDone());
        QCOMPARE(m_form->HelpTarget.data(), static_cast<QWidget*>(m_form.get()));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_cycleView->DBGrid1));

        m_form->SBPredictionClick();
        QCOMPARE(m_form->HelpTarget.data(), static_cast<QWidget*>(m_prediction));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_prediction->PredictBtn));
        const QDate start = m_prediction->StartCal->CalendarDate();
        const QDate end = m_prediction->EndCal->CalendarDate();
        const QString length = m_prediction->CycleLenEdit->text();
        QTest::mouseClick(m_prediction->PredictBtn, Qt::LeftButton);
        const int predictedRows = m_prediction->StringGrid1->rowCount();
        QVERIFY(predictedRows > 2);

        m_prediction->StartCal->SetCalendarDate(start.addDays(3));
        m_prediction->EndCal->SetCalendarDate(end.addDays(40));
        m_prediction->CycleLenEdit->setText(QStringLiteral("31"));
        m_form->SBCycleViewClick();
        QCOMPARE(m_form->HelpTarget.data(), static_cast<QWidget*>(m_form.get()));
        QCOMPARE(m_form->CurrentScreenName, QStringLiteral("CycleViewForm"));

        m_form->SBPredictionClick();
        QCOMPARE(m_prediction->StartCal->CalendarDate(), start);
        QCOMPARE(m_prediction->EndCal->CalendarDate(), end);
        QCOMPARE(m_prediction->CycleLenEdit->text(), length);
        // Back to the header (the table's own) and one blank row.
        QCOMPARE(m_prediction->StringGrid1->rowCount(), 1);
        QVERIFY(!m_prediction->StringGrid1->item(0, 1) ||
                m_prediction->StringGrid1->item(0, 1)->text().isEmpty());
    }

    void addCycleShowsTheNewCycleOnTheCycleView()
    {
        const QDate today = QDate::currentDate();
        QVERIFY(UserStore::CreateDefaultUser(QStringLiteral("Maria")));
        Globals::SetActiveUser(QStringLiteral("Maria"));
        {
            CiclaraTable cycles(Schema::Cycle());
            cycles.setFileName(
                UserStore::UserFile(QStringLiteral("Maria"), QStringLiteral("Cycle.dat")));
            QVERIFY(cycles.open());
            for (int back : {60, 30}) {
                cycles.insert();
                cycles.setValue(QStringLiteral("Date"), today.addDays(-back));
                cycles.setValue(QStringLiteral("MenzLength"), 5);
                cycles.setValue(QStringLiteral("CycleLength"), 30);
                QVERIFY(cycles.post());
            }
        }
        makeMainWindow();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QTRY_VERIFY(m_form->FirstShowDone());
        QCOMPARE(frontScreen(), m_cycleView);
        QCOMPARE(m_cycleView->CiclaraView1->StartDate(), today.addDays(-30));

        // From another screen, the command brings the cycle view back to the front.
        m_form->SBPredictionClick();
        QCOMPARE(frontScreen(), m_prediction);
        QCOMPARE(m_form->CurrentScreenName, QStringLiteral("PredictionForm"));

        QPoint dialogAt;
        QDate shownStart;
        QString shownLength;
        QWidget* frontWhileOpen = nullptr;
        auto* timer = new QTimer(this);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [&, timer] {
            if (QApplication::activeModalWidget() != m_addCycle)
                return;
            timer->stop();
            timer->deleteLater();
            dialogAt = m_addCycle->pos();
            shownStart = m_addCycle->StartCal->CalendarDate();
            shownLength = m_addCycle->CycleLenEdit->text();
            frontWhileOpen = frontScreen();
            QTest::mouseClick(m_addCycle->OKBtn, Qt::LeftButton);
        });
        timer->start();
        auto* button = m_form->ToolBar1->findChild<QToolButton*>(QStringLiteral("SBAddNewCycle"));
        QVERIFY(button && button->isEnabled());
        // The size the window system knows before the dialog opens places it.
        const QSize dialogFrame = m_addCycle->frameGeometry().size();
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(!m_addCycle->isVisible());

        QCOMPARE(frontWhileOpen, m_cycleView);
        QCOMPARE(shownStart, today);
        QCOMPARE(shownLength, QStringLiteral("30")); // the average of the stored lengths
        // 10 pixels inside the right edge, centred between toolbar and status bar.
        const QRect frame = m_form->frameGeometry();
        const int clientTop = m_form->ClientArea()->mapToGlobal(QPoint(0, 0)).y();
        const int area =
            m_form->ClientArea()->height() - m_form->ToolbarHeight() - m_form->StatusBarHeight();
        QCOMPARE(dialogAt.x(), frame.left() + frame.width() - dialogFrame.width() - 10);
        QCOMPARE(dialogAt.y(),
                 clientTop + m_form->ToolbarHeight() + area / 2 - dialogFrame.height() / 2);

        // The new cycle is stored, current, drawn and selected in the grid.
        CiclaraTable* table = m_form->MainTable;
        QCOMPARE(table->recordCount(), 3);
        QCOMPARE(table->dateValue(QStringLiteral("Date")), today);
        QCOMPARE(table->recordAt(1).value(QStringLiteral("CycleLength")).toInt(), 30);
        QCOMPARE(m_form->CurrentScreenName, QStringLiteral("CycleViewForm"));
        QCOMPARE(frontScreen(), m_cycleView);
        QVERIFY(!m_cycleView->CiclaraView1->isHidden());
        QCOMPARE(m_cycleView->CiclaraView1->StartDate(), today);
        QCOMPARE(m_cycleView->CiclaraView1->CycleLen(), 30);
        QCOMPARE(selectedRow(), 2);
        QVERIFY(m_messages->shown().isEmpty());
    }

    void calendarSettingsReachTheCycleScreens()
    {
        makeMainWindow();
        Globals::SetNativeLanguage(true);
        Globals::CalendarSettings().StartOfWeek = 0;
        m_form->ApplyCalendarSettingsToScreens();
        for (TNiceCalendar* cal : {m_addCycle->StartCal, m_addCycle->EndCal, m_prediction->StartCal,
                                   m_prediction->EndCal}) {
            QCOMPARE(cal->StartOfWeek(), 0);
            QVERIFY(cal->NativeLanguage());
        }
        QVERIFY(m_cycleView->CiclaraView1->NativeLanguage());
        QVERIFY(m_form->CycleViewAction->isEnabled());
        QVERIFY(m_form->AddCycleAction->isEnabled());
        QVERIFY(m_form->PredictionAction->isEnabled());
    }
};

QTEST_MAIN(TestMainCycles)
#include "tst_maincycles.moc"
