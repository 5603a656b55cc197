// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHome.h"
#include "UiHelpers.h"

#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QPixmap>
#include <QTest>

class TestUiHelpers : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

    // A tile whose every pixel tells its own position.
    static QImage positionTile(int w, int h)
    {
        QImage tile(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                tile.setPixel(x, y, qRgb(20 * x, 20 * y, 200));
        return tile;
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup()
    {
        Ui::SetMainWindow(nullptr, nullptr, nullptr);
        m_home.reset();
    }

    void centredPosition_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<int>("windowTop");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<QSize>("form");
        QTest::addColumn<QPoint>("expected");
        // left = 100 + 377 - 125, top = 270 + 100 + 66 - 60
        QTest::newRow("message box over design size")
            << QPoint(100, 130) << 100 << 755 << 540 << 66 << QSize(250, 120) << QPoint(352, 376);
        // odd sizes: every halving truncates
        QTest::newRow("odd sizes") << QPoint(100, 130) << 100 << 755 << 541 << 82 << QSize(311, 153)
                                   << QPoint(100 + 377 - 155, 270 + 100 + 82 - 76);
        // a window partly off the left and top edges
        QTest::newRow("negative origin") << QPoint(-50, 20) << -10 << 300 << 201 << 0
                                         << QSize(401, 99) << QPoint(-100, 100 - 10 - 49);
        QTest::newRow("form larger than window")
            << QPoint(0, 0) << 0 << 200 << 100 << 66 << QSize(500, 400) << QPoint(-150, -84);
    }

    void centredPosition()
    {
        QFETCH(QPoint, origin);
        QFETCH(int, windowTop);
        QFETCH(int, windowWidth);
        QFETCH(int, clientHeight);
        QFETCH(int, toolbar);
        QFETCH(QSize, form);
        QFETCH(QPoint, expected);
        QCOMPARE(Ui::CentredPosition(origin, windowTop, windowWidth, clientHeight, toolbar, form),
                 expected);
    }

    void centreOverMainWindowMovesTheForm()
    {
        QWidget main;
        main.setGeometry(100, 130, 755, 540);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        Ui::SetMainWindow(
            &main, [] { return 66; }, [] { return 20; });
        QCOMPARE(Ui::MainToolbarHeight(), 66);
        QCOMPARE(Ui::MainStatusBarHeight(), 20);

        QDialog dialog;
        dialog.setFixedSize(250, 120);
        dialog.move(5, 5);
        Ui::CentreOverMainWindow(&dialog);
        // Left counts from the client area and the frame's width; top from the frame's top
        // and the client height.
        const QRect frame = main.frameGeometry();
        QCOMPARE(dialog.pos(), QPoint(100 + frame.width() / 2 - 125, 270 + frame.top() + 66 - 60));
    }

    void centreWithoutMainWindowLeavesTheForm()
    {
        QDialog dialog;
        dialog.setFixedSize(250, 120);
        dialog.move(5, 6);
        Ui::CentreOverMainWindow(&dialog);
        QCOMPARE(dialog.pos(), QPoint(5, 6));
        QCOMPARE(Ui::MainToolbarHeight(), 0);
    }

    void scaleFactor_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<float>("expected");
        QTest::newRow("96") << 96 << 0.0f;
        QTest::newRow("120") << 120 << 0.25f;
        QTest::newRow("144") << 144 << 0.5f;
        QTest::newRow("72") << 72 << -0.25f;
    }

    void scaleFactor()
    {
        QFETCH(int, dpi);
        QFETCH(float, expected);
        QCOMPARE(Ui::ScaleFactor(dpi), expected);
    }

    void scaleDelta_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<float>("s");
        QTest::addColumn<int>("expected");
        QTest::newRow("toolbar 66 at 0.25: 16.5 to even") << 66 << 0.25f << 16;
        QTest::newRow("message box 120 at 0.25") << 120 << 0.25f << 30;
        QTest::newRow("2.5 to even") << 10 << 0.25f << 2;
        QTest::newRow("3.5 to even") << 14 << 0.25f << 4;
        QTest::newRow("main height 570") << 570 << 0.25f << 142;
        QTest::newRow("main width 755") << 755 << 0.25f << 189;
        QTest::newRow("no scaling") << 66 << 0.0f << 0;
        QTest::newRow("shrinking -16.5 to even") << 66 << -0.25f << -16;
        QTest::newRow("1.25 at 120 dpi") << 58 << Ui::ScaleFactor(120) << 14;
    }

    void scaleDelta()
    {
        QFETCH(int, x);
        QFETCH(float, s);
        QFETCH(int, expected);
        QCOMPARE(Ui::ScaleDelta(x, s), expected);
    }

    void tileFormBackgroundCoversIncludingTheLastPartialTiles()
    {
        const QImage tile = positionTile(10, 10);
        // Client 20 x 10: columns 0..2 and rows 0..1 are painted, so the tiles reach
        // 30 x 20, past the client area; beyond that nothing is touched.
        QImage target(35, 25, QImage::Format_RGB32);
        target.fill(Qt::black);
        {
            QPainter p(&target);
            Ui::TileFormBackground(p, QSize(20, 10), QPixmap::fromImage(tile));
        }
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const QRgb expected =
                    (x < 30 && y < 20) ? tile.pixel(x % 10, y % 10) : qRgb(0, 0, 0);
                if (target.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void tileFormBackgroundWithUnevenTile()
    {
        const QImage tile = positionTile(7, 4);
        QImage target(25, 9, QImage::Format_RGB32);
        target.fill(Qt::black);
        {
            QPainter p(&target);
            Ui::TileFormBackground(p, target.size(), QPixmap::fromImage(tile));
        }
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                QCOMPARE(target.pixel(x, y), tile.pixel(x % 7, y % 4));
    }

    void tileFormBackgroundWithEmptyTileDoesNothing()
    {
        QImage target(20, 20, QImage::Format_RGB32);
        target.fill(Qt::black);
        {
            QPainter p(&target);
            Ui::TileFormBackground(p, target.size(), QPixmap());
        }
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                QCOMPARE(target.pixel(x, y), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestUiHelpers)
#include "tst_uihelpers.moc"
