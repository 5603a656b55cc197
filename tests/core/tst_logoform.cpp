// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogoU.h"
#include "TestHome.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

// Counts paint events of the watched widget.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Bright pixels of the status band (the status text is white on a dark band).
QList<QPoint> brightPixels(const QImage& image)
{
    QList<QPoint> points;
    for (int y = image.height() - 30; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (qGray(image.pixel(x, y)) > 200)
                points << QPoint(x, y);
    return points;
}

} // namespace

class TestLogoForm : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestHome> m_home;

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void sizedToThePictureAndCentred()
    {
        TLogoForm logo;
        const QPixmap picture = TLogoForm::LogoPicture();
        QCOMPARE(picture.size(), QSize(400, 250));
        QCOMPARE(logo.objectName(), QStringLiteral("LogoForm"));
        QCOMPARE(logo.size(), QSize(402, 251));
        QVERIFY(logo.windowFlags() & Qt::FramelessWindowHint);
        logo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&logo));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY((logo.frameGeometry().center() - screenCentre).manhattanLength() <= 2);
    }

    void drawsThePictureInARaisedFrame()
    {
        TLogoForm logo;
        const QImage picture = TLogoForm::LogoPicture().toImage();
        const QImage shot = logo.grab().toImage();
        QCOMPARE(shot.size(), QSize(402, 251));
        // Light top and left edges, dark bottom and right edges.
        QCOMPARE(QColor(shot.pixel(200, 0)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(0, 100)), QColor(Qt::white));
        QVERIFY(qGray(shot.pixel(200, 250)) < 100);
        QVERIFY(qGray(shot.pixel(401, 100)) < 100);
        // The picture sits inside, one pixel in from the left and top.
        for (const QPoint at : {QPoint(1, 1), QPoint(115, 110), QPoint(250, 95), QPoint(399, 200)})
            QCOMPARE(shot.pixel(at + QPoint(1, 1)), picture.pixel(at));
    }

    void statusStartsAsInitializingAndSitsBottomLeft()
    {
        TLogoForm logo;
        QCOMPARE(logo.Status(), QStringLiteral("Initializing..."));
        const QList<QPoint> text = brightPixels(logo.grab().toImage());
        QVERIFY(!text.isEmpty());
        int left = logo.width(), right = 0;
        for (const QPoint& p : text) {
            left = qMin(left, p.x());
            right = qMax(right, p.x());
        }
        QVERIFY(left < 20);
        QVERIFY(right < logo.width() / 2);

        logo.SetStatus(QString());
        QVERIFY(brightPixels(logo.grab().toImage()).isEmpty());
    }

    void setStatusRepaintsAtOnce()
    {
        TLogoForm logo;
        logo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&logo));
        PaintCounter counter;
        logo.installEventFilter(&counter);
        // No event processing between the call and the check: the paint is synchronous.
        logo.SetStatus(QStringLiteral("Loading users database..."));
        QCOMPARE(counter.count, 1);
        QCOMPARE(logo.Status(), QStringLiteral("Loading users database..."));
        const QImage loading = logo.grab().toImage();
        counter.count = 0;
        logo.SetStatus(QStringLiteral("Running Ciclara..."));
        QCOMPARE(counter.count, 1);
        QVERIFY(brightPixels(loading) != brightPixels(logo.grab().toImage()));
    }
};

QTEST_MAIN(TestLogoForm)
#include "tst_logoform.moc"
