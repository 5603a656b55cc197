// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddNewCycleU.h"
#include "CycleScreenCommon.h"
#include "CycleScreensFixture.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "NiceCalendar.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using Fx = CycleScreensFixture;

class TestAddNewCycle : public QObject
{
    Q_OBJECT
    CycleScreensFixture m_fx;
    std::unique_ptr<TAddNewCycleForm> m_form;
    const QDate m_today = Fx::date(QStringLiteral("2002-03-10"));

    // Shows the dialog without its modal loop, active so that focus moves for real.
    void showActive()
    {
        m_form->PrepareAddNewCycle(m_today, 5, 28);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

private slots:
    void init()
    {
        QVERIFY(m_fx.setUp());
        m_form = std::make_unique<TAddNewCycleForm>();
        m_form->setToday(m_today);
    }
    void cleanup()
    {
        m_form.reset();
        m_fx.tearDown();
    }

    void design()
    {
        QCOMPARE(m_form->objectName(), QStringLiteral("AddNewCycleForm"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Add new cycle"));
        QCOMPARE(m_form->size(), QSize(493, 406));
        QCOMPARE(m_form->property("helpContext").toInt(), 3001);
        QCOMPARE(m_form->statusTip(), QStringLiteral("Use this window to add new cycle"));
        QCOMPARE(m_form->StartCal->Caption(), QStringLiteral("Start date : "));
        QCOMPARE(m_form->EndCal->Caption(), QStringLiteral("End date : "));
        QCOMPARE(m_form->Label2->buddy(), m_form->PeriodLenEdit);
        QCOMPARE(m_form->Label3->buddy(), m_form->CycleLenEdit);
        QCOMPARE(m_form->PeriodLenEdit->maxLength(), 2);
        QCOMPARE(m_form->CycleLenEdit->maxLength(), 3);
        QVERIFY(m_form->OKBtn->isDefault());
        QVERIFY(!m_form->LampImage->pixmap().isNull());
        // The whole client area is tiled: no pixel is left unpainted.
        const QImage shot = m_form->grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), QColor(0xF8, 0xF0, 0xF6));
        QCOMPARE(shot.pixelColor(492, 405).alpha(), 255);
    }

    // Whatever start date is passed in, the dialog opens on today and today + L - 1; the
    // reused dialog does so again after the pickers were moved.
    void opensOnToday_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("proposed");
        QTest::addColumn<int>("shown");
        QTest::newRow("empty table") << m_today << 28 << 28;
        QTest::newRow("other start") << Fx::date(QStringLiteral("2001-07-04")) << 31 << 31;
        QTest::newRow("average of 0") << m_today << 0 << 28;
    }
    void opensOnToday()
    {
        QFETCH(QDate, start);
        QFETCH(int, proposed);
        QFETCH(int, shown);
        for (int round = 0; round < 2; ++round) {
            QDate s = start;
            int period = 5;
            int cycle = proposed;
            QDate seenStart, seenEnd;
            QString seenPeriod, seenCycle;
            Fx::whenOpen(m_form.get(), [&] {
                seenStart = m_form->StartCal->CalendarDate();
                seenEnd = m_form->EndCal->CalendarDate();
                seenPeriod = m_form->PeriodLenEdit->text();
                seenCycle = m_form->CycleLenEdit->text();
                m_form->StartCal->SetCalendarDate(Fx::date(QStringLiteral("1999-12-01")));
                QTest::mouseClick(m_form->CancelBtn, Qt::LeftButton);
            });
            QCOMPARE(m_form->AddNewCycle(s, period, cycle), int(Msg::mrCancel));
            QCOMPARE(seenStart, m_today);
            QCOMPARE(seenEnd, m_today.addDays(shown - 1));
            QCOMPARE(seenPeriod, QStringLiteral("5"));
            QCOMPARE(seenCycle, QString::number(shown));
            // Cancel hands nothing back.
            QCOMPARE(s, start);
            QCOMPARE(period, 5);
            QCOMPARE(cycle, proposed);
        }
    }

    void okHandsBackTheChoice()
    {
        QDate start = m_today;
        int period = 5;
        int cycle = 28;
        Fx::whenOpen(m_form.get(), [&] {
            m_form->StartCal->SetCalendarDate(Fx::date(QStringLiteral("2002-02-20")));
            m_form->CycleLenEdit->setText(QStringLiteral("30"));
            m_form->PeriodLenEdit->setText(QStringLiteral("6"));
            QTest::mouseClick(m_form->OKBtn, Qt::LeftButton);
        });
        QCOMPARE(m_form->AddNewCycle(start, period, cycle), int(Msg::mrOk));
        QCOMPARE(start, Fx::date(QStringLiteral("2002-02-20")));
        QCOMPARE(period, 6);
        QCOMPARE(cycle, 30);
        QVERIFY(m_fx.messages->shown().isEmpty());
    }

    // Each rule sets the other picker once and the chain stops there.
    void linkedPickers_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::newRow("start") << "start"
                               << "2002-03-01" << Fx::date("2002-03-01") << Fx::date("2002-03-28");
        QTest::newRow("end") << "end"
                             << "2002-04-30" << Fx::date("2002-04-03") << Fx::date("2002-04-30");
        QTest::newRow("length") << "length"
                                << "35" << m_today << m_today.addDays(34);
        QTest::newRow("start over a year end")
            << "start"
            << "2002-12-20" << Fx::date("2002-12-20") << Fx::date("2003-01-16");
    }
    void linkedPickers()
    {
        QFETCH(QString, change);
        QFETCH(QString, value);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        showActive();
        QCOMPARE(m_form->StartCal->CalendarDate(), m_today);
        QSignalSpy startChanges(m_form->StartCal, &TNiceCalendar::OnChange);
        QSignalSpy endChanges(m_form->EndCal, &TNiceCalendar::OnChange);
        if (change == QLatin1String("start"))
            m_form->StartCal->SetCalendarDate(Fx::date(value));
        else if (change == QLatin1String("end"))
            m_form->EndCal->SetCalendarDate(Fx::date(value));
        else
            m_form->CycleLenEdit->setText(value);
        QCOMPARE(m_form->StartCal->CalendarDate(), start);
        QCOMPARE(m_form->EndCal->CalendarDate(), end);
        QCOMPARE(startChanges.count(), start == m_today ? 0 : 1);
        QCOMPARE(endChanges.count(), 1);
        QVERIFY(m_fx.messages->shown().isEmpty());
    }

    void periodRule_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("cycle");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("storedPeriod");
        QTest::newRow("10 of 20") << "10"
                                  << "20" << true << 10;
        QTest::newRow("11 of 21") << "11"
                                  << "21" << false << 0;
        QTest::newRow("0 of 28") << "0"
                                 << "28" << true << 0;
        QTest::newRow("empty period counts as 5") << ""
                                                  << "28" << true << 5;
        QTest::newRow("empty period against 9") << ""
                                                << "9" << false << 0;
    }
    void periodRule()
    {
        QFETCH(QString, period);
        QFETCH(QString, cycle);
        QFETCH(bool, accepted);
        QFETCH(int, storedPeriod);
        QDate start = m_today;
        int p = 5;
        int c = 28;
        bool stayedOpen = false;
        QWidget* focus = nullptr;
        Fx::whenOpen(m_form.get(), [&] {
            m_form->CycleLenEdit->setText(cycle);
            m_form->PeriodLenEdit->setText(period);
            m_form->OKBtnClick();
            stayedOpen = m_form->isVisible();
            focus = m_form->focusWidget();
            if (stayedOpen)
                m_form->reject();
        });
        const int result = m_form->AddNewCycle(start, p, c);
        QCOMPARE(result, accepted ? int(Msg::mrOk) : int(Msg::mrCancel));
        QCOMPARE(stayedOpen, !accepted);
        if (accepted) {
            QVERIFY(m_fx.messages->shown().isEmpty());
            QCOMPARE(p, storedPeriod);
            QCOMPARE(c, cycle.toInt());
        } else {
            QCOMPARE(m_fx.messages->shown().size(), 1);
            QCOMPARE(m_fx.messages->shown().first().text, Res::Text("AddNewUserPeriodErrorLabel"));
            QCOMPARE(m_fx.messages->shown().first().kind, int(Msg::Information));
            QCOMPARE(focus, m_form->PeriodLenEdit);
        }
    }

    void lettersRefused_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("period") << "PeriodLenEdit";
        QTest::newRow("cycle") << "CycleLenEdit";
    }
    void lettersRefused()
    {
        QFETCH(QString, edit);
        showActive();
        auto* field = m_form->findChild<QLineEdit*>(edit);
        QVERIFY(field);
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, QStringLiteral("a1-b 2"));
        QCOMPARE(field->text(), QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("1"));
        // Pasted text that is not all digits is refused as a whole.
        QApplication::clipboard()->setText(QStringLiteral("x3"));
        field->paste();
        QCOMPARE(field->text(), QStringLiteral("1"));
        QApplication::clipboard()->setText(QStringLiteral("4"));
        field->paste();
        QCOMPARE(field->text(), QStringLiteral("14"));
    }

    void clearedPeriodRestoredOnLeaving()
    {
        showActive();
        m_form->PeriodLenEdit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_form->PeriodLenEdit);
        m_form->PeriodLenEdit->clear();
        QTest::keyClick(m_form->PeriodLenEdit, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), m_form->CycleLenEdit);
        QCOMPARE(m_form->PeriodLenEdit->text(), QStringLiteral("5"));
        // A period that is there stays.
        m_form->PeriodLenEdit->setText(QStringLiteral("7"));
        m_form->PeriodLenEdit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_form->PeriodLenEdit);
        m_form->CycleLenEdit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_form->CycleLenEdit);
        QCOMPARE(m_form->PeriodLenEdit->text(), QStringLiteral("7"));
    }

    // A cycle length field without a length: a date change or OK tells so and changes
    // nothing; the dialog stays open.
    void missingCycleLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("action");
        for (const char* text : {"", "0", "000"}) {
            for (const char* action : {"start", "end", "ok"})
                QTest::addRow("'%s' %s", text, action) << text << action;
        }
    }
    void missingCycleLength()
    {
        QFETCH(QString, text);
        QFETCH(QString, action);
        showActive();
        const QDate start = m_form->StartCal->CalendarDate();
        const QDate end = m_form->EndCal->CalendarDate();
        m_form->CycleLenEdit->setText(text);
        // Typing the length is no date change: the pickers keep still, no message yet.
        QCOMPARE(m_form->EndCal->CalendarDate(), end);
        QVERIFY(m_fx.messages->shown().isEmpty());
        const QDate moved = Fx::date(QStringLiteral("2002-01-15"));
        if (action == QLatin1String("start"))
            m_form->StartCal->SetCalendarDate(moved);
        else if (action == QLatin1String("end"))
            m_form->EndCal->SetCalendarDate(moved);
        else
            m_form->OKBtnClick();
        QCOMPARE(m_fx.shownTexts(), QStringList{CycleScreens::MissingCycleLengthText()});
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->result(), 0);
        QCOMPARE(m_form->focusWidget(), m_form->CycleLenEdit);
        QCOMPARE(m_form->StartCal->CalendarDate(),
                 action == QLatin1String("start") ? moved : start);
        QCOMPARE(m_form->EndCal->CalendarDate(), action == QLatin1String("end") ? moved : end);
    }
};

QTEST_MAIN(TestAddNewCycle)
#include "tst_addnewcycle.moc"
