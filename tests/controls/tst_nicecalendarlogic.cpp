// SPDX-License-Identifier: GPL-3.0-or-later
#include "NiceCalendarLogic.h"
#include "TestHome.h"

#include <QLocale>
#include <QTest>

using namespace NiceCal;

Q_DECLARE_METATYPE(NiceCal::Rgb)
Q_DECLARE_METATYPE(TFillStyle)

namespace QTest {
template <> char* toString(const NiceCal::Rgb& c)
{
    const QByteArray text =
        QByteArray::number(c.r) + ',' + QByteArray::number(c.g) + ',' + QByteArray::number(c.b);
    return qstrdup(text.constData());
}
} // namespace QTest

class TestNiceCalendarLogic : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup()
    {
        QLocale::setDefault(QLocale::system());
        m_home.reset();
    }

    void horizontalFullRangeGivesOneLevelPerBand()
    {
        const QVector<GradientBand> bands =
            GradientBands(fsHorizontal, 255, QSize(100, 255), {0, 0, 0}, {255, 255, 255});
        QCOMPARE(bands.size(), 255);
        for (int i = 0; i < bands.size(); ++i) {
            QCOMPARE(bands[i].color, (Rgb{i, i, i}));
            QCOMPARE(bands[i].rect, QRect(0, i, 100, 1));
            QVERIFY(!bands[i].ellipse);
        }
    }

    void bandColor_data()
    {
        QTest::addColumn<TFillStyle>("style");
        QTest::addColumn<int>("steps");
        QTest::addColumn<Rgb>("start");
        QTest::addColumn<Rgb>("end");
        QTest::addColumn<int>("band");
        QTest::addColumn<Rgb>("expected");

        const Rgb rim{0, 150, 200};
        const Rgb white{255, 255, 255};
        QTest::newRow("first band is the start colour")
            << fsEllipse << 255 << rim << white << 0 << rim;
        QTest::newRow("components truncate")
            << fsHorizontal << 255 << rim << white << 100 << Rgb{100, 191, 221};
        QTest::newRow("last band one step short of the end")
            << fsEllipse << 255 << rim << white << 254 << Rgb{254, 254, 254};
        QTest::newRow("double: rises to the half") << fsDoubleHorizontal << 10 << Rgb{0, 0, 0}
                                                   << Rgb{100, 100, 100} << 4 << Rgb{40, 40, 40};
        QTest::newRow("double: halfway band") << fsDoubleHorizontal << 10 << Rgb{0, 0, 0}
                                              << Rgb{100, 100, 100} << 5 << Rgb{50, 50, 50};
        QTest::newRow("double: mirrored after the half")
            << fsDoubleHorizontal << 10 << Rgb{0, 0, 0} << Rgb{100, 100, 100} << 6
            << Rgb{40, 40, 40};
        QTest::newRow("double: back near the start")
            << fsDoubleVertical << 10 << Rgb{0, 0, 0} << Rgb{100, 100, 100} << 9 << Rgb{10, 10, 10};
        QTest::newRow("double 255: peak")
            << fsDoubleVertical << 255 << Rgb{0, 0, 0} << white << 127 << Rgb{127, 127, 127};
        QTest::newRow("double 255: ends at the start colour")
            << fsDoubleVertical << 255 << Rgb{0, 0, 0} << white << 254 << Rgb{0, 0, 0};
        QTest::newRow("double odd steps") << fsDoubleHorizontal << 5 << Rgb{0, 0, 0}
                                          << Rgb{100, 100, 100} << 3 << Rgb{20, 20, 20};
        QTest::newRow("plain styles do not mirror")
            << fsVertical << 10 << Rgb{0, 0, 0} << Rgb{100, 100, 100} << 9 << Rgb{90, 90, 90};
        // A start above its end (possible through SetColors) runs down towards the end
        // instead of wrapping past 255.
        QTest::newRow("start above end runs down")
            << fsHorizontal << 100 << Rgb{200, 0, 0} << Rgb{100, 0, 0} << 50 << Rgb{150, 0, 0};
        QTest::newRow("components independent")
            << fsSquare << 4 << Rgb{0, 100, 200} << Rgb{40, 100, 240} << 3 << Rgb{30, 100, 230};
    }

    void bandColor()
    {
        QFETCH(TFillStyle, style);
        QFETCH(int, steps);
        QFETCH(Rgb, start);
        QFETCH(Rgb, end);
        QFETCH(int, band);
        QFETCH(Rgb, expected);
        QCOMPARE(BandColor(style, band, steps, start, end), expected);
    }

    void bandRect_data()
    {
        QTest::addColumn<TFillStyle>("style");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("band");
        QTest::addColumn<QRect>("expected");

        const QSize design(265, 175);
        // More steps than pixel rows: some bands have no height and paint nothing.
        QTest::newRow("horizontal empty band")
            << fsHorizontal << 255 << design << 0 << QRect(0, 0, 265, 0);
        QTest::newRow("horizontal band")
            << fsHorizontal << 255 << design << 1 << QRect(0, 0, 265, 1);
        QTest::newRow("horizontal last band reaches the bottom")
            << fsHorizontal << 255 << design << 254 << QRect(0, 174, 265, 1);
        QTest::newRow("double horizontal as horizontal")
            << fsDoubleHorizontal << 10 << QSize(100, 50) << 3 << QRect(0, 15, 100, 5);
        QTest::newRow("vertical") << fsVertical << 10 << QSize(100, 50) << 3
                                  << QRect(30, 0, 10, 50);
        QTest::newRow("double vertical")
            << fsDoubleVertical << 3 << QSize(100, 50) << 1 << QRect(33, 0, 33, 50);
        QTest::newRow("square shrinks by half a step per side")
            << fsSquare << 10 << QSize(100, 50) << 4 << QRect(20, 10, 60, 30);
        QTest::newRow("square first is the whole picture")
            << fsSquare << 10 << QSize(100, 50) << 0 << QRect(0, 0, 100, 50);
        QTest::newRow("ellipse box") << fsEllipse << 255 << design << 254 << QRect(131, 87, 3, 1);
    }

    void bandRect()
    {
        QFETCH(TFillStyle, style);
        QFETCH(int, steps);
        QFETCH(QSize, size);
        QFETCH(int, band);
        QFETCH(QRect, expected);
        QCOMPARE(BandRect(style, band, steps, size), expected);
    }

    void onlyEllipseBandsAreEllipses()
    {
        for (TFillStyle style : {fsHorizontal, fsVertical, fsSquare, fsEllipse, fsDoubleHorizontal,
                                 fsDoubleVertical}) {
            const QVector<GradientBand> bands =
                GradientBands(style, 3, QSize(30, 30), {0, 0, 0}, {3, 3, 3});
            QCOMPARE(bands.size(), 3);
            for (const GradientBand& band : bands)
                QCOMPARE(band.ellipse, style == fsEllipse);
        }
        QVERIFY(GradientBands(fsEllipse, 0, QSize(30, 30), {0, 0, 0}, {3, 3, 3}).isEmpty());
    }

    void geometryOfTheDesignSize()
    {
        const Geometry g = ComputeGeometry(QSize(265, 175));
        QCOMPARE(g.cellWidth, 32);
        QCOMPARE(g.cellHeight, 15);
        QCOMPARE(QPoint(g.gridLeft, g.gridTop), QPoint(20, 50));
        QCOMPARE(QPoint(g.gridRight(), g.gridBottom()), QPoint(244, 155));
        QCOMPARE(g.prevYearButton, QRect(20, 10, 25, 25));
        QCOMPARE(g.prevMonthButton, QRect(45, 10, 25, 25));
        QCOMPARE(g.nextMonthButton, QRect(194, 10, 25, 25));
        QCOMPARE(g.nextYearButton, QRect(219, 10, 25, 25));
        QCOMPARE(g.titleRect, QRect(70, 10, 124, 25));
        QCOMPARE(g.bottomStrip, QRect(0, 155, 265, 20));
        QCOMPARE(g.headerFrame(), QRect(20, 42, 224, 15));
        QCOMPARE(g.headerTextRect(2), QRect(84, 42, 32, 15));
        QCOMPARE(g.cellRect(3, 2), QRect(116, 80, 32, 15));
        QCOMPARE(g.cellRect(6, 6), QRect(212, 140, 32, 15));
    }

    void geometryOfAnotherSize()
    {
        const Geometry g = ComputeGeometry(QSize(300, 200));
        QCOMPARE(g.cellWidth, 37);  // 260 div 7
        QCOMPARE(g.cellHeight, 18); // 130 div 7
        QCOMPARE(g.gridRight(), 279);
        QCOMPARE(g.nextYearButton, QRect(254, 10, 25, 25));
        QCOMPARE(g.bottomStrip, QRect(0, 176, 300, 24));
        // Too small for a grid: no cells, and nothing is hit.
        const Geometry tiny = ComputeGeometry(QSize(30, 30));
        QCOMPARE(tiny.cellWidth, 0);
        QCOMPARE(CellAt(tiny, QPoint(20, 50)), QPoint(-1, -1));
    }

    void monthOffset_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("startOfWeek");
        QTest::addColumn<int>("offset");

        // 1 December 2001 is a Saturday, 1 January 2001 a Monday, 1 September 2002 a Sunday.
        QTest::newRow("first day in the last column") << QDate(2001, 12, 26) << 0 << -5;
        QTest::newRow("Saturday, Monday first") << QDate(2001, 12, 1) << 1 << -4;
        QTest::newRow("first day in column 0") << QDate(2001, 1, 31) << 1 << 1;
        QTest::newRow("Monday, Sunday first") << QDate(2001, 1, 1) << 0 << 0;
        QTest::newRow("Sunday, Monday first") << QDate(2002, 9, 15) << 1 << -5;
        QTest::newRow("Sunday, Sunday first") << QDate(2002, 9, 15) << 0 << 1;
        QTest::newRow("Sunday, Saturday first") << QDate(2002, 9, 15) << 6 << 0;
    }

    void monthOffset()
    {
        QFETCH(QDate, date);
        QFETCH(int, startOfWeek);
        QFETCH(int, offset);
        QCOMPARE(MonthOffset(date, startOfWeek), offset);
    }

    // Every day of a leap year lands in the column of its weekday, in rows 1..6, and the
    // cell shows that very day.
    void everyDayInItsWeekdayColumn()
    {
        for (int startOfWeek = 0; startOfWeek < 7; ++startOfWeek) {
            for (QDate d(2004, 1, 1); d.year() == 2004; d = d.addDays(1)) {
                const QPoint cell = SelectedCell(d, startOfWeek);
                const int weekday = d.dayOfWeek() % 7; // 0 = Sunday
                QCOMPARE(cell.x(), (weekday - startOfWeek + 7) % 7);
                QVERIFY2(cell.y() >= 1 && cell.y() <= 6, qPrintable(d.toString()));
                QCOMPARE(CellDay(MonthOffset(d, startOfWeek), d.daysInMonth(), cell.x(), cell.y()),
                         d.day());
                QCOMPARE(CellText(d, startOfWeek, false, cell.x(), cell.y()),
                         QString::number(d.day()));
            }
        }
    }

    void headerTexts_data()
    {
        QTest::addColumn<int>("startOfWeek");
        QTest::addColumn<QStringList>("header");
        QTest::newRow("Monday first")
            << 1 << QStringList{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
        QTest::newRow("Sunday first")
            << 0 << QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        QTest::newRow("Saturday first")
            << 6 << QStringList{"Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri"};
    }

    void headerTexts()
    {
        QFETCH(int, startOfWeek);
        QFETCH(QStringList, header);
        // The built-in names hold whatever the system language is.
        QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
        QStringList got;
        for (int column = 0; column < 7; ++column)
            got << CellText(QDate(2001, 12, 26), startOfWeek, false, column, 0);
        QCOMPARE(got, header);
    }

    void nativeNamesComeFromTheSystem()
    {
        QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
        const QDate date(2001, 12, 26);
        // Bulgarian short weekday names are lower-case ("пн"); the first letter is raised.
        QCOMPARE(CellText(date, 1, true, 0, 0), QString::fromUtf8("Пн"));
        QCOMPARE(CellText(date, 1, true, 6, 0), QString::fromUtf8("Нд"));
        QCOMPARE(TitleText(date, true),
                 QLocale().monthName(12, QLocale::ShortFormat) + QStringLiteral("-2001"));
        QVERIFY(TitleText(date, true) != QStringLiteral("Dec-2001"));
        QCOMPARE(TitleText(date, false), QStringLiteral("Dec-2001"));
        QCOMPARE(TitleText(QDate(2004, 5, 1), false), QStringLiteral("May-2004"));
    }

    void dayTexts_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        // February 2004, Monday first: the 1st is a Sunday, in the last column.
        QTest::newRow("before the first") << 5 << 1 << QString();
        QTest::newRow("the first") << 6 << 1 << QStringLiteral("1");
        QTest::newRow("second week") << 0 << 2 << QStringLiteral("2");
        QTest::newRow("leap day") << 6 << 5 << QStringLiteral("29");
        QTest::newRow("after the end") << 0 << 6 << QString();
    }

    void dayTexts()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(CellText(QDate(2004, 2, 10), 1, false, column, row), text);
    }

    void stepping_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("years");
        QTest::addColumn<QDate>("to");
        QTest::newRow("31 Jan -> 28 Feb") << QDate(2003, 1, 31) << 1 << 0 << QDate(2003, 2, 28);
        QTest::newRow("31 Jan -> 29 Feb leap")
            << QDate(2004, 1, 31) << 1 << 0 << QDate(2004, 2, 29);
        QTest::newRow("31 Mar back -> 28 Feb")
            << QDate(2003, 3, 31) << -1 << 0 << QDate(2003, 2, 28);
        QTest::newRow("31 Mar back -> 29 Feb leap")
            << QDate(2004, 3, 31) << -1 << 0 << QDate(2004, 2, 29);
        QTest::newRow("31 Mar -> 30 Apr") << QDate(2003, 3, 31) << 1 << 0 << QDate(2003, 4, 30);
        QTest::newRow("over the new year") << QDate(2001, 12, 15) << 1 << 0 << QDate(2002, 1, 15);
        QTest::newRow("back over the new year")
            << QDate(2002, 1, 15) << -1 << 0 << QDate(2001, 12, 15);
        QTest::newRow("29 Feb next year -> 28 Feb")
            << QDate(2004, 2, 29) << 0 << 1 << QDate(2005, 2, 28);
        QTest::newRow("29 Feb previous year -> 28 Feb")
            << QDate(2004, 2, 29) << 0 << -1 << QDate(2003, 2, 28);
        QTest::newRow("1900 is no leap year")
            << QDate(2000, 2, 29) << 0 << -100 << QDate(1900, 2, 28);
        QTest::newRow("ordinary day keeps") << QDate(2001, 12, 26) << 0 << 1 << QDate(2002, 12, 26);
    }

    void stepping()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(int, years);
        QFETCH(QDate, to);
        const QDate got = months != 0 ? StepMonth(from, months) : StepYear(from, years);
        QCOMPARE(got, to);
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<int>("day");
        // December 2001, Monday first: the 1st is in column 5; cells 32 x 15 from (20, 50).
        QTest::newRow("empty cell before the first") << QPoint(21, 66) << QPoint(0, 1) << 0;
        QTest::newRow("the first, top-left pixel") << QPoint(180, 65) << QPoint(5, 1) << 1;
        QTest::newRow("last column") << QPoint(243, 79) << QPoint(6, 1) << 2;
        QTest::newRow("right of the grid") << QPoint(244, 70) << QPoint(-1, -1) << 0;
        QTest::newRow("left of the grid") << QPoint(19, 70) << QPoint(-1, -1) << 0;
        QTest::newRow("header row") << QPoint(100, 60) << QPoint(-1, -1) << 0;
        QTest::newRow("below the grid") << QPoint(100, 155) << QPoint(-1, -1) << 0;
        QTest::newRow("26th") << QPoint(89, 128) << QPoint(2, 5) << 26;
        QTest::newRow("31st, bottom row") << QPoint(20, 154) << QPoint(0, 6) << 31;
        QTest::newRow("empty after the end") << QPoint(60, 154) << QPoint(1, 6) << 0;
    }

    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, cell);
        QFETCH(int, day);
        const Geometry g = ComputeGeometry(QSize(265, 175));
        QCOMPARE(CellAt(g, point), cell);
        QCOMPARE(DayAt(g, point, QDate(2001, 12, 26), 1), day);
    }
};

QTEST_GUILESS_MAIN(TestNiceCalendarLogic)
#include "tst_nicecalendarlogic.moc"
