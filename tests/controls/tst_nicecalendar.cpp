// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarSettingsApply.h"
#include "Globals.h"
#include "NiceCalendar.h"
#include "TestHome.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(TFillStyle)

namespace {

QColor pixelAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

QImage grabOf(TNiceCalendar& cal)
{
    return cal.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint centreOf(const QRect& r)
{
    return r.center();
}

} // namespace

class TestNiceCalendar : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

    // A picker with the dialog look, on 26 December 2001, shown on screen.
    std::unique_ptr<TNiceCalendar> shownDesignCalendar()
    {
        auto cal = std::make_unique<TNiceCalendar>();
        ApplyDialogDesign(*cal);
        cal->SetCalendarDate(QDate(2001, 12, 26));
        cal->show();
        if (!QTest::qWaitForWindowExposed(cal.get()))
            return nullptr;
        return cal;
    }

private slots:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void constructedWithDefaults()
    {
        TNiceCalendar cal;
        QCOMPARE(cal.CalendarDate(), QDate::currentDate());
        QVERIFY(cal.UseCurrentDate());
        QCOMPARE(cal.StartOfWeek(), 0);
        QCOMPARE(cal.Style(), fsHorizontal);
        QCOMPARE(cal.Steps(), 255);
        QCOMPARE(QList<int>({cal.Red1(), cal.Green1(), cal.Blue1()}), QList<int>({0, 0, 0}));
        QCOMPARE(QList<int>({cal.Red2(), cal.Green2(), cal.Blue2()}), QList<int>({255, 255, 255}));
        QCOMPARE(cal.SelectedColor(), QColor(Qt::black));
        QVERIFY(cal.ShowDateAtBottom());
        QCOMPARE(cal.Caption(), QStringLiteral("Date : "));
        QVERIFY(!cal.NativeLanguage());
        QCOMPARE(cal.size(), QSize(265, 175));
        QCOMPARE(cal.HoveredCell().y(), -1);
    }

    void startColourIsLoweredToEndColour_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("red above") << "Red" << 100 << 200 << 100;
        QTest::newRow("green above") << "Green" << 100 << 101 << 100;
        QTest::newRow("blue above") << "Blue" << 0 << 255 << 0;
        QTest::newRow("red below") << "Red" << 100 << 50 << 50;
        QTest::newRow("blue equal") << "Blue" << 100 << 100 << 100;
    }

    void startColourIsLoweredToEndColour()
    {
        QFETCH(QString, component);
        QFETCH(int, end);
        QFETCH(int, value);
        QFETCH(int, stored);
        TNiceCalendar cal;
        if (component == QLatin1String("Red")) {
            cal.SetRed2(end);
            cal.SetRed1(value);
            QCOMPARE(cal.Red1(), stored);
        } else if (component == QLatin1String("Green")) {
            cal.SetGreen2(end);
            cal.SetGreen1(value);
            QCOMPARE(cal.Green1(), stored);
        } else {
            cal.SetBlue2(end);
            cal.SetBlue1(value);
            QCOMPARE(cal.Blue1(), stored);
        }
    }

    void setColorsStoresAsGivenAndRebuilds()
    {
        TNiceCalendar cal;
        cal.SetSteps(5);
        // Red1 above Red2 is kept: only the single setters lower a start colour.
        cal.SetColors(/*red2*/ 10, /*red1*/ 200, /*blue1*/ 30, /*blue2*/ 40, /*green1*/ 50,
                      /*green2*/ 60);
        QCOMPARE(cal.Red2(), 10);
        QCOMPARE(cal.Red1(), 200);
        QCOMPARE(cal.Blue1(), 30);
        QCOMPARE(cal.Blue2(), 40);
        QCOMPARE(cal.Green1(), 50);
        QCOMPARE(cal.Green2(), 60);
        // The top band of the horizontal pattern carries the new start colour.
        QCOMPARE(pixelAt(cal.BackgroundImage(), 100, 10), rgb(200, 50, 30));
    }

    void stepsBelowTwoAreIgnored_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("stored");
        QTest::newRow("one") << 1 << 255;
        QTest::newRow("zero") << 0 << 255;
        QTest::newRow("negative") << -3 << 255;
        QTest::newRow("two") << 2 << 2;
        QTest::newRow("many") << 1000 << 1000;
    }

    void stepsBelowTwoAreIgnored()
    {
        QFETCH(int, steps);
        QFETCH(int, stored);
        TNiceCalendar cal;
        cal.SetSteps(steps);
        QCOMPARE(cal.Steps(), stored);
    }

    void backgroundPixels_data()
    {
        QTest::addColumn<TFillStyle>("style");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("expected");
        // Start (0, 100, 0), end (100, 100, 200), on 265 x 175.
        QTest::newRow("horizontal top band")
            << fsHorizontal << 5 << QPoint(200, 20) << rgb(0, 100, 0);
        QTest::newRow("horizontal third band")
            << fsHorizontal << 5 << QPoint(200, 80) << rgb(40, 100, 80);
        QTest::newRow("vertical fourth band")
            << fsVertical << 5 << QPoint(200, 20) << rgb(60, 100, 120);
        QTest::newRow("square centre") << fsSquare << 5 << QPoint(132, 87) << rgb(80, 100, 160);
        QTest::newRow("ellipse centre") << fsEllipse << 5 << QPoint(132, 87) << rgb(80, 100, 160);
        QTest::newRow("ellipse leaves the corners")
            << fsEllipse << 5 << QPoint(3, 171) << rgb(0, 100, 0);
        QTest::newRow("double horizontal middle")
            << fsDoubleHorizontal << 10 << QPoint(5, 90) << rgb(50, 100, 100);
        QTest::newRow("double horizontal mirrored")
            << fsDoubleHorizontal << 10 << QPoint(5, 170) << rgb(10, 100, 20);
        QTest::newRow("double vertical mirrored")
            << fsDoubleVertical << 10 << QPoint(240, 5) << rgb(10, 100, 20);
        QTest::newRow("white left edge")
            << fsHorizontal << 5 << QPoint(0, 100) << QColor(Qt::white);
        QTest::newRow("white top edge") << fsVertical << 5 << QPoint(264, 0) << QColor(Qt::white);
        QTest::newRow("black bottom edge")
            << fsHorizontal << 5 << QPoint(100, 174) << QColor(Qt::black);
        QTest::newRow("black right edge")
            << fsHorizontal << 5 << QPoint(264, 100) << QColor(Qt::black);
    }

    void backgroundPixels()
    {
        QFETCH(TFillStyle, style);
        QFETCH(int, steps);
        QFETCH(QPoint, point);
        QFETCH(QColor, expected);
        TNiceCalendar cal;
        cal.SetColors(100, 0, 0, 200, 100, 100);
        cal.SetStyle(style);
        cal.SetSteps(steps);
        QCOMPARE(pixelAt(cal.BackgroundImage(), point.x(), point.y()), expected);
    }

    void backgroundFollowsEveryChange()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        cal->SetStyle(fsVertical);
        cal->SetSteps(5);
        QCOMPARE(pixelAt(grabOf(*cal), 5, 100), rgb(0, 150, 200));
        cal->SetRed1(50);
        QCOMPARE(pixelAt(grabOf(*cal), 5, 100), rgb(50, 150, 200));
        cal->SetBlue2(100); // below Blue1: the end colour itself is not raised
        QCOMPARE(cal->Blue1(), 200);
        QCOMPARE(pixelAt(grabOf(*cal), 260, 100), rgb(214, 234, 120));
        cal->resize(300, 200);
        QCOMPARE(cal->BackgroundImage().size(), QSize(300, 200));
        QCOMPARE(pixelAt(grabOf(*cal), 299, 100), QColor(Qt::black));
        QCOMPARE(cal->findChild<QToolButton*>("NextYearSB")->geometry(),
                 cal->CalendarGeometry().nextYearButton);
    }

    void calendarDateChangeNotifies()
    {
        TNiceCalendar cal;
        QSignalSpy spy(&cal, &TNiceCalendar::OnChange);
        cal.SetCalendarDate(QDate(2001, 12, 26));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(cal.CalendarDate(), QDate(2001, 12, 26));
        cal.SetCalendarDate(QDate(2001, 12, 26));
        QCOMPARE(spy.count(), 1);
        cal.SetCalendarDate(QDate()); // not a date: ignored
        QCOMPARE(spy.count(), 1);
        QCOMPARE(cal.CalendarDate(), QDate(2001, 12, 26));
        cal.SetCalendarDate(QDate(2002, 1, 1));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(cal.MonthOffset(), -1); // 1 January 2002 is a Tuesday, Sunday first
        QCOMPARE(cal.SelectedCell(), QPoint(2, 1));
    }

    void partSetters_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("value");
        QTest::addColumn<QDate>("to");
        const QDate jan31(2004, 1, 31);
        QTest::newRow("day") << jan31 << "Day" << 15 << QDate(2004, 1, 15);
        QTest::newRow("day 0") << jan31 << "Day" << 0 << jan31;
        QTest::newRow("day 32") << jan31 << "Day" << 32 << jan31;
        QTest::newRow("day past April") << QDate(2004, 4, 1) << "Day" << 31 << QDate(2004, 4, 1);
        QTest::newRow("same day") << jan31 << "Day" << 31 << jan31;
        QTest::newRow("month") << QDate(2004, 1, 15) << "Month" << 6 << QDate(2004, 6, 15);
        QTest::newRow("month 13") << jan31 << "Month" << 13 << jan31;
        QTest::newRow("month 0") << jan31 << "Month" << 0 << jan31;
        QTest::newRow("same month") << jan31 << "Month" << 1 << jan31;
        // A day the new month lacks becomes its last day rather than no date at all.
        QTest::newRow("31 Jan to February") << jan31 << "Month" << 2 << QDate(2004, 2, 29);
        QTest::newRow("31 Mar to April")
            << QDate(2003, 3, 31) << "Month" << 4 << QDate(2003, 4, 30);
        QTest::newRow("year") << jan31 << "Year" << 1999 << QDate(1999, 1, 31);
        QTest::newRow("year 0") << jan31 << "Year" << 0 << jan31;
        QTest::newRow("same year") << jan31 << "Year" << 2004 << jan31;
        QTest::newRow("29 Feb to a common year")
            << QDate(2004, 2, 29) << "Year" << 2005 << QDate(2005, 2, 28);
    }

    void partSetters()
    {
        QFETCH(QDate, from);
        QFETCH(QString, part);
        QFETCH(int, value);
        QFETCH(QDate, to);
        TNiceCalendar cal;
        cal.SetCalendarDate(from);
        QVERIFY(cal.UseCurrentDate()); // setting the date itself leaves the flag
        QSignalSpy spy(&cal, &TNiceCalendar::OnChange);
        if (part == QLatin1String("Day"))
            cal.SetDay(value);
        else if (part == QLatin1String("Month"))
            cal.SetMonth(value);
        else
            cal.SetYear(value);
        QCOMPARE(cal.CalendarDate(), to);
        const bool changed = to != from;
        QCOMPARE(spy.count(), changed ? 1 : 0);
        QCOMPARE(cal.UseCurrentDate(), !changed);
        QCOMPARE(cal.SelectedCell(), NiceCal::SelectedCell(to, 0));
    }

    void useCurrentDateTakesTodayQuietly()
    {
        TNiceCalendar cal;
        cal.SetUseCurrentDate(false);
        cal.SetCalendarDate(QDate(2001, 12, 26));
        QSignalSpy spy(&cal, &TNiceCalendar::OnChange);
        cal.SetUseCurrentDate(true);
        QCOMPARE(cal.CalendarDate(), QDate::currentDate());
        QCOMPARE(cal.SelectedCell(), NiceCal::SelectedCell(QDate::currentDate(), 0));
        QCOMPARE(spy.count(), 0);
    }

    void startOfWeekMovesTheLayout()
    {
        TNiceCalendar cal;
        cal.SetCalendarDate(QDate(2001, 12, 26)); // a Wednesday
        QCOMPARE(cal.SelectedCell(), QPoint(3, 5));
        cal.SetStartOfWeek(1);
        QCOMPARE(cal.MonthOffset(), -4);
        QCOMPARE(cal.SelectedCell(), QPoint(2, 5));
        cal.SetStartOfWeek(7); // no such weekday
        QCOMPARE(cal.StartOfWeek(), 1);
    }

    void navigationButtons_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("to");
        QTest::newRow("next month from 31 Jan")
            << QDate(2003, 1, 31) << "NextMonthSB" << QDate(2003, 2, 28);
        QTest::newRow("next month from 31 Jan, leap year")
            << QDate(2004, 1, 31) << "NextMonthSB" << QDate(2004, 2, 29);
        QTest::newRow("previous month from 31 Mar")
            << QDate(2003, 3, 31) << "PrevMonthSB" << QDate(2003, 2, 28);
        QTest::newRow("previous month from 31 Mar, leap year")
            << QDate(2004, 3, 31) << "PrevMonthSB" << QDate(2004, 2, 29);
        QTest::newRow("next month from 31 Mar")
            << QDate(2003, 3, 31) << "NextMonthSB" << QDate(2003, 4, 30);
        QTest::newRow("next month over the new year")
            << QDate(2001, 12, 26) << "NextMonthSB" << QDate(2002, 1, 26);
        QTest::newRow("previous month over the new year")
            << QDate(2002, 1, 26) << "PrevMonthSB" << QDate(2001, 12, 26);
        QTest::newRow("next year from 29 Feb")
            << QDate(2004, 2, 29) << "NextYearSB" << QDate(2005, 2, 28);
        QTest::newRow("previous year from 29 Feb")
            << QDate(2004, 2, 29) << "PrevYearSB" << QDate(2003, 2, 28);
        QTest::newRow("previous year")
            << QDate(2001, 12, 26) << "PrevYearSB" << QDate(2000, 12, 26);
    }

    void navigationButtons()
    {
        QFETCH(QDate, from);
        QFETCH(QString, button);
        QFETCH(QDate, to);
        TNiceCalendar cal;
        cal.SetCalendarDate(from);
        cal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cal));
        auto* sb = cal.findChild<QToolButton*>(button);
        QVERIFY(sb);
        QSignalSpy spy(&cal, &TNiceCalendar::OnChange);
        QTest::mouseClick(sb, Qt::LeftButton);
        QCOMPARE(cal.CalendarDate(), to);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!cal.UseCurrentDate());
    }

    void navigationButtonsLook()
    {
        TNiceCalendar cal;
        const NiceCal::Geometry g = cal.CalendarGeometry();
        const struct
        {
            const char* name;
            const char* hint;
            QRect rect;
            QSize glyph;
        } expected[] = {{"PrevYearSB", "Previous year", g.prevYearButton, QSize(15, 13)},
                        {"PrevMonthSB", "Previous month", g.prevMonthButton, QSize(9, 13)},
                        {"NextMonthSB", "Next month", g.nextMonthButton, QSize(9, 13)},
                        {"NextYearSB", "Next year", g.nextYearButton, QSize(15, 13)}};
        for (const auto& e : expected) {
            auto* sb = cal.findChild<QToolButton*>(QLatin1String(e.name));
            QVERIFY2(sb, e.name);
            QVERIFY(sb->autoRaise());
            QVERIFY(!sb->autoFillBackground());
            QCOMPARE(sb->toolTip(), QLatin1String(e.hint));
            QCOMPARE(sb->geometry(), e.rect);
            QCOMPARE(sb->iconSize(), e.glyph);
        }
        // Year glyphs are double arrows, month glyphs single ones; "next" points right.
        // At the top row only the flat back of each triangle is filled.
        const QImage prevYear = cal.PrevYearSBGlyph().toImage();
        QCOMPARE(qAlpha(prevYear.pixel(0, 6)), 255); // tip of the first arrow
        QCOMPARE(qAlpha(prevYear.pixel(8, 6)), 255); // tip of the second
        QCOMPARE(qAlpha(prevYear.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(prevYear.pixel(6, 0)), 255);
        QCOMPARE(qAlpha(prevYear.pixel(14, 0)), 255);
        const QImage nextMonth = cal.NextMonthSBGlyph().toImage();
        QCOMPARE(qAlpha(nextMonth.pixel(7, 6)), 255);
        QCOMPARE(qAlpha(nextMonth.pixel(1, 0)), 255);
        QCOMPARE(qAlpha(nextMonth.pixel(7, 0)), 0);
        // A picture of one's own replaces the drawn one.
        QPixmap own(20, 10);
        own.fill(Qt::red);
        cal.SetNextYearSBGlyph(own);
        QCOMPARE(cal.findChild<QToolButton*>("NextYearSB")->iconSize(), QSize(20, 10));
    }

    void clickingTheSelectedDayRaisesNothing()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        QSignalSpy spy(cal.get(), &TNiceCalendar::OnChange);
        const NiceCal::Geometry g = cal->CalendarGeometry();
        QCOMPARE(cal->SelectedCell(), QPoint(2, 5));
        QTest::mouseClick(cal.get(), Qt::LeftButton, {}, centreOf(g.cellRect(2, 5)));
        QCOMPARE(spy.count(), 0);
        // The header, an empty cell and the space outside the grid do nothing either.
        QTest::mouseClick(cal.get(), Qt::LeftButton, {}, centreOf(g.cellRect(2, 0)));
        QTest::mouseClick(cal.get(), Qt::LeftButton, {}, centreOf(g.cellRect(0, 1)));
        QTest::mouseClick(cal.get(), Qt::LeftButton, {}, QPoint(5, 100));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(cal->CalendarDate(), QDate(2001, 12, 26));
    }

    void clickingAnotherDaySelectsIt()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        QSignalSpy spy(cal.get(), &TNiceCalendar::OnChange);
        const NiceCal::Geometry g = cal->CalendarGeometry();
        // December 2001, Monday first: the 3rd is the Monday of the second week.
        QTest::mouseClick(cal.get(), Qt::LeftButton, {}, centreOf(g.cellRect(0, 2)));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(cal->CalendarDate(), QDate(2001, 12, 3));
        QCOMPARE(cal->SelectedCell(), QPoint(0, 2));
        const QImage shot = grabOf(*cal);
        const QRect cell = g.cellRect(0, 2);
        QCOMPARE(pixelAt(shot, cell.left() + 2, cell.top() + 2), QColor(Qt::yellow));
        const QRect old = g.cellRect(2, 5);
        QVERIFY(pixelAt(shot, old.left() + 2, old.top() + 2) != QColor(Qt::yellow));
    }

    void selectedCellIsFilledAtItsRectangle()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        const NiceCal::Geometry g = cal->CalendarGeometry();
        const QRect cell = g.cellRect(cal->SelectedCell().x(), cal->SelectedCell().y());
        QCOMPARE(cell, QRect(84, 125, 32, 15));
        const QImage shot = grabOf(*cal);
        const QImage background = cal->BackgroundImage();
        // Filled inside, framed solid on all four sides.
        QCOMPARE(pixelAt(shot, cell.left() + 2, cell.top() + 2), QColor(Qt::yellow));
        QCOMPARE(pixelAt(shot, cell.right() - 2, cell.bottom() - 2), QColor(Qt::yellow));
        for (int x = cell.left(); x <= cell.right(); ++x) {
            QCOMPARE(pixelAt(shot, x, cell.top()), QColor(Qt::black));
            QCOMPARE(pixelAt(shot, x, cell.bottom()), QColor(Qt::black));
        }
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            QCOMPARE(pixelAt(shot, cell.left(), y), QColor(Qt::black));
            QCOMPARE(pixelAt(shot, cell.right(), y), QColor(Qt::black));
        }
        // The day number is drawn inside the fill.
        bool text = false;
        for (int x = cell.left() + 1; x < cell.right() && !text; ++x) {
            for (int y = cell.top() + 1; y < cell.bottom() && !text; ++y)
                text = pixelAt(shot, x, y) != QColor(Qt::yellow);
        }
        QVERIFY(text);
        // Just outside the frame the background shows again.
        QCOMPARE(pixelAt(shot, cell.left() - 1, cell.top() + 2),
                 pixelAt(background, cell.left() - 1, cell.top() + 2));
        QCOMPARE(pixelAt(shot, cell.right() + 1, cell.top() + 2),
                 pixelAt(background, cell.right() + 1, cell.top() + 2));
        // The black frame of the header row, 8 pixels above the grid.
        const QRect header = g.headerFrame();
        // (between two weekday names, so no text covers the line)
        QCOMPARE(pixelAt(shot, 85, header.top()), QColor(Qt::black));
        QCOMPARE(pixelAt(shot, 85, header.bottom()), QColor(Qt::black));
        QCOMPARE(pixelAt(shot, header.left(), 45), QColor(Qt::black));

        cal->SetSelectedColor(Qt::magenta);
        QCOMPARE(pixelAt(grabOf(*cal), cell.left() + 2, cell.top() + 2), QColor(Qt::magenta));
    }

    void hoveredCellIsFramedDotted()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        const NiceCal::Geometry g = cal->CalendarGeometry();
        const QRect cell = g.cellRect(4, 3); // the 14th
        QTest::mouseMove(cal.get(), centreOf(cell));
        QTRY_COMPARE(cal->HoveredCell(), QPoint(4, 3));
        const QImage shot = grabOf(*cal);
        int black = 0;
        int other = 0;
        for (int x = cell.left(); x <= cell.right(); ++x)
            (pixelAt(shot, x, cell.top()) == QColor(Qt::black) ? black : other)++;
        QVERIFY2(black >= 10 && other >= 10,
                 qPrintable(QStringLiteral("%1 black, %2 other").arg(black).arg(other)));
        // No fill: the inner corner is the background.
        QCOMPARE(pixelAt(shot, cell.left() + 2, cell.top() + 2),
                 pixelAt(cal->BackgroundImage(), cell.left() + 2, cell.top() + 2));

        // The selected cell is not framed as hovered; an empty cell and the header clear it.
        QTest::mouseMove(cal.get(), centreOf(g.cellRect(2, 5)));
        QTRY_COMPARE(cal->HoveredCell(), QPoint(2, 5));
        QCOMPARE(pixelAt(grabOf(*cal), g.cellRect(2, 5).left() + 2, g.cellRect(2, 5).top() + 2),
                 QColor(Qt::yellow));
        QTest::mouseMove(cal.get(), centreOf(g.cellRect(0, 1)));
        QTRY_COMPARE(cal->HoveredCell(), QPoint(-1, -1));
        QTest::mouseMove(cal.get(), centreOf(cell));
        QTRY_COMPARE(cal->HoveredCell(), QPoint(4, 3));
        QTest::mouseMove(cal.get(), centreOf(g.cellRect(4, 0)));
        QTRY_COMPARE(cal->HoveredCell(), QPoint(-1, -1));
        const QImage cleared = grabOf(*cal);
        QCOMPARE(pixelAt(cleared, cell.left() + 3, cell.top()),
                 pixelAt(cal->BackgroundImage(), cell.left() + 3, cell.top()));
    }

    void bottomCaption()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        const QRect strip = cal->CalendarGeometry().bottomStrip.adjusted(1, 0, -1, -1);
        const QImage background = cal->BackgroundImage().copy(strip);
        QVERIFY(grabOf(*cal).copy(strip) != background);
        cal->SetShowDateAtBottom(false);
        QCOMPARE(grabOf(*cal).copy(strip), background);
        cal->SetShowDateAtBottom(true);
        const QImage withDate = grabOf(*cal).copy(strip);
        cal->SetCaption(QStringLiteral("Start date : "));
        QVERIFY(grabOf(*cal).copy(strip) != withDate);
    }

    void titleFollowsTheMonth()
    {
        auto cal = shownDesignCalendar();
        QVERIFY(cal);
        const QRect title = cal->CalendarGeometry().titleRect;
        const QImage december = grabOf(*cal).copy(title);
        QVERIFY(december != cal->BackgroundImage().copy(title));
        cal->SetDay(1); // same month: same title
        QCOMPARE(grabOf(*cal).copy(title), december);
        cal->SetMonth(11);
        QVERIFY(grabOf(*cal).copy(title) != december);
    }

    void dialogDesign()
    {
        TNiceCalendar cal;
        ApplyDialogDesign(cal);
        QCOMPARE(cal.size(), QSize(265, 175));
        QCOMPARE(cal.Steps(), 255);
        QCOMPARE(cal.Style(), fsEllipse);
        QCOMPARE(QList<int>({cal.Red1(), cal.Green1(), cal.Blue1()}), QList<int>({0, 150, 200}));
        QCOMPARE(QList<int>({cal.Red2(), cal.Green2(), cal.Blue2()}), QList<int>({255, 255, 255}));
        QCOMPARE(cal.StartOfWeek(), 1);
        QVERIFY(!cal.UseCurrentDate());
        QCOMPARE(cal.SelectedColor(), QColor(Qt::yellow));
        const int pixels[5] = {11, 11, 13, 13, 11};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(cal.CalendarFont(i).family(), QStringLiteral("MS Sans Serif"));
            QVERIFY(cal.CalendarFont(i).bold());
            QCOMPARE(cal.CalendarFont(i).pixelSize(), pixels[i]);
        }
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::WeekdaysFontIndex), QColor(Qt::white));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::DateFontIndex), rgb(0, 255, 255));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::TitleFontIndex), QColor(Qt::black));

        // With CICLARA_SHOT_DIR set, keep a picture of the look for a person to inspect.
        const QString shots = qEnvironmentVariable("CICLARA_SHOT_DIR");
        if (!shots.isEmpty()) {
            cal.SetCalendarDate(QDate(2001, 12, 26));
            QVERIFY(QDir().mkpath(shots));
            QVERIFY(cal.grab().save(shots + QStringLiteral("/calendar.png")));
        }
    }

    void colorFromStored_data()
    {
        QTest::addColumn<quint32>("stored");
        QTest::addColumn<QColor>("color");
        const QPalette pal = QGuiApplication::palette();
        QTest::newRow("black") << quint32(0) << rgb(0, 0, 0);
        QTest::newRow("aqua") << quint32(16776960) << rgb(0, 255, 255);
        QTest::newRow("white") << quint32(16777215) << rgb(255, 255, 255);
        QTest::newRow("red is the low byte") << quint32(0x0000FF) << rgb(255, 0, 0);
        QTest::newRow("mixed") << quint32(0x003FC1) << rgb(193, 63, 0);
        QTest::newRow("window text")
            << Globals::SystemWindowTextColor << pal.color(QPalette::WindowText);
        QTest::newRow("window") << quint32(0x80000005) << pal.color(QPalette::Base);
        QTest::newRow("highlight") << quint32(0x8000000D) << pal.color(QPalette::Highlight);
        QTest::newRow("button face") << quint32(0x8000000F) << pal.color(QPalette::Button);
        QTest::newRow("grey text")
            << quint32(0x80000011) << pal.color(QPalette::Disabled, QPalette::WindowText);
    }

    void colorFromStored()
    {
        QFETCH(quint32, stored);
        QFETCH(QColor, color);
        QCOMPARE(ColorFromStored(stored), color);
    }

    void applyDefaultCalendarSettings()
    {
        QCOMPARE(Globals::CalendarSettings(), Globals::DefaultCalendarSettings());
        TNiceCalendar cal;
        cal.SetNativeLanguage(true);
        ApplyCalendarSettings(cal);
        QVERIFY(!cal.NativeLanguage());
        QCOMPARE(cal.StartOfWeek(), 1);
        QCOMPARE(cal.Style(), fsEllipse);
        QCOMPARE(QList<int>({cal.Red2(), cal.Red1(), cal.Green2(), cal.Green1(), cal.Blue2(),
                             cal.Blue1()}),
                 QList<int>({255, 0, 255, 150, 255, 200}));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::DateFontIndex), rgb(0, 255, 255));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::DaysFontIndex), rgb(0, 0, 0));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::SelectedDaysFontIndex),
                 QGuiApplication::palette().color(QPalette::WindowText));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::TitleFontIndex), rgb(0, 0, 0));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::WeekdaysFontIndex), rgb(255, 255, 255));
    }

    void applyCalendarSettingsMapsEveryField()
    {
        Globals::CalendarSettingsRecord& s = Globals::CalendarSettings();
        s.StartOfWeek = 6;
        s.Style = 5;
        // Six different values, and a start above its end, which must arrive untouched.
        s.Red2 = 11;
        s.Red1 = 22;
        s.Green2 = 33;
        s.Green1 = 44;
        s.Blue2 = 55;
        s.Blue1 = 66;
        s.CalendarDateFont = 0x000001;
        s.CalendarDaysFont = 0x000200;
        s.CalendarSelectedDaysFont = 0x030000;
        s.CalendarTitleFont = 0x040404;
        s.CalendarWeekDaysFont = 0x80000005;
        Globals::SetNativeLanguage(true);

        TNiceCalendar cal;
        ApplyCalendarSettings(cal);
        QVERIFY(cal.NativeLanguage());
        QCOMPARE(cal.StartOfWeek(), 6);
        QCOMPARE(cal.Style(), fsDoubleVertical);
        QCOMPARE(cal.Red2(), 11);
        QCOMPARE(cal.Red1(), 22);
        QCOMPARE(cal.Green2(), 33);
        QCOMPARE(cal.Green1(), 44);
        QCOMPARE(cal.Blue2(), 55);
        QCOMPARE(cal.Blue1(), 66);
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::DateFontIndex), rgb(1, 0, 0));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::DaysFontIndex), rgb(0, 2, 0));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::SelectedDaysFontIndex), rgb(0, 0, 3));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::TitleFontIndex), rgb(4, 4, 4));
        QCOMPARE(cal.CalendarFontColor(TNiceCalendar::WeekdaysFontIndex),
                 QGuiApplication::palette().color(QPalette::Base));

        // A style number beyond the six patterns leaves the pattern as it is.
        s.Style = 9;
        ApplyCalendarSettings(cal);
        QCOMPARE(cal.Style(), fsDoubleVertical);
    }
};

QTEST_MAIN(TestNiceCalendar)
#include "tst_nicecalendar.moc"
