// SPDX-License-Identifier: GPL-3.0-or-later
#include "StockPictures.h"

#include "CiclaraView.h"

#include <QCoreApplication>
#include <QList>
#include <QtMath>

namespace StockPictures {

namespace {

QRgb mix(QRgb a, QRgb b, double t)
{
    auto ch = [t](int x, int y) { return qBound(0, int(std::lround(x + (y - x) * t)), 255); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

// Colour at position t (0 .. 1) of a gradient through evenly spaced stops.
QRgb gradient(const QList<QRgb>& stops, double t)
{
    if (stops.size() == 1)
        return stops.first();
    const double pos = qBound(0.0, t, 1.0) * double(stops.size() - 1);
    const int i = qMin(int(pos), int(stops.size()) - 2);
    return mix(stops.at(i), stops.at(i + 1), pos - i);
}

// A picture whose rows are all the given row.
QImage fromRow(const QList<QRgb>& row, int height)
{
    QImage img(int(row.size()), height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < row.size(); ++x)
            line[x] = row.at(x);
    }
    return img;
}

// A row shaded across its width like a lit cylinder: outlined edges, a highlight a third
// of the way in.
QList<QRgb> cylinderRow(int width, QRgb edge, QRgb dark, QRgb light, QRgb mid)
{
    QList<QRgb> row;
    for (int x = 0; x < width; ++x) {
        if (x == 0 || x == width - 1) {
            row << edge;
            continue;
        }
        const double t = double(x - 1) / double(width - 3);
        row << gradient({dark, light, mid, mid, dark}, t);
    }
    return row;
}

QList<QRgb> greyRow(int width, bool lightFirst)
{
    const QRgb light = qRgb(0xF4, 0xF4, 0xF4);
    const QRgb dark = qRgb(0x86, 0x86, 0x86);
    const QRgb edge = qRgb(0x6A, 0x6A, 0x6A);
    QList<QRgb> row;
    for (int x = 0; x < width; ++x) {
        if (x == 0 || x == width - 1) {
            row << edge;
            continue;
        }
        const double t = double(x - 1) / double(width - 3);
        row << (lightFirst ? mix(light, dark, t) : mix(dark, light, t));
    }
    return row;
}

QString tr(const char* text)
{
    return QCoreApplication::translate("StockPictures", text);
}

} // namespace

QImage StepBmp()
{
    const int w = 24;
    const int h = 824;
    // An ivory ruler with bevelled sides, a guide line on each side where the day ticks
    // begin and end, and a fine graduation along both outer edges.
    QList<QRgb> row;
    const QRgb edge = qRgb(0x6B, 0x5E, 0x3C);
    const QList<QRgb> body = {qRgb(0xFF, 0xFC, 0xEE), qRgb(0xF8, 0xF0, 0xD2),
                              qRgb(0xEE, 0xE3, 0xBC), qRgb(0xD9, 0xCA, 0x98)};
    for (int x = 0; x < w; ++x) {
        if (x == 0 || x == w - 1)
            row << edge;
        else
            row << gradient(body, double(x - 1) / double(w - 3));
    }
    QImage img = fromRow(row, h);
    const QRgb guide = qRgb(0xBF, 0xAE, 0x7A);
    const QRgb fine = qRgb(0xA8, 0x96, 0x62);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        line[3] = guide;
        line[w - 4] = guide;
        if (y % 2 == 0) {
            line[1] = mix(line[1], fine, 0.6);
            line[w - 2] = mix(line[w - 2], fine, 0.6);
        }
    }
    return img;
}

QImage SlideBar1()
{
    return fromRow(greyRow(17, true), 577);
}

QImage SlideBar2()
{
    return fromRow(greyRow(17, false), 577);
}

QImage BleedingBmp()
{
    return fromRow(cylinderRow(12, qRgb(0x1C, 0x2F, 0x6E), qRgb(0x33, 0x52, 0xA8),
                               qRgb(0xB4, 0xC8, 0xF4), qRgb(0x5C, 0x7F, 0xD6)),
                   412);
}

QImage OvulationBmp()
{
    return fromRow(cylinderRow(12, qRgb(0x16, 0x52, 0x1E), qRgb(0x2A, 0x80, 0x34),
                               qRgb(0xB2, 0xEC, 0xA8), qRgb(0x4E, 0xB4, 0x56)),
                   412);
}

QImage TodayArrow()
{
    const int w = 16;
    const int h = 9;
    const int mid = h / 2;
    // Half height of the arrow in each column: a three-row shaft, then a head narrowing
    // to the point at the right.
    auto halfHeight = [&](int x) {
        if (x < 8)
            return 1;
        return int(std::lround((w - 1 - x) * double(mid) / 7.0));
    };
    auto inside = [&](int x, int y) {
        return x >= 0 && x < w && y >= 0 && y < h && qAbs(y - mid) <= halfHeight(x);
    };
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QRgb outline = qRgb(0x7A, 0x06, 0x06);
    const QRgb top = qRgb(0xF2, 0x5A, 0x4E);
    const QRgb bottom = qRgb(0xC0, 0x12, 0x12);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y))
                continue;
            const bool border =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            img.setPixel(x, y, border ? outline : mix(top, bottom, double(y) / (h - 1)));
        }
    }
    return img;
}

QImage Picture(CycleView::Picture index)
{
    switch (index) {
    case CycleView::BleedingBmp:
        return BleedingBmp();
    case CycleView::OvulationBmp:
        return OvulationBmp();
    case CycleView::SlideBar1:
        return SlideBar1();
    case CycleView::SlideBar2:
        return SlideBar2();
    case CycleView::StepBmp:
        return StepBmp();
    case CycleView::TodayArrow:
        return TodayArrow();
    case CycleView::PictureCount:
        break;
    }
    return QImage();
}

QString Hint(CycleView::Picture index)
{
    switch (index) {
    case CycleView::BleedingBmp:
        return tr("Displays start date, end date\nand duration of the bleeding period");
    case CycleView::OvulationBmp:
        return tr("Displays start date, end date\nand duration of the ovulation");
    case CycleView::SlideBar1:
        return tr("Indicates the overlapped days\n from the month when\nthe cycle starts");
    case CycleView::SlideBar2:
        return tr("Indicates the overlapped days\nfrom the month when\nthe cycle ends");
    case CycleView::StepBmp:
        return tr("Displays days ruler");
    case CycleView::TodayArrow:
        return tr("Points current day");
    case CycleView::PictureCount:
        break;
    }
    return QString();
}

QString ViewHint()
{
    return tr("|Displays records by month and cycle, including start and end date, as well as "
              "length of cycle, period and ovulation.");
}

void Apply(TCiclaraView& view)
{
    for (int i = 0; i < CycleView::PictureCount; ++i) {
        const auto index = CycleView::Picture(i);
        view.setPicture(index, Picture(index));
        view.setPictureHint(index, Hint(index));
    }
}

} // namespace StockPictures
