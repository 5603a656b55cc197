// SPDX-License-Identifier: GPL-3.0-or-later
#include "NiceCalendar.h"

#include <QIcon>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

using NiceCal::Rgb;

namespace {

enum CellMode
{
    CellPlain,
    CellHovered,
    CellSelected
};

constexpr QSize DesignSize(265, 175);

QColor toColor(const Rgb& c)
{
    return QColor(c.r, c.g, c.b);
}

// Outline along the rectangle's own border pixels, filled with the painter's brush, as
// the classic Rectangle call draws it.
void drawCellRect(QPainter& painter, const QRect& rect)
{
    if (rect.width() > 0 && rect.height() > 0)
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// A left-pointing filled triangle 7 pixels wide and 13 high with its tip at column tipX.
void drawLeftTriangle(QImage& image, int tipX, const QColor& color)
{
    for (int y = 0; y < 13; ++y) {
        for (int x = tipX + qAbs(6 - y); x <= tipX + 6; ++x)
            image.setPixelColor(x, y, color);
    }
}

} // namespace

QPixmap DefaultNiceCalendarGlyph(int index)
{
    const bool years =
        index == TNiceCalendar::PrevYearGlyphIndex || index == TNiceCalendar::NextYearGlyphIndex;
    const bool next =
        index == TNiceCalendar::NextMonthGlyphIndex || index == TNiceCalendar::NextYearGlyphIndex;
    QImage image(years ? 15 : 9, 13, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QColor color(Qt::black);
    if (years) {
        drawLeftTriangle(image, 0, color);
        drawLeftTriangle(image, 8, color);
    } else {
        drawLeftTriangle(image, 1, color);
    }
    if (next)
        image = image.mirrored(true, false);
    return QPixmap::fromImage(image);
}

QImage RenderNiceCalendarBackground(TFillStyle style, int steps, const QSize& size,
                                    const Rgb& start, const Rgb& end)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(toColor(start));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    const QVector<NiceCal::GradientBand> bands =
        NiceCal::GradientBands(style, steps, size, start, end);
    for (const NiceCal::GradientBand& band : bands) {
        if (band.rect.isEmpty())
            continue;
        if (band.ellipse) {
            // Smooth edges: each ellipse lies on the one before, which differs by at most
            // a step, so the blending hides the staircase without seams.
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setBrush(toColor(band.color));
            p.drawEllipse(QRectF(band.rect));
        } else {
            p.fillRect(band.rect, toColor(band.color));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const int w = size.width();
    const int h = size.height();
    p.setPen(Qt::white);
    p.drawLine(0, h - 1, 0, 0);
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(Qt::black);
    p.drawLine(1, h - 1, w - 2, h - 1);
    p.drawLine(w - 1, h - 1, w - 1, 2);
    return image;
}

TNiceCalendar::TNiceCalendar(QWidget* parent)
    : QWidget(parent), m_date(QDate::currentDate()), m_caption(tr("Date : "))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int i = 0; i < 5; ++i) {
        m_fonts[i] = font();
        m_fontColors[i] = palette().color(QPalette::WindowText);
    }

    const char* const names[4] = {"PrevYearSB", "PrevMonthSB", "NextMonthSB", "NextYearSB"};
    const QString hints[4] = {tr("Previous year"), tr("Previous month"), tr("Next month"),
                              tr("Next year")};
    void (TNiceCalendar::*const clicks[4])() = {
        &TNiceCalendar::PrevYearSBClick, &TNiceCalendar::PrevMonthSBClick,
        &TNiceCalendar::NextMonthSBClick, &TNiceCalendar::NextYearSBClick};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(names[i]));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(hints[i]);
        button->setStatusTip(hints[i]);
        connect(button, &QToolButton::clicked, this, clicks[i]);
        m_buttons[i] = button;
        SetGlyph(i, DefaultNiceCalendarGlyph(i));
    }

    resize(DesignSize);
    placeButtons();
    UpdateCalendar();
}

TNiceCalendar::~TNiceCalendar() = default;

QSize TNiceCalendar::sizeHint() const
{
    return DesignSize;
}

// --- date --------------------------------------------------------------------------

void TNiceCalendar::changeDate(const QDate& date)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    UpdateCalendar();
    emit OnChange();
}

void TNiceCalendar::SetCalendarDate(const QDate& date)
{
    changeDate(date);
}

void TNiceCalendar::SetDay(int day)
{
    if (day < 1 || day > m_date.daysInMonth() || day == Day())
        return;
    m_useCurrentDate = false;
    changeDate(QDate(Year(), Month(), day));
}

void TNiceCalendar::SetMonth(int month)
{
    if (month < 1 || month > 12 || month == Month())
        return;
    // A day the new month lacks would make no date: keep the month's last day instead.
    m_useCurrentDate = false;
    changeDate(NiceCal::StepMonth(m_date, month - Month()));
}

void TNiceCalendar::SetYear(int year)
{
    if (year < 1 || year == Year())
        return;
    // 29 February in a common year becomes 28 February.
    m_useCurrentDate = false;
    changeDate(NiceCal::StepYear(m_date, year - Year()));
}

void TNiceCalendar::SetUseCurrentDate(bool on)
{
    m_useCurrentDate = on;
    if (on) {
        m_date = QDate::currentDate();
        UpdateCalendar();
    }
}

void TNiceCalendar::SetStartOfWeek(int weekday)
{
    if (weekday < 0 || weekday > 6 || weekday == m_startOfWeek)
        return;
    m_startOfWeek = weekday;
    UpdateCalendar();
}

void TNiceCalendar::UpdateCalendar()
{
    m_monthOffset = NiceCal::MonthOffset(m_date, m_startOfWeek);
    m_selectedCell = NiceCal::SelectedCell(m_date, m_startOfWeek);
    update();
}

// --- navigation buttons ------------------------------------------------------------

void TNiceCalendar::PrevYearSBClick()
{
    SetYear(Year() - 1);
}

void TNiceCalendar::PrevMonthSBClick()
{
    m_useCurrentDate = false;
    changeDate(NiceCal::StepMonth(m_date, -1));
}

void TNiceCalendar::NextMonthSBClick()
{
    m_useCurrentDate = false;
    changeDate(NiceCal::StepMonth(m_date, 1));
}

void TNiceCalendar::NextYearSBClick()
{
    SetYear(Year() + 1);
}

// --- background --------------------------------------------------------------------

void TNiceCalendar::SetStyle(TFillStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    rebuildBackground();
}

void TNiceCalendar::SetSteps(int steps)
{
    if (steps == m_steps || steps < 2)
        return;
    m_steps = steps;
    rebuildBackground();
}

void TNiceCalendar::setStartComponent(int Rgb::*component, quint8 value)
{
    const int v = qMin(int(value), m_end.*component);
    if (v == m_start.*component)
        return;
    m_start.*component = v;
    rebuildBackground();
}

void TNiceCalendar::setEndComponent(int Rgb::*component, quint8 value)
{
    if (int(value) == m_end.*component)
        return;
    m_end.*component = value;
    rebuildBackground();
}

void TNiceCalendar::SetRed1(quint8 value)
{
    setStartComponent(&Rgb::r, value);
}

void TNiceCalendar::SetGreen1(quint8 value)
{
    setStartComponent(&Rgb::g, value);
}

void TNiceCalendar::SetBlue1(quint8 value)
{
    setStartComponent(&Rgb::b, value);
}

void TNiceCalendar::SetRed2(quint8 value)
{
    setEndComponent(&Rgb::r, value);
}

void TNiceCalendar::SetGreen2(quint8 value)
{
    setEndComponent(&Rgb::g, value);
}

void TNiceCalendar::SetBlue2(quint8 value)
{
    setEndComponent(&Rgb::b, value);
}

void TNiceCalendar::SetColors(quint8 red2, quint8 red1, quint8 blue1, quint8 blue2, quint8 green1,
                              quint8 green2)
{
    m_start = {red1, green1, blue1};
    m_end = {red2, green2, blue2};
    rebuildBackground();
}

QImage TNiceCalendar::BackgroundImage() const
{
    if (m_background.size() == size())
        return m_background;
    return RenderNiceCalendarBackground(m_style, m_steps, size(), m_start, m_end);
}

void TNiceCalendar::rebuildBackground()
{
    m_background = RenderNiceCalendarBackground(m_style, m_steps, size(), m_start, m_end);
    UpdateCalendar();
}

// --- fonts, colours, texts, pictures -------------------------------------------------

QFont TNiceCalendar::CalendarFont(int index) const
{
    return index >= 0 && index < 5 ? m_fonts[index] : QFont();
}

void TNiceCalendar::SetCalendarFont(int index, const QFont& font)
{
    if (index < 0 || index >= 5)
        return;
    m_fonts[index] = font;
    update();
}

QColor TNiceCalendar::CalendarFontColor(int index) const
{
    return index >= 0 && index < 5 ? m_fontColors[index] : QColor();
}

void TNiceCalendar::SetCalendarFontColor(int index, const QColor& color)
{
    if (index < 0 || index >= 5)
        return;
    m_fontColors[index] = color;
    update();
}

void TNiceCalendar::SetSelectedColor(const QColor& color)
{
    m_selectedColor = color;
    update();
}

void TNiceCalendar::SetShowDateAtBottom(bool on)
{
    m_showDateAtBottom = on;
    update();
}

void TNiceCalendar::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TNiceCalendar::SetNativeLanguage(bool on)
{
    m_nativeLanguage = on;
    update();
}

QPixmap TNiceCalendar::Glyph(int index) const
{
    return index >= 0 && index < 4 ? m_glyphs[index] : QPixmap();
}

void TNiceCalendar::SetGlyph(int index, const QPixmap& glyph)
{
    if (index < 0 || index >= 4)
        return;
    m_glyphs[index] = glyph;
    m_buttons[index]->setIcon(QIcon(glyph));
    m_buttons[index]->setIconSize(glyph.size());
}

// --- widget events -----------------------------------------------------------------

void TNiceCalendar::placeButtons()
{
    const NiceCal::Geometry g = CalendarGeometry();
    m_buttons[PrevYearGlyphIndex]->setGeometry(g.prevYearButton);
    m_buttons[PrevMonthGlyphIndex]->setGeometry(g.prevMonthButton);
    m_buttons[NextMonthGlyphIndex]->setGeometry(g.nextMonthButton);
    m_buttons[NextYearGlyphIndex]->setGeometry(g.nextYearButton);
}

void TNiceCalendar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons();
    rebuildBackground();
}

void TNiceCalendar::setHovered(const QPoint& cell)
{
    if (cell == m_hoveredCell)
        return;
    m_hoveredCell = cell;
    update();
}

void TNiceCalendar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint cell = NiceCal::CellAt(CalendarGeometry(), event->position().toPoint());
    const bool hasDay = cell.y() >= 1 && NiceCal::CellDay(m_monthOffset, m_date.daysInMonth(),
                                                          cell.x(), cell.y()) > 0;
    setHovered(hasDay ? cell : QPoint(-1, -1));
}

void TNiceCalendar::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    setHovered(QPoint(-1, -1));
}

void TNiceCalendar::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const int day = NiceCal::DayAt(CalendarGeometry(), pos, m_date, m_startOfWeek);
    if (day == 0 || NiceCal::CellAt(CalendarGeometry(), pos) == m_selectedCell) {
        QWidget::mousePressEvent(event);
        return;
    }
    SetDay(day);
}

void TNiceCalendar::paintCell(QPainter& p, int column, int row, int mode)
{
    const NiceCal::Geometry g = CalendarGeometry();
    const QRect rect = row == 0 ? g.headerTextRect(column) : g.cellRect(column, row);
    if (mode == CellHovered) {
        QPen pen(Qt::black);
        pen.setDashPattern({1, 1});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        drawCellRect(p, rect);
    } else if (mode == CellSelected) {
        p.setPen(QPen(Qt::black));
        p.setBrush(m_selectedColor);
        drawCellRect(p, rect);
    }

    const QString text = NiceCal::CellText(m_date, m_startOfWeek, m_nativeLanguage, column, row);
    if (text.isEmpty())
        return;
    const int fontIndex = row == 0               ? WeekdaysFontIndex
                          : mode == CellSelected ? SelectedDaysFontIndex
                                                 : DaysFontIndex;
    p.setFont(m_fonts[fontIndex]);
    p.setPen(m_fontColors[fontIndex]);
    const QFontMetrics fm(m_fonts[fontIndex]);
    const int x = rect.left() + g.cellWidth / 2 - fm.horizontalAdvance(text) / 2;
    const int y = rect.top() + g.cellHeight / 2 - fm.height() / 2;
    p.save();
    p.setClipRect(rect);
    p.drawText(x, y + fm.ascent(), text);
    p.restore();
}

void TNiceCalendar::paintEvent(QPaintEvent*)
{
    if (m_background.size() != size())
        m_background = RenderNiceCalendarBackground(m_style, m_steps, size(), m_start, m_end);
    const NiceCal::Geometry g = CalendarGeometry();
    QPainter p(this);
    p.drawImage(0, 0, m_background);

    p.setBrush(Qt::NoBrush);
    p.setFont(m_fonts[TitleFontIndex]);
    p.setPen(m_fontColors[TitleFontIndex]);
    p.drawText(g.titleRect, Qt::AlignCenter, NiceCal::TitleText(m_date, m_nativeLanguage));

    p.setPen(QPen(Qt::black));
    drawCellRect(p, g.headerFrame());

    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 7; ++column)
            paintCell(p, column, row, CellPlain);
    }

    if (m_showDateAtBottom) {
        const QString text = m_caption + QLocale().toString(m_date, QLocale::ShortFormat);
        const QFontMetrics fm(m_fonts[DateFontIndex]);
        const QRect& strip = g.bottomStrip;
        p.setFont(m_fonts[DateFontIndex]);
        p.setPen(m_fontColors[DateFontIndex]);
        p.drawText(strip.left() + strip.width() / 2 - fm.horizontalAdvance(text) / 2,
                   strip.top() + strip.height() / 2 - fm.height() / 2 + fm.ascent(), text);
    }

    const bool hoveredHasDay =
        m_hoveredCell.y() >= 1 && NiceCal::CellDay(m_monthOffset, m_date.daysInMonth(),
                                                   m_hoveredCell.x(), m_hoveredCell.y()) > 0;
    if (hoveredHasDay && m_hoveredCell != m_selectedCell)
        paintCell(p, m_hoveredCell.x(), m_hoveredCell.y(), CellHovered);
    paintCell(p, m_selectedCell.x(), m_selectedCell.y(), CellSelected);
}

void ApplyDialogDesign(TNiceCalendar& calendar)
{
    calendar.resize(DesignSize);
    calendar.SetSteps(255);
    calendar.SetStyle(fsEllipse);
    // Blue-green rim lightening towards white at the centre.
    calendar.SetColors(/*red2*/ 255, /*red1*/ 0, /*blue1*/ 200, /*blue2*/ 255, /*green1*/ 150,
                       /*green2*/ 255);
    calendar.SetStartOfWeek(1);
    calendar.SetUseCurrentDate(false);
    calendar.SetSelectedColor(Qt::yellow);

    auto designFont = [](int pixels) {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setBold(true);
        f.setPixelSize(pixels);
        return f;
    };
    calendar.SetCalendarDaysFont(designFont(11));
    calendar.SetCalendarFontColor(TNiceCalendar::DaysFontIndex, Qt::black);
    calendar.SetCalendarWeekdaysFont(designFont(11));
    calendar.SetCalendarFontColor(TNiceCalendar::WeekdaysFontIndex, Qt::white);
    calendar.SetCalendarTitleFont(designFont(13));
    calendar.SetCalendarFontColor(TNiceCalendar::TitleFontIndex, Qt::black);
    calendar.SetCalendarDateFont(designFont(13));
    calendar.SetCalendarFontColor(TNiceCalendar::DateFontIndex, QColor(0, 255, 255));
    calendar.SetCalendarSelectedDaysFont(designFont(11));
}
