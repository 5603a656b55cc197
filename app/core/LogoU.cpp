// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogoU.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>

namespace {
constexpr int LogoWidth = 400;
constexpr int LogoHeight = 250;
constexpr int StatusBand = 30; // darker strip at the bottom that carries the status line
// The status line is drawn in the colour of an active title bar's text.
const QColor CaptionText(Qt::white);
} // namespace

QPixmap TLogoForm::LogoPicture()
{
    QPixmap pixmap(LogoWidth, LogoHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, LogoWidth, LogoHeight);
    sky.setColorAt(0, QColor(0xFD, 0xEE, 0xF3));
    sky.setColorAt(0.55, QColor(0xF6, 0xE3, 0xF0));
    sky.setColorAt(1, QColor(0xE6, 0xDD, 0xF5));
    p.fillRect(pixmap.rect(), sky);

    // Two faint arcs sweeping behind the picture.
    p.setPen(QPen(QColor(0xC2, 0x5B, 0x8B, 40), 26));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(105, 110), 108, 108);

    // The cycle: 28 days on a ring, the period in deep rose, the fertile window in lilac.
    const QPointF centre(105, 108);
    const qreal radius = 68;
    p.setPen(QPen(QColor(0x9C, 0x4D, 0x7E, 90), 1.5));
    p.drawEllipse(centre, radius, radius);
    for (int day = 0; day < 28; ++day) {
        const qreal angle = -M_PI / 2 + day * 2 * M_PI / 28;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        QColor colour(0xFF, 0xFF, 0xFF);
        qreal r = 5;
        if (day < 5) {
            colour = QColor(0xC2, 0x18, 0x5B);
            r = 6.5;
        } else if (day >= 11 && day <= 16) {
            colour = QColor(0x8E, 0x6B, 0xC9);
            r = 6;
        }
        p.setPen(QPen(QColor(0x7A, 0x3B, 0x66, 120), 1));
        p.setBrush(colour);
        p.drawEllipse(at, r, r);
    }
    // A drop at the ring's centre.
    QPainterPath drop;
    drop.moveTo(centre + QPointF(0, -24));
    drop.cubicTo(centre + QPointF(14, -6), centre + QPointF(16, 8), centre + QPointF(0, 16));
    drop.cubicTo(centre + QPointF(-16, 8), centre + QPointF(-14, -6), centre + QPointF(0, -24));
    QLinearGradient dropFill(centre + QPointF(0, -24), centre + QPointF(0, 16));
    dropFill.setColorAt(0, QColor(0xEC, 0x6F, 0x9F));
    dropFill.setColorAt(1, QColor(0xA3, 0x16, 0x4F));
    p.setPen(Qt::NoPen);
    p.setBrush(dropFill);
    p.drawPath(drop);

    // The name, as large as fits beside the ring.
    const QRectF nameBox(200, 60, 188, 66);
    const QString title = TLogoForm::tr("Ciclara");
    QFont name(QStringLiteral("DejaVu Serif"));
    name.setItalic(true);
    name.setBold(true);
    int size = 48;
    for (; size > 16; size -= 2) {
        name.setPixelSize(size);
        if (QFontMetricsF(name).horizontalAdvance(title) <= nameBox.width() - 6)
            break;
    }
    p.setFont(name);
    p.setPen(QColor(0x5B, 0x1E, 0x4D));
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(QColor(0xC2, 0x18, 0x5B), 2));
    p.drawLine(QPointF(nameBox.left() + 4, 132), QPointF(nameBox.right() - 8, 132));
    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(12);
    p.setFont(tagline);
    p.setPen(QColor(0x6D, 0x4C, 0x68));
    p.drawText(QRectF(nameBox.left() + 4, 139, nameBox.width() - 8, 40),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               TLogoForm::tr("Cycle and temperature diary"));

    // The band for the status line.
    QLinearGradient band(0, LogoHeight - StatusBand, 0, LogoHeight);
    band.setColorAt(0, QColor(0x6A, 0x1B, 0x4D));
    band.setColorAt(1, QColor(0x4A, 0x12, 0x3A));
    p.fillRect(QRect(0, LogoHeight - StatusBand, LogoWidth, StatusBand), band);
    return pixmap;
}

TLogoForm::TLogoForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_logo(LogoPicture()),
      m_status(tr("Initializing..."))
{
    setObjectName(QStringLiteral("LogoForm"));
    // The picture plus its raised frame.
    setFixedSize(m_logo.width() + 2, m_logo.height() + 1);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void TLogoForm::SetStatus(const QString& text)
{
    m_status = text;
    repaint();
}

void TLogoForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(1, 1, m_logo);
    // Raised frame: light top and left edges, dark bottom and right edges.
    const int right = width() - 1;
    const int bottom = height() - 1;
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.drawLine(0, 0, right, 0);
    p.drawLine(0, 0, 0, bottom);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawLine(0, bottom, right, bottom);
    p.drawLine(right, 0, right, bottom);

    QFont status = font();
    status.setBold(true);
    status.setPixelSize(12);
    p.setFont(status);
    p.setPen(CaptionText);
    const QRect line(10, height() - StatusBand, width() - 20, StatusBand - 1);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_status);
}
