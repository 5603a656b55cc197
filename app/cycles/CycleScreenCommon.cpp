// SPDX-License-Identifier: GPL-3.0-or-later
#include "CycleScreenCommon.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpressionValidator>
#include <QtMath>

namespace CycleScreens {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CycleScreens", text);
}

const QColor Rose(0xD9, 0x57, 0x7B);
const QColor DeepRose(0xA8, 0x2D, 0x5A);
const QColor Lilac(0x9B, 0x7B, 0xC8);
const QColor PaleLilac(0xE4, 0xD9, 0xF2);
const QColor Leaf(0x5A, 0xAE, 0x61);
const QColor Ink(0x4A, 0x2A, 0x45);

QImage blank(int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QFont pixelFont(int pixels, bool bold)
{
    QFont f;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The card every state picture sits on: a rounded, nearly opaque white panel with a rose
// rim, so that it reads well over the tiled background.
void card(QPainter& p, const QSize& size)
{
    const QRectF r(1.5, 1.5, size.width() - 3.0, size.height() - 3.0);
    p.setPen(QPen(Rose, 2));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(r, 12, 12);
}

// Title and body text in a box, the title bold and rose, the body in ink; both wrapped.
// The body's font shrinks (down to 9 pixels) until the text fits the box, so a longer
// translation still shows whole.
void caption(QPainter& p, const QRect& box, const QString& title, int titlePx, const QString& body,
             int bodyPx)
{
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    p.setFont(pixelFont(titlePx, true));
    const QRect titleRect = p.boundingRect(box, flags, title);
    p.setPen(DeepRose);
    p.drawText(box, flags, title);
    if (body.isEmpty())
        return;
    QRect rest = box;
    rest.setTop(titleRect.bottom() + 4);
    for (int px = bodyPx; px >= 9; --px) {
        p.setFont(pixelFont(px, false));
        if (p.boundingRect(rest, flags, body).height() <= rest.height())
            break;
    }
    p.setPen(Ink);
    p.drawText(rest, flags, body);
}

// A five-petalled flower centred at c.
void flower(QPainter& p, const QPointF& c, double radius, const QColor& petal)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(-90.0 + i * 72.0);
        const QPointF pc(c.x() + std::cos(a) * radius * 0.55, c.y() + std::sin(a) * radius * 0.55);
        QRadialGradient g(pc, radius * 0.55);
        g.setColorAt(0, petal.lighter(135));
        g.setColorAt(1, petal);
        p.setBrush(g);
        p.drawEllipse(pc, radius * 0.5, radius * 0.5);
    }
    QRadialGradient heart(c, radius * 0.3);
    heart.setColorAt(0, QColor(0xFF, 0xF3, 0xA0));
    heart.setColorAt(1, QColor(0xF0, 0xB8, 0x30));
    p.setBrush(heart);
    p.drawEllipse(c, radius * 0.28, radius * 0.28);
    p.restore();
}

// A calendar leaf: white page with a rose band and rings, a few day marks.
void calendarLeaf(QPainter& p, const QRectF& r)
{
    p.save();
    p.setPen(QPen(DeepRose, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 3, 3);
    const QRectF band(r.left(), r.top(), r.width(), r.height() * 0.28);
    QPainterPath top;
    top.addRoundedRect(band, 3, 3);
    p.fillPath(top, Rose);
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top() - 2),
               QPointF(r.left() + r.width() * 0.3, r.top() + 3));
    p.drawLine(QPointF(r.left() + r.width() * 0.7, r.top() - 2),
               QPointF(r.left() + r.width() * 0.7, r.top() + 3));
    p.setPen(Qt::NoPen);
    const double cellW = r.width() / 4.0;
    const double cellH = (r.height() - band.height()) / 3.2;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QPointF c(r.left() + cellW * (col + 0.5), band.bottom() + cellH * (row + 0.6));
            p.setBrush(row == 0 && col < 2 ? Rose : PaleLilac.darker(108));
            p.drawEllipse(c, cellW * 0.18, cellW * 0.18);
        }
    }
    p.restore();
}

// A round badge with a cross (delete) or a plus (add).
void badge(QPainter& p, const QPointF& c, double radius, const QColor& colour, bool plus)
{
    p.save();
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.3);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(Qt::white, radius * 0.38, Qt::SolidLine, Qt::RoundCap));
    const double k = radius * 0.45;
    if (plus) {
        p.drawLine(QPointF(c.x() - k, c.y()), QPointF(c.x() + k, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - k), QPointF(c.x(), c.y() + k));
    } else {
        p.drawLine(QPointF(c.x() - k, c.y() - k), QPointF(c.x() + k, c.y() + k));
        p.drawLine(QPointF(c.x() - k, c.y() + k), QPointF(c.x() + k, c.y() - k));
    }
    p.restore();
}

// A broad arrow pointing up inside a 32 x 32 square (mirrored for down).
void arrow(QPainter& p, bool up)
{
    p.save();
    if (!up) {
        p.translate(0, 32);
        p.scale(1, -1);
    }
    QPainterPath path;
    path.moveTo(16, 2);
    path.lineTo(30, 17);
    path.lineTo(21, 17);
    path.lineTo(21, 30);
    path.lineTo(11, 30);
    path.lineTo(11, 17);
    path.lineTo(2, 17);
    path.closeSubpath();
    QLinearGradient g(0, 0, 32, 0);
    g.setColorAt(0, Rose.lighter(140));
    g.setColorAt(0.5, Rose);
    g.setColorAt(1, DeepRose);
    p.setPen(QPen(DeepRose.darker(120), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

} // namespace

void SetHint(QWidget* widget, const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

bool AcceptsLengthKey(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty() || event.key() == Qt::Key_Backspace)
        return true;
    // Shortcuts (Ctrl+C, Ctrl+V ...) type control characters; they stay the edit's own.
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            continue; // Backspace, Return, Escape, Tab, Delete: editing keys
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

void MakeDigitsOnly(QLineEdit* edit)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
}

std::optional<int> ReadLength(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    if (!ok || value <= 0)
        return std::nullopt;
    return value;
}

QString MissingCycleLengthText()
{
    return tr("Please enter the cycle length as a number of days from 1 to 65535.");
}

QPixmap BackgroundTile()
{
    QImage img(45, 44, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(0xF8, 0xF0, 0xF6));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // A faint four-petalled flower in the middle and a dot shared by the four corners, so
    // the tiles join without a seam.
    const QColor mark(0xEE, 0xDD, 0xEB);
    p.setBrush(mark);
    const QPointF c(22.5, 22);
    for (int i = 0; i < 4; ++i) {
        const double a = qDegreesToRadians(45.0 + i * 90.0);
        p.drawEllipse(QPointF(c.x() + std::cos(a) * 3.2, c.y() + std::sin(a) * 3.2), 2.6, 2.6);
    }
    p.setBrush(QColor(0xF3, 0xE2, 0xEF));
    p.drawEllipse(c, 1.6, 1.6);
    p.setBrush(mark);
    for (const QPointF corner : {QPointF(0, 0), QPointF(45, 0), QPointF(0, 44), QPointF(45, 44)})
        p.drawEllipse(corner, 1.8, 1.8);
    p.end();
    return QPixmap::fromImage(img);
}

QImage LampPicture()
{
    QImage img = blank(140, 150);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The glow of the lamp behind the bloom.
    QRadialGradient glow(QPointF(70, 48), 56);
    glow.setColorAt(0, QColor(255, 236, 160, 200));
    glow.setColorAt(0.6, QColor(255, 214, 170, 70));
    glow.setColorAt(1, QColor(255, 214, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(70, 48), 56, 56);

    // Stem and two leaves.
    QPainterPath stem;
    stem.moveTo(70, 70);
    stem.cubicTo(66, 95, 76, 115, 70, 140);
    p.setPen(QPen(Leaf.darker(115), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.setPen(QPen(Leaf.darker(130), 1));
    QLinearGradient lg(40, 100, 70, 120);
    lg.setColorAt(0, Leaf.lighter(130));
    lg.setColorAt(1, Leaf);
    p.setBrush(lg);
    QPainterPath leftLeaf;
    leftLeaf.moveTo(70, 122);
    leftLeaf.cubicTo(52, 122, 38, 110, 34, 96);
    leftLeaf.cubicTo(50, 98, 64, 106, 70, 122);
    p.drawPath(leftLeaf);
    QPainterPath rightLeaf;
    rightLeaf.moveTo(71, 108);
    rightLeaf.cubicTo(86, 106, 100, 96, 104, 82);
    rightLeaf.cubicTo(90, 84, 76, 92, 71, 108);
    p.drawPath(rightLeaf);

    // A tulip bloom of three petals.
    QLinearGradient pg(50, 20, 90, 80);
    pg.setColorAt(0, Rose.lighter(145));
    pg.setColorAt(1, DeepRose);
    p.setPen(QPen(DeepRose.darker(125), 1));
    p.setBrush(pg);
    QPainterPath back;
    back.moveTo(70, 74);
    back.cubicTo(50, 72, 44, 46, 52, 22);
    back.cubicTo(60, 34, 66, 36, 70, 30);
    back.cubicTo(74, 36, 80, 34, 88, 22);
    back.cubicTo(96, 46, 90, 72, 70, 74);
    p.drawPath(back);
    QLinearGradient fg(60, 30, 80, 80);
    fg.setColorAt(0, Rose.lighter(160));
    fg.setColorAt(1, Rose);
    p.setBrush(fg);
    QPainterPath front;
    front.moveTo(70, 74);
    front.cubicTo(58, 70, 56, 50, 70, 34);
    front.cubicTo(84, 50, 82, 70, 70, 74);
    p.drawPath(front);

    // A few sparkles of light.
    p.setPen(QPen(QColor(255, 200, 80), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF s : {QPointF(30, 30), QPointF(112, 40), QPointF(104, 12)}) {
        p.drawLine(s + QPointF(-4, 0), s + QPointF(4, 0));
        p.drawLine(s + QPointF(0, -4), s + QPointF(0, 4));
    }
    p.end();
    return img;
}

QImage UndisplayedPicture()
{
    QImage img = blank(289, 153);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    card(p, img.size());
    // A day ruler that breaks off, with a warning sign.
    p.setPen(QPen(Ink, 1));
    QLinearGradient rg(20, 0, 40, 0);
    rg.setColorAt(0, QColor(0xDD, 0xDD, 0xDD));
    rg.setColorAt(1, QColor(0xA8, 0xA8, 0xA8));
    p.setBrush(rg);
    QPainterPath ruler;
    ruler.moveTo(22, 22);
    ruler.lineTo(42, 22);
    ruler.lineTo(42, 96);
    ruler.lineTo(37, 101);
    ruler.lineTo(32, 95);
    ruler.lineTo(27, 102);
    ruler.lineTo(22, 97);
    ruler.closeSubpath();
    p.drawPath(ruler);
    for (int y = 28; y < 94; y += 7)
        p.drawLine(QPointF(24, y), QPointF(40, y));
    p.setBrush(QColor(0xF6, 0xC0, 0x3A));
    p.setPen(QPen(QColor(0xA0, 0x6A, 0x00), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath sign;
    sign.moveTo(58, 84);
    sign.lineTo(78, 120);
    sign.lineTo(38, 120);
    sign.closeSubpath();
    p.drawPath(sign);
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(58, 96), QPointF(58, 108));
    p.drawPoint(QPointF(58, 114));

    caption(p, QRect(92, 20, 182, 118), tr("This cycle cannot be displayed"), 16,
            tr("Only cycles of 15 to 39 days can be drawn. This one is still listed in the "
               "table."),
            12);
    p.end();
    return img;
}

QImage NoNamePicture()
{
    QImage img = blank(241, 74);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    card(p, img.size());
    flower(p, QPointF(31, 37), 24, Rose);
    caption(p, QRect(60, 8, 174, 60), tr("Welcome to Ciclara!"), 14,
            tr("Add yourself as a user in the Main menu, then add your first cycle."), 11);
    p.end();
    return img;
}

QImage NoDataEnteredPicture()
{
    QImage img = blank(216, 126);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    card(p, img.size());
    calendarLeaf(p, QRectF(14, 16, 40, 40));
    badge(p, QPointF(50, 52), 10, Leaf, true);
    caption(p, QRect(70, 16, 136, 44), tr("No cycles entered yet"), 15, QString(), 11);
    p.setFont(pixelFont(12, false));
    p.setPen(Ink);
    p.drawText(QRect(14, 68, 190, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               tr("Press \"Add Cycle\" on the toolbar and enter the first day of your last "
                  "period."));
    p.end();
    return img;
}

QImage PredictionPicture()
{
    QImage img = blank(214, 214);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(107, 107);
    // A soft disc behind a ring of 28 days: the period in rose, the fertile window in
    // green, the next start marked by a larger bead.
    QRadialGradient disc(c, 104);
    disc.setColorAt(0, QColor(255, 255, 255, 235));
    disc.setColorAt(0.8, QColor(0xF2, 0xE8, 0xF8, 220));
    disc.setColorAt(1, QColor(0xE4, 0xD9, 0xF2, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, 104, 104);
    for (int day = 0; day < 28; ++day) {
        const double a = qDegreesToRadians(-90.0 + day * 360.0 / 28.0);
        const QPointF b(c.x() + std::cos(a) * 82, c.y() + std::sin(a) * 82);
        QColor colour = PaleLilac.darker(112);
        if (day < 5)
            colour = Rose;
        else if (day >= 13 && day < 19)
            colour = Leaf;
        const double r = day == 0 ? 9.5 : 6.5;
        QRadialGradient bead(b - QPointF(2, 2), r * 1.4);
        bead.setColorAt(0, colour.lighter(150));
        bead.setColorAt(1, colour);
        p.setPen(day == 0 ? QPen(Qt::white, 2) : QPen(colour.darker(125), 1));
        p.setBrush(bead);
        p.drawEllipse(b, r, r);
    }
    // An arrow running round inside the ring, towards the next start.
    p.setPen(QPen(Lilac, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(c.x() - 62, c.y() - 62, 124, 124);
    p.drawArc(arc, 80 * 16, -330 * 16);
    const double end = qDegreesToRadians(-(80.0 - 330.0));
    const QPointF tip(c.x() + std::cos(end) * 62, c.y() - std::sin(end) * 62);
    QPainterPath head;
    head.moveTo(tip + QPointF(8, -4));
    head.lineTo(tip + QPointF(-2, 7));
    head.lineTo(tip + QPointF(-6, -7));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Lilac);
    p.drawPath(head);
    // The calendar leaf with the flower in the centre.
    calendarLeaf(p, QRectF(c.x() - 30, c.y() - 30, 60, 58));
    flower(p, c + QPointF(22, 20), 22, Rose);
    p.end();
    return img;
}

QPixmap ButtonPixmap(ButtonPicture which)
{
    QImage img = blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ButtonPicture::DeleteCycle:
        calendarLeaf(p, QRectF(3, 4, 22, 22));
        badge(p, QPointF(23, 23), 7.5, QColor(0xD0, 0x30, 0x30), false);
        break;
    case ButtonPicture::DeleteAll:
        calendarLeaf(p, QRectF(9, 2, 18, 18));
        calendarLeaf(p, QRectF(5, 6, 18, 18));
        calendarLeaf(p, QRectF(1, 10, 18, 18));
        badge(p, QPointF(23, 23), 7.5, QColor(0xD0, 0x30, 0x30), false);
        break;
    case ButtonPicture::ArrowUp:
        arrow(p, true);
        break;
    case ButtonPicture::ArrowDown:
        arrow(p, false);
        break;
    case ButtonPicture::Predict: {
        // A crystal ball on a small stand.
        QRadialGradient ball(QPointF(12, 10), 16);
        ball.setColorAt(0, Qt::white);
        ball.setColorAt(0.4, PaleLilac);
        ball.setColorAt(1, Lilac);
        p.setPen(QPen(Lilac.darker(140), 1));
        p.setBrush(ball);
        p.drawEllipse(QPointF(16, 14), 11, 11);
        p.setBrush(DeepRose);
        p.drawRoundedRect(QRectF(7, 25, 18, 5), 2, 2);
        p.setPen(QPen(QColor(255, 200, 60), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 8), QPointF(19, 14));
        p.drawLine(QPointF(16, 11), QPointF(22, 11));
        break;
    }
    case ButtonPicture::AddCycle:
        calendarLeaf(p, QRectF(3, 4, 22, 22));
        badge(p, QPointF(23, 23), 7.5, Leaf, true);
        break;
    }
    p.end();
    return QPixmap::fromImage(img);
}

} // namespace CycleScreens
