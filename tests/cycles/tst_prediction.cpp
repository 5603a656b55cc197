// SPDX-License-Identifier: GPL-3.0-or-later
#include "CycleScreenCommon.h"
#include "CycleScreensFixture.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "NiceCalendar.h"
#include "PredictionU.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using Fx = CycleScreensFixture;

namespace {
const QString TwoJanuaryCycles = QStringLiteral("2001-01-01 5 28, 2001-01-29 5 28");

QString shortDate(const QDate& d)
{
    return QLocale::system().toString(d, QLocale::ShortFormat);
}
QList<QDate> dates(const QString& isoList)
{
    QList<QDate> list;
    for (const QString& iso : isoList.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list << Fx::date(iso);
    return list;
}
} // namespace

class TestPrediction : public QObject
{
    Q_OBJECT
    CycleScreensFixture m_fx;
    std::unique_ptr<TPredictionForm> m_form;

    // As the main window's prediction command does: read the opening values, show.
    void open(const QString& rows, const QDate& today)
    {
        QVERIFY(m_fx.fill(rows));
        m_form = std::make_unique<TPredictionForm>(m_fx.table.get());
        m_form->setToday(today);
        m_form->PrepareOpening();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    QStringList numbers() const
    {
        QStringList list;
        for (int row = 0; row < m_form->StringGrid1->rowCount(); ++row) {
            const QTableWidgetItem* item = m_form->StringGrid1->item(row, 0);
            list << (item ? item->text() : QString());
        }
        return list;
    }

private slots:
    void init() { QVERIFY(m_fx.setUp()); }
    void cleanup()
    {
        m_form.reset();
        m_fx.tearDown();
    }

    void opensAndPredicts_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QDate>("base");
        QTest::addColumn<QString>("average");
        QTest::addColumn<QDate>("startMovedTo");
        QTest::addColumn<QDate>("endMovedTo");
        QTest::addColumn<QString>("listed");
        const QDate none;
        QTest::newRow("two January cycles")
            << TwoJanuaryCycles << Fx::date("2001-06-01") << Fx::date("2001-01-29")
            << Fx::date("2001-03-29") << Fx::date("2001-01-28") << "28" << none << none
            << "2001-01-29 2001-02-26 2001-03-26";
        QTest::newRow("no cycles, today 10 May")
            << "" << Fx::date("2001-05-10") << Fx::date("2001-05-10") << Fx::date("2001-07-08")
            << Fx::date("2001-05-09") << "28" << none << none << "2001-05-10 2001-06-07 2001-07-05";
        QTest::newRow("start moved to 1 March")
            << TwoJanuaryCycles << Fx::date("2001-06-01") << Fx::date("2001-01-29")
            << Fx::date("2001-03-29") << Fx::date("2001-01-28") << "28" << Fx::date("2001-03-01")
            << none << "2001-03-26";
        QTest::newRow("nothing fits")
            << TwoJanuaryCycles << Fx::date("2001-06-01") << Fx::date("2001-01-29")
            << Fx::date("2001-03-29") << Fx::date("2001-01-28") << "28" << Fx::date("2001-03-01")
            << Fx::date("2001-03-20") << "";
        QTest::newRow("average of unequal lengths")
            << "2001-01-01 5 28, 2001-01-29 5 29, 2001-02-27 5 30" << Fx::date("2001-06-01")
            << Fx::date("2001-02-27") << Fx::date("2001-04-28") << Fx::date("2001-02-26") << "29"
            << none << none << "2001-02-27 2001-03-28 2001-04-26";
    }
    void opensAndPredicts()
    {
        QFETCH(QString, rows);
        QFETCH(QDate, today);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QDate, base);
        QFETCH(QString, average);
        QFETCH(QDate, startMovedTo);
        QFETCH(QDate, endMovedTo);
        QFETCH(QString, listed);
        open(rows, today);
        QCOMPARE(m_form->StartCal->CalendarDate(), start);
        QCOMPARE(m_form->EndCal->CalendarDate(), end);
        QCOMPARE(m_form->BaseDateValue(), base);
        QCOMPARE(m_form->BaseDate->text(), shortDate(base));
        QCOMPARE(m_form->CycleLenEdit->text(), average);
        // The grid is filled only by Predict.
        QCOMPARE(m_form->StringGrid1->rowCount(), 1);
        QVERIFY(m_form->PredictedDates().isEmpty());

        if (startMovedTo.isValid())
            m_form->StartCal->SetCalendarDate(startMovedTo);
        if (endMovedTo.isValid())
            m_form->EndCal->SetCalendarDate(endMovedTo);
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        const QList<QDate> expected = dates(listed);
        QCOMPARE(m_form->PredictedDates(), expected);
        QCOMPARE(m_form->StringGrid1->rowCount(), qMax(1, int(expected.size())));
        QStringList expectedNumbers;
        for (int i = 0; i < expected.size(); ++i)
            expectedNumbers << QString::number(i + 1) + QLatin1Char('.');
        if (expected.isEmpty())
            expectedNumbers << QString();
        QCOMPARE(numbers(), expectedNumbers);
        // The date column holds day serials and shows them as short dates.
        if (!expected.isEmpty()) {
            const QString cell = m_form->StringGrid1->item(0, 1)->text();
            QCOMPARE(cell, QString::number(Globals::DaySerial(expected.first())));
            QCOMPARE(PredictionDateDelegate::CellText(cell), shortDate(expected.first()));
        }
        QVERIFY(m_fx.messages->shown().isEmpty());
    }

    void aNewPredictionReplacesTheOldRows()
    {
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        m_form->EndCal->SetCalendarDate(Fx::date("2001-12-31"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        QCOMPARE(m_form->StringGrid1->rowCount(), 13);
        m_form->EndCal->SetCalendarDate(Fx::date("2001-02-27"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        QCOMPARE(m_form->PredictedDates(), dates("2001-01-29 2001-02-26"));
        // Showing the screen again cuts the grid back to one empty row.
        m_form->hide();
        m_form->show();
        QCOMPARE(m_form->StringGrid1->rowCount(), 1);
        QVERIFY(m_form->PredictedDates().isEmpty());
        QCOMPARE(m_form->StringGrid1->horizontalHeaderItem(0)->text(), QString(QChar(0x2116)));
        QCOMPARE(m_form->StringGrid1->horizontalHeaderItem(1)->text(),
                 Res::Text("PredictedDaysCaption"));
    }

    // Predict does nothing without a length (with a message) or without a period (quietly);
    // the grid keeps what it listed.
    void predictRefused_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<bool>("message");
        QTest::newRow("empty length") << "" << QDate() << true;
        QTest::newRow("length 0") << "0" << QDate() << true;
        QTest::newRow("end on start") << "28" << Fx::date("2001-01-29") << false;
        QTest::newRow("end before start") << "28" << Fx::date("2001-01-20") << false;
    }
    void predictRefused()
    {
        QFETCH(QString, length);
        QFETCH(QDate, end);
        QFETCH(bool, message);
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        const QList<QDate> before = m_form->PredictedDates();
        QCOMPARE(before.size(), 3);
        m_form->CycleLenEdit->setText(length);
        if (end.isValid())
            m_form->EndCal->SetCalendarDate(end);
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        QCOMPARE(m_form->PredictedDates(), before);
        if (message)
            QCOMPARE(m_fx.shownTexts(), QStringList{CycleScreens::MissingCycleLengthText()});
        else
            QVERIFY(m_fx.messages->shown().isEmpty());
    }

    void lettersRefused()
    {
        open(QString(), Fx::date("2001-05-10"));
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_form->CycleLenEdit->setFocus();
        m_form->CycleLenEdit->clear();
        QTest::keyClicks(m_form->CycleLenEdit, QStringLiteral("x3y1"));
        QCOMPARE(m_form->CycleLenEdit->text(), QStringLiteral("31"));
    }

    void addingTheNewestStartReportsItExists()
    {
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        QSignalSpy stored(m_form.get(), &TPredictionForm::cycleStored);
        m_fx.messages->queue(Msg::mrYes);
        QTest::mouseClick(m_form->AddCycleBtn, Qt::LeftButton);
        QCOMPARE(m_fx.shownTexts(),
                 (QStringList{Res::Text("AddDateConfirm", {shortDate(Fx::date("2001-01-29"))}),
                              Res::Text("CycleExistsError")}));
        QCOMPARE(m_fx.messages->shown().at(1).kind, int(Msg::Information));
        QCOMPARE(m_fx.dump(), TwoJanuaryCycles);
        QCOMPARE(stored.count(), 0);
    }

    // What the store would refuse is refused before the question, never after a "Yes".
    void addingAsksNothingThatCannotBeStored()
    {
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        m_form->CycleLenEdit->setMaxLength(5);
        m_form->CycleLenEdit->setText(QStringLiteral("99999"));
        QTest::mouseClick(m_form->AddCycleBtn, Qt::LeftButton);
        QCOMPARE(m_fx.shownTexts(), QStringList{CycleScreens::MissingCycleLengthText()});

        m_fx.messages->clear();
        m_form->CycleLenEdit->setText(QStringLiteral("28"));
        m_fx.table->close();
        QTest::mouseClick(m_form->AddCycleBtn, Qt::LeftButton);
        QCOMPARE(m_fx.messages->shown().size(), 1);
        QCOMPARE(m_fx.messages->shown().first().kind, int(Msg::Error));
        QVERIFY(m_fx.table->open());
        QCOMPARE(m_fx.dump(), TwoJanuaryCycles);
    }

    void addingAPredictedDate_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("after");
        QTest::newRow("Yes") << int(Msg::mrYes) << TwoJanuaryCycles + ", 2001-02-26 5 28";
        QTest::newRow("No") << int(Msg::mrNo) << TwoJanuaryCycles;
    }
    void addingAPredictedDate()
    {
        QFETCH(int, answer);
        QFETCH(QString, after);
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        const QRect cell = m_form->StringGrid1->visualItemRect(m_form->StringGrid1->item(1, 1));
        QTest::mouseClick(m_form->StringGrid1->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_form->StringGrid1->currentRow(), 1);
        QSignalSpy stored(m_form.get(), &TPredictionForm::cycleStored);
        m_fx.messages->queue(answer);
        QTest::mouseClick(m_form->AddCycleBtn, Qt::LeftButton);
        QCOMPARE(m_fx.messages->shown().size(), 1);
        const auto& question = m_fx.messages->shown().first();
        QCOMPARE(question.text, QStringLiteral("Do you want to add date %1 as new cycle?")
                                    .arg(shortDate(Fx::date("2001-02-26"))));
        QCOMPARE(question.kind, int(Msg::Warning));
        QCOMPARE(question.buttons, Msg::mbYes | Msg::mbNo);
        QCOMPARE(m_fx.dump(), after);
        if (answer == Msg::mrYes) {
            QCOMPARE(m_fx.currentDate(), Fx::date("2001-02-26"));
            QCOMPARE(stored.count(), 1);
            QCOMPARE(stored.first().at(0).toInt(), 5);
            QCOMPARE(stored.first().at(1).toInt(), 28);
            QCOMPARE(stored.first().at(2).toDate(), Fx::date("2001-02-26"));
        } else {
            QCOMPARE(stored.count(), 0);
        }
    }

    void addingWithoutALengthOrADate()
    {
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        // Nothing listed yet: the empty row holds no date.
        QTest::mouseClick(m_form->AddCycleBtn, Qt::LeftButton);
        QVERIFY(m_fx.messages->shown().isEmpty());
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        m_form->CycleLenEdit->clear();
        QTest::mouseClick(m_form->AddCycleBtn, Qt::LeftButton);
        QCOMPARE(m_fx.shownTexts(), QStringList{CycleScreens::MissingCycleLengthText()});
        QCOMPARE(m_fx.dump(), TwoJanuaryCycles);
    }

    // The selected date cell is filled with the desktop colour, the others with the base.
    void selectedDateCellIsDrawnOnTheDesktopColour()
    {
        open(TwoJanuaryCycles, Fx::date("2001-06-01"));
        QTest::mouseClick(m_form->PredictBtn, Qt::LeftButton);
        m_form->StringGrid1->setCurrentCell(1, 0);
        const QImage shot = m_form->StringGrid1->viewport()->grab().toImage();
        const QRect selected = m_form->StringGrid1->visualItemRect(m_form->StringGrid1->item(1, 1));
        const QRect other = m_form->StringGrid1->visualItemRect(m_form->StringGrid1->item(0, 1));
        QCOMPARE(shot.pixelColor(selected.left() + 2, selected.center().y()),
                 TPredictionForm::DesktopColor);
        QCOMPARE(shot.pixelColor(other.left() + 2, other.center().y()),
                 m_form->StringGrid1->palette().base().color());
        // The date is written in white on the selected cell.
        bool white = false;
        for (int x = selected.left(); x <= selected.right() && !white; ++x)
            for (int y = selected.top(); y <= selected.bottom() && !white; ++y)
                white = shot.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(white);
    }
};

QTEST_MAIN(TestPrediction)
#include "tst_prediction.moc"
