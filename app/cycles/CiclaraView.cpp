// SPDX-License-Identifier: GPL-3.0-or-later
#include "CiclaraView.h"

#include "CycleMath.h"
#include "Globals.h"
#include "HotSincingTexts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

namespace {

// Delay before the tooltip of a newly hovered part shows.
constexpr int HoverTipDelayMs = 100;

// Copies a picture from its top rows into the target. When the target is taller than the
// picture (a very tall control), the picture is stretched instead; every row of the
// stock pictures is alike, so both look the same.
void drawStrip(QPainter& p, const QRect& target, const QImage& image)
{
    if (image.isNull() || target.isEmpty())
        return;
    const int rows = qMin(target.height(), image.height());
    p.drawImage(target, image, QRect(0, 0, image.width(), rows));
}

// Draws a line from x1 up to, but not including, x2 at height y.
void drawTick(QPainter& p, const CycleView::Tick& t)
{
    if (t.x2 > t.x1)
        p.drawLine(t.x1, t.y, t.x2 - 1, t.y);
}

} // namespace

TCiclaraView::TCiclaraView(QWidget* parent)
    : QWidget(parent), m_startDate(Globals::FromDaySerial(0)),
      m_periodCaption(tr("Period %s days")), m_ovulationCaption(tr("Ovulation"))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    m_tipTimer = new QTimer(this);
    m_tipTimer->setSingleShot(true);
    m_tipTimer->setInterval(HoverTipDelayMs);
    connect(m_tipTimer, &QTimer::timeout, this, &TCiclaraView::showPendingTip);
    recompute();
}

TCiclaraView::~TCiclaraView() = default;

bool TCiclaraView::ShowCycle(int periodLength, int cycleLength, const QDate& start)
{
    if (!CycleView::CanShowCycle(cycleLength)) {
        emit OnDataUndisplayed();
        return false;
    }
    m_repaintOn = false;
    setStartDate(start);
    setCycleLen(cycleLength);
    setMenzLen(periodLength);
    m_repaintOn = true;
    changed();
    return true;
}

void TCiclaraView::setPicture(Picture index, const QImage& image)
{
    m_pictures[index] = image;
    if (index == CycleView::TodayArrow) {
        m_arrowMasked = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < m_arrowMasked.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_arrowMasked.scanLine(y));
            for (int x = 0; x < m_arrowMasked.width(); ++x) {
                if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu)
                    line[x] = 0;
            }
        }
    }
    changed();
}

void TCiclaraView::setStartDate(const QDate& date)
{
    m_startDate = date;
    changed();
}

void TCiclaraView::setMenzLen(int days)
{
    m_menzLen = CycleView::EffectiveMenzLen(days, m_cycleLen);
    changed();
}

void TCiclaraView::setCycleLen(int days)
{
    m_cycleLen = days;
    changed();
}

void TCiclaraView::setNativeLanguage(bool on)
{
    m_nativeLanguage = on;
    changed();
}

QStringList TCiclaraView::ColumnTexts() const
{
    namespace V = CycleView;
    QStringList texts(V::TextItemCount);
    const QDate start = m_startDate;
    texts[V::StartDateText] = FormatViewDate(start);
    texts[V::PeriodCaptionText] = Res::Format(m_periodCaption, {m_menzLen});
    texts[V::PeriodEndText] = FormatViewDate(Cycles::LastPeriodDay(start, m_menzLen));
    texts[V::OvulationStartText] = FormatViewDate(Cycles::OvulationFirstDay(start, m_cycleLen));
    texts[V::OvulationCaptionText] = m_ovulationCaption;
    texts[V::OvulationEndText] = FormatViewDate(Cycles::OvulationLastDay(start, m_cycleLen));
    texts[V::CycleEndText] = FormatViewDate(m_endDate.addDays(-1));
    return texts;
}

QString TCiclaraView::FormatViewDate(const QDate& date) const
{
    return CycleView::FormatViewDate(date, m_usePreformatedDate);
}

QString TCiclaraView::MonthName(int month) const
{
    return CycleView::LongMonthName(month, m_nativeLanguage);
}

QString TCiclaraView::Hint() const
{
    return toolTip() + QLatin1Char('|') + statusTip();
}

void TCiclaraView::setHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        setToolTip(hint);
        setStatusTip(hint);
    } else {
        setToolTip(hint.left(bar));
        setStatusTip(hint.mid(bar + 1));
    }
}

QDate TCiclaraView::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void TCiclaraView::setToday(const QDate& day)
{
    m_today = day;
    changed();
}

void TCiclaraView::recompute()
{
    m_ovulationStartDay = Cycles::OvulationStartDay(m_cycleLen);
    m_endDate = Cycles::EndDate(m_startDate, m_cycleLen);
    m_startMonthDays = CycleView::StartMonthDays(m_startDate, m_cycleLen);
}

void TCiclaraView::changed()
{
    recompute();
    m_cacheValid = false;
    if (m_repaintOn)
        update();
}

int TCiclaraView::halfTextHeight() const
{
    return QFontMetrics(font()).height() / 2;
}

CycleView::Layout TCiclaraView::layout() const
{
    CycleView::LayoutInput in;
    in.control = size();
    for (int i = 0; i < CycleView::PictureCount; ++i)
        in.pictures[i] = m_pictures[i].size();
    in.dayHeight = DayHeight();
    in.menzLen = m_menzLen;
    in.cycleLen = m_cycleLen;
    in.startMonthDays = m_startMonthDays;
    in.halfTextHeight = halfTextHeight();
    in.todayOffset = m_startDate.isValid() ? m_startDate.daysTo(today()) : -1;
    return CycleView::ComputeLayout(in);
}

void TCiclaraView::paintCycle(QPainter& p) const
{
    namespace V = CycleView;
    const V::Layout l = layout();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0, Qt::SolidLine));

    drawStrip(p, l.targets[V::StepBmp], m_pictures[V::StepBmp]);
    drawStrip(p, l.targets[V::SlideBar1], m_pictures[V::SlideBar1]);
    drawStrip(p, l.targets[V::SlideBar2], m_pictures[V::SlideBar2]);
    drawStrip(p, l.targets[V::BleedingBmp], m_pictures[V::BleedingBmp]);
    drawStrip(p, l.targets[V::OvulationBmp], m_pictures[V::OvulationBmp]);

    for (const V::Tick& t : l.ticks)
        drawTick(p, t);
    drawTick(p, l.monthBoundary);

    p.setBrush(Qt::NoBrush);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    auto text = [&](int x, int top, const QString& s) { p.drawText(x, top + fm.ascent(), s); };

    const QString startMonth = MonthName(m_startDate.month());
    const QString endMonth = MonthName(m_endDate.month());
    text(l.monthCentreX - fm.horizontalAdvance(startMonth) / 2, l.startMonthY, startMonth);
    text(l.monthCentreX - fm.horizontalAdvance(endMonth) / 2, l.endMonthY, endMonth);

    const QStringList column = ColumnTexts();
    for (int item = 0; item < V::TextItemCount; ++item)
        text(l.textX, l.textY[item], column.at(item));

    if (l.showArrow)
        p.drawImage(l.arrowPos, m_arrowMasked);
    p.restore();
}

void TCiclaraView::paintEvent(QPaintEvent*)
{
    // The drawing is kept in an image and redone only after a change (or a new day).
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (!m_cacheValid || m_cache.size() != pixels || m_cacheToday != today()) {
        m_cache = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_cache.setDevicePixelRatio(dpr);
        m_cache.fill(Qt::transparent);
        QPainter cp(&m_cache);
        paintCycle(cp);
        m_cacheValid = true;
        m_cacheToday = today();
    }
    QPainter p(this);
    p.drawImage(0, 0, m_cache);
}

void TCiclaraView::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const QPoint pos = event->position().toPoint();
    const int part = CycleView::HintAt(layout(), pos);
    if (part >= 0) {
        const QString tip = m_hints[part];
        if (tip != toolTip()) {
            // A new part: drop the showing tooltip and show this one shortly.
            QToolTip::hideText();
            setToolTip(tip);
            m_tipPos = event->globalPosition().toPoint();
            m_tipTimer->start();
        }
    } else {
        m_tipTimer->stop();
        setToolTip(QString());
        QToolTip::hideText();
    }
}

void TCiclaraView::showPendingTip()
{
    if (!toolTip().isEmpty() && underMouse())
        QToolTip::showText(m_tipPos, toolTip(), this);
}

void TCiclaraView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        changed();
}
