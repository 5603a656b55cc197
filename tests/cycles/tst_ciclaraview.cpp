// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraView.h"
#include "StockPictures.h"
#include "TestHome.h"

#include <QDir>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace CycleView;

namespace {

QDate d(const char* iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

bool isBlack(QRgb c)
{
    return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0;
}

// Whether any pixel of the area is dark, as text is.
bool hasDarkPixel(const QImage& img, const QRect& area)
{
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 100)
                return true;
    return false;
}

} // namespace

class TestCiclaraView : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<TCiclaraView> m_view;

    // The control as the cycle view screen sets it up.
    void stock()
    {
        StockPictures::Apply(*m_view);
        m_view->setHint(QStringLiteral("|status text"));
    }
    QImage grab() { return m_view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void hover(const QPoint& pos)
    {
        QMouseEvent ev(QEvent::MouseMove, QPointF(pos), QPointF(m_view->mapToGlobal(pos)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_view.get(), &ev);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_view = std::make_unique<TCiclaraView>();
        m_view->resize(241, 321);
        QFont f = m_view->font();
        f.setPixelSize(12);
        f.setBold(true);
        m_view->setFont(f);
    }
    void cleanup()
    {
        m_view.reset();
        m_home.reset();
    }

    void defaults()
    {
        QCOMPARE(m_view->focusPolicy(), Qt::NoFocus);
        QCOMPARE(m_view->MenzLen(), 5);
        QCOMPARE(m_view->CycleLen(), 28);
        QCOMPARE(m_view->StartDate(), QDate(1899, 12, 30));
        QCOMPARE(m_view->EndDate(), QDate(1900, 1, 27));
        QCOMPARE(m_view->OvulationStartDay(), 13);
        QCOMPARE(m_view->PeriodCaption(), QStringLiteral("Period %s days"));
        QCOMPARE(m_view->OvulationCaption(), QStringLiteral("Ovulation"));
        QVERIFY(!m_view->UsePreformatedDate());
        QVERIFY(!m_view->NativeLanguage());
        for (int i = 0; i < PictureCount; ++i)
            QVERIFY(m_view->picture(Picture(i)).isNull());
    }

    void showCycleBounds_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("shown");
        QTest::newRow("14") << 14 << false;
        QTest::newRow("15") << 15 << true;
        QTest::newRow("39") << 39 << true;
        QTest::newRow("40") << 40 << false;
        QTest::newRow("0") << 0 << false;
    }
    void showCycleBounds()
    {
        QFETCH(int, length);
        QFETCH(bool, shown);
        QVERIFY(m_view->ShowCycle(6, 30, d("2002-01-01")));
        QSignalSpy undisplayed(m_view.get(), &TCiclaraView::OnDataUndisplayed);
        QCOMPARE(m_view->ShowCycle(5, length, d("2002-03-04")), shown);
        QCOMPARE(undisplayed.count(), shown ? 0 : 1);
        if (shown) {
            QCOMPARE(m_view->StartDate(), d("2002-03-04"));
            QCOMPARE(m_view->CycleLen(), length);
            QCOMPARE(m_view->MenzLen(), 5);
            QCOMPARE(m_view->EndDate(), d("2002-03-04").addDays(length));
        } else {
            // The cycle shown before stays.
            QCOMPARE(m_view->StartDate(), d("2002-01-01"));
            QCOMPARE(m_view->CycleLen(), 30);
            QCOMPARE(m_view->MenzLen(), 6);
        }
    }

    void periodRule_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("drawn");
        QTest::newRow("10 of 16") << 10 << 16 << 5;
        QTest::newRow("9 of 16 (cycle - 7)") << 9 << 16 << 5;
        QTest::newRow("8 of 16") << 8 << 16 << 8;
        QTest::newRow("20 of 28") << 20 << 28 << 20;
        QTest::newRow("21 of 28") << 21 << 28 << 5;
        QTest::newRow("0") << 0 << 28 << 0;
        QTest::newRow("negative") << -3 << 28 << 5;
    }
    void periodRule()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        QFETCH(int, drawn);
        QVERIFY(m_view->ShowCycle(period, length, d("2002-03-04")));
        QCOMPARE(m_view->MenzLen(), drawn);
        QCOMPARE(m_view->layout().P, drawn * m_view->DayHeight());
    }

    void dayHeight_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("pixels");
        QTest::newRow("15") << 15 << 18;
        QTest::newRow("28") << 28 << 10;
        QTest::newRow("39") << 39 << 7;
    }
    void dayHeight()
    {
        QFETCH(int, length);
        QFETCH(int, pixels);
        QVERIFY(m_view->ShowCycle(5, length, d("2002-03-04")));
        QCOMPARE(m_view->DayHeight(), pixels);
    }

    // A layout may size the control after it was given its cycle.
    void dayHeightFollowsTheHeight()
    {
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-03-04")));
        m_view->resize(241, 601);
        QCOMPARE(m_view->DayHeight(), 20);
        m_view->resize(241, 30);
        QCOMPARE(m_view->DayHeight(), 0);
    }

    void monthSplit_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("startMonthDays");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("20 January") << d("2002-01-20") << 12 << "January"
                                    << "February";
        QTest::newRow("20 December") << d("2001-12-20") << 12 << "December"
                                     << "January";
        QTest::newRow("4 March, next due 1 April") << d("2002-03-04") << 28 << "March"
                                                   << "April";
        QTest::newRow("1 February") << d("2002-02-01") << 28 << "February"
                                    << "March";
    }
    void monthSplit()
    {
        QFETCH(QDate, start);
        QFETCH(int, startMonthDays);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        stock();
        QVERIFY(m_view->ShowCycle(5, 28, start));
        QCOMPARE(m_view->StartMonthDays(), startMonthDays);
        QCOMPARE(m_view->MonthName(m_view->StartDate().month()), top);
        QCOMPARE(m_view->MonthName(m_view->EndDate().month()), bottom);

        // The boundary line crosses the slide bars at 20 + S.
        const QImage img = grab();
        const int y = 20 + 10 * startMonthDays;
        for (int x = 30; x < 73; ++x)
            QVERIFY2(isBlack(img.pixel(x, y)), qPrintable(QString::number(x)));
        QVERIFY(!isBlack(img.pixel(35, y - 3)));
    }

    void monthNames()
    {
        QCOMPARE(EnglishLongMonthName(5), QStringLiteral("May"));
        QCOMPARE(EnglishShortMonthName(5), QStringLiteral("May"));
        QCOMPARE(EnglishShortMonthName(9), QStringLiteral("Sep"));
        QCOMPARE(EnglishLongDayName(1), QStringLiteral("Monday"));
        QCOMPARE(EnglishShortDayName(7), QStringLiteral("Sun"));
        QCOMPARE(m_view->MonthName(9), QStringLiteral("September"));
        m_view->setNativeLanguage(true);
        QCOMPARE(m_view->MonthName(9), QLocale::system().standaloneMonthName(9));
    }

    void columnTextsOfACycle()
    {
        m_view->setUsePreformatedDate(true);
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-03-01")));
        QCOMPARE(m_view->ColumnTexts(),
                 (QStringList{"1/3/2002", "Period 5 days", "5/3/2002", "14/3/2002", "Ovulation",
                              "19/3/2002", "28/3/2002"}));
        QVERIFY(m_view->ShowCycle(4, 30, d("2002-12-20")));
        QCOMPARE(m_view->ColumnTexts(),
                 (QStringList{"20/12/2002", "Period 4 days", "23/12/2002", "3/1/2003", "Ovulation",
                              "8/1/2003", "18/1/2003"}));
    }

    void dateText()
    {
        m_view->setUsePreformatedDate(true);
        QCOMPARE(m_view->FormatViewDate(d("2002-03-05")), QStringLiteral("5/3/2002"));
        QCOMPARE(m_view->FormatViewDate(d("2002-12-25")), QStringLiteral("25/12/2002"));
        m_view->setUsePreformatedDate(false);
        QCOMPARE(m_view->FormatViewDate(d("2002-03-05")),
                 QLocale::system().toString(d("2002-03-05"), QLocale::ShortFormat));
    }

    void layoutOfTheStockPictures()
    {
        stock();
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        const Layout l = m_view->layout();
        QCOMPARE(l.W, 24);
        QCOMPARE(l.x1, 73);
        QCOMPARE(l.x2, 91);
        QCOMPARE(l.textX, 121);
        QCOMPARE(l.a, 10);
        QCOMPARE(l.P, 50);
        QCOMPARE(l.O, 130);
        QCOMPARE(l.E, 190);
        QCOMPARE(l.C, 280);
        QCOMPARE(l.S, 120);
        QCOMPARE(l.targets[StepBmp], EdgeRect(70, 20, 94, 301));
        QCOMPARE(l.targets[SlideBar1], EdgeRect(30, 20, 47, 141));
        QCOMPARE(l.targets[SlideBar2], EdgeRect(30, 141, 47, 301));
        QCOMPARE(l.targets[BleedingBmp], EdgeRect(94, 20, 106, 70));
        QCOMPARE(l.targets[OvulationBmp], EdgeRect(94, 150, 106, 210));
        QCOMPARE(l.ticks.size(), 29);
        QStringList keys;
        for (const Tick& t : l.ticks)
            if (t.key)
                keys << QString::number(t.y);
        QCOMPARE(keys.join(QLatin1Char(' ')), QStringLiteral("20 70 150 210 300"));
        QCOMPARE(l.monthCentreX, 38);
        const int h = m_view->halfTextHeight();
        QCOMPARE(l.textY[StartDateText], 20 - h);
        QCOMPARE(l.textY[PeriodCaptionText], 20 + (50 - 2 * h) / 2);
        QCOMPARE(l.textY[OvulationCaptionText], 20 + 130 + (60 - 2 * h) / 2);
        QCOMPARE(l.textY[CycleEndText], 20 - h + 280);
        QCOMPARE(l.startMonthY, 20 - 3 * h);
        QCOMPARE(l.endMonthY, 20 + 280 + h);
    }

    void rulerTicks()
    {
        stock();
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        const QImage img = grab();
        for (int k = 0; k <= 28; ++k) {
            const int y = 20 + 10 * k;
            const bool key = k == 0 || k == 5 || k == 13 || k == 19 || k == 28;
            const QString where = QStringLiteral("day %1").arg(k);
            if (k != 12) // the month boundary meets the ruler there
                QVERIFY2(!isBlack(img.pixel(72, y)), qPrintable(where));
            for (int x = 73; x < 91; ++x)
                QVERIFY2(isBlack(img.pixel(x, y)), qPrintable(where));
            if (key) {
                for (int x = 91; x < 116; ++x)
                    QVERIFY2(isBlack(img.pixel(x, y)), qPrintable(where));
                QVERIFY2(!isBlack(img.pixel(116, y)), qPrintable(where));
            } else {
                QVERIFY2(!isBlack(img.pixel(91, y)), qPrintable(where));
            }
            // Between two ticks the ruler's own face shows.
            if (k < 28)
                QCOMPARE(img.pixel(80, y + 5), m_view->StepBmp().pixel(10, 0));
        }
    }

    void bars()
    {
        stock();
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        const QImage img = grab();
        const QRgb blue = m_view->BleedingBmp().pixel(6, 0);
        const QRgb green = m_view->OvulationBmp().pixel(6, 0);
        const QRgb slide1 = m_view->SlideBar1().pixel(5, 0);
        const QRgb slide2 = m_view->SlideBar2().pixel(5, 0);
        // Rows between the ticks, at a column no tick crosses.
        for (int y = 21; y < 20 + 50; ++y)
            if ((y - 20) % 10 != 0)
                QCOMPARE(img.pixel(100, y), blue);
        QVERIFY(img.pixel(100, 75) != blue);
        QVERIFY(img.pixel(100, 145) != green);
        for (int y = 151; y < 20 + 190; ++y)
            if ((y - 20) % 10 != 0)
                QCOMPARE(img.pixel(100, y), green);
        QVERIFY(img.pixel(100, 215) != green);
        QCOMPARE(img.pixel(35, 135), slide1);
        QCOMPARE(img.pixel(35, 145), slide2);
        QCOMPARE(img.pixel(35, 300), slide2);
        QVERIFY(img.pixel(35, 302) != slide2);
    }

    void textsStandOnTheirRows()
    {
        stock();
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        const QImage img = grab();
        const Layout l = m_view->layout();
        const int lineHeight = QFontMetrics(m_view->font()).height();
        for (int i = 0; i < TextItemCount; ++i)
            QVERIFY2(hasDarkPixel(img, QRect(l.textX, l.textY[i], 120, lineHeight)),
                     qPrintable(QString::number(i)));
        // Nothing between the last ovulation day and the cycle's last day.
        const int gapTop = l.textY[OvulationEndText] + lineHeight;
        QVERIFY(!hasDarkPixel(img, QRect(l.textX, gapTop, 120, l.textY[CycleEndText] - gapTop)));
        // Month names above and below the slide bars.
        QVERIFY(hasDarkPixel(img, QRect(0, 0, 80, 20 - l.h)));
        QVERIFY(hasDarkPixel(img, QRect(0, l.endMonthY, 80, lineHeight)));
    }

    void todayArrow_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("row"); // -1: no arrow
        QTest::newRow("day 7") << d("2002-01-27") << 20 + 70;
        QTest::newRow("first day") << d("2002-01-20") << 20;
        QTest::newRow("next cycle due") << d("2002-02-17") << 20 + 280;
        QTest::newRow("day before the start") << d("2002-01-19") << -1;
        QTest::newRow("after the due day") << d("2002-02-18") << -1;
    }
    void todayArrow()
    {
        QFETCH(QDate, today);
        QFETCH(int, row);
        stock();
        m_view->setToday(today);
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        const QImage img = grab();
        const QImage arrow = m_view->TodayArrow();
        const QRgb fill = arrow.pixel(4, 4);
        int found = -1;
        for (int y = 0; y < img.height() && found < 0; ++y)
            if (img.pixel(54 + 4, y) == fill)
                found = y - 4;
        QCOMPARE(found, row);
        if (row >= 0) {
            QCOMPARE(img.pixel(54 + 14, row + 4), arrow.pixel(14, 4));
            // White is the transparent colour.
            QCOMPARE(arrow.pixel(0, 0), qRgb(255, 255, 255));
            QVERIFY(img.pixel(54, row) != qRgb(255, 255, 255));
        }
    }

    void missingPicturesLeaveLinesAndTexts()
    {
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        m_view->setToday(d("2002-01-27"));
        const QImage img = grab();
        const Layout l = m_view->layout();
        QCOMPARE(l.x1, 70);
        QCOMPARE(l.x2, 70);
        for (int x = 70; x < 95; ++x)
            QVERIFY(isBlack(img.pixel(x, 20 + 50)));
        QVERIFY(hasDarkPixel(img, QRect(l.textX, l.textY[StartDateText], 120, 2 * l.h)));
        QVERIFY(!l.showArrow);
        for (int i = 0; i < PictureCount; ++i)
            QVERIFY(l.targets[i].isEmpty());
    }

    void hoverHints_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("part"); // -1: none
        QTest::newRow("ruler") << QPoint(80, 100) << int(StepBmp);
        QTest::newRow("ruler's last row") << QPoint(93, 300) << int(StepBmp);
        QTest::newRow("below the ruler") << QPoint(93, 301) << -1;
        QTest::newRow("first slide bar") << QPoint(35, 30) << int(SlideBar1);
        QTest::newRow("second slide bar") << QPoint(35, 200) << int(SlideBar2);
        QTest::newRow("period bar") << QPoint(94, 20) << int(BleedingBmp);
        QTest::newRow("period text") << QPoint(225, 69) << int(BleedingBmp);
        QTest::newRow("right margin") << QPoint(226, 40) << -1;
        QTest::newRow("below the period") << QPoint(150, 70) << -1;
        QTest::newRow("ovulation text") << QPoint(200, 160) << int(OvulationBmp);
        QTest::newRow("top left corner") << QPoint(5, 5) << -1;
    }
    void hoverHints()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, part);
        stock();
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-01-20")));
        QCOMPARE(HintAt(m_view->layout(), pos), part);
        hover(pos);
        const QString tip = part >= 0 ? StockPictures::Hint(Picture(part)) : QString();
        QCOMPARE(m_view->toolTip(), tip);
        QCOMPARE(m_view->statusTip(), QStringLiteral("status text"));
        QCOMPARE(m_view->Hint(), tip + QStringLiteral("|status text"));
        // Leaving the part clears the tooltip again; the status part stays.
        hover(QPoint(5, 5));
        QCOMPARE(m_view->Hint(), QStringLiteral("|status text"));
    }

    void stockPictures()
    {
        const QSize sizes[PictureCount] = {{12, 412}, {12, 412}, {17, 577},
                                           {17, 577}, {24, 824}, {16, 9}};
        for (int i = 0; i < PictureCount; ++i)
            QCOMPARE(StockPictures::Picture(Picture(i)).size(), sizes[i]);
        // Every row of a bar picture is alike.
        for (Picture p : {BleedingBmp, OvulationBmp, SlideBar1, SlideBar2}) {
            const QImage img = StockPictures::Picture(p);
            for (int y = 1; y < img.height(); y += 37)
                for (int x = 0; x < img.width(); ++x)
                    QCOMPARE(img.pixel(x, y), img.pixel(x, 0));
        }
        // Grey bars shaded in opposite directions across the width.
        const QImage s1 = StockPictures::SlideBar1();
        const QImage s2 = StockPictures::SlideBar2();
        QVERIFY(qGray(s1.pixel(1, 0)) > qGray(s1.pixel(15, 0)));
        QVERIFY(qGray(s2.pixel(1, 0)) < qGray(s2.pixel(15, 0)));
        const QRgb blue = StockPictures::BleedingBmp().pixel(6, 0);
        QVERIFY(qBlue(blue) > qRed(blue) && qBlue(blue) > qGreen(blue));
        const QRgb green = StockPictures::OvulationBmp().pixel(6, 0);
        QVERIFY(qGreen(green) > qRed(green) && qGreen(green) > qBlue(green));
        QVERIFY(StockPictures::ViewHint().startsWith(QLatin1Char('|')));
        QCOMPARE(StockPictures::Hint(SlideBar1),
                 QStringLiteral("Indicates the overlapped days\n from the month when\nthe cycle "
                                "starts"));
    }

    // A look at the finished control: CICLARA_SHOT_DIR names a folder for the picture.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("CICLARA_SHOT_DIR");
        if (dir.isEmpty())
            QSKIP("CICLARA_SHOT_DIR not set");
        QWidget screen;
        screen.resize(340, 400);
        screen.setStyleSheet(QStringLiteral("background-color: #e8eef6;"));
        m_view->setParent(&screen);
        m_view->move(40, 40);
        stock();
        m_view->setToday(d("2002-03-01"));
        QVERIFY(m_view->ShowCycle(5, 28, d("2002-02-20")));
        screen.show();
        QDir().mkpath(dir);
        QVERIFY(screen.grab().save(dir + QStringLiteral("/view.png")));
        m_view->setParent(nullptr);
    }
};

QTEST_MAIN(TestCiclaraView)
#include "tst_ciclaraview.moc"
