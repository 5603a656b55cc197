// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NiceCalendarLogic.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class QToolButton;

// The month calendar of every date dialog: a gradient background, the month and year
// between four navigation buttons, a weekday header, a 7 x 6 day grid with the selected
// day filled and the day under the mouse framed, and the selected date below.
class TNiceCalendar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate CalendarDate READ CalendarDate WRITE SetCalendarDate NOTIFY OnChange)
    Q_PROPERTY(bool UseCurrentDate READ UseCurrentDate WRITE SetUseCurrentDate)
    Q_PROPERTY(int StartOfWeek READ StartOfWeek WRITE SetStartOfWeek)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool NativeLanguage READ NativeLanguage WRITE SetNativeLanguage)

public:
    // Indexes of the five fonts and of the four button pictures.
    enum CalendarFontIndex
    {
        DaysFontIndex = 0,
        WeekdaysFontIndex = 1,
        TitleFontIndex = 2,
        DateFontIndex = 3,
        SelectedDaysFontIndex = 4
    };
    enum GlyphIndex
    {
        PrevYearGlyphIndex = 0,
        PrevMonthGlyphIndex = 1,
        NextMonthGlyphIndex = 2,
        NextYearGlyphIndex = 3
    };

    explicit TNiceCalendar(QWidget* parent = nullptr);
    ~TNiceCalendar() override;

    QDate CalendarDate() const { return m_date; }
    void SetCalendarDate(const QDate& date);
    int Day() const { return m_date.day(); }
    void SetDay(int day);
    int Month() const { return m_date.month(); }
    void SetMonth(int month);
    int Year() const { return m_date.year(); }
    void SetYear(int year);
    bool UseCurrentDate() const { return m_useCurrentDate; }
    void SetUseCurrentDate(bool on);
    int StartOfWeek() const { return m_startOfWeek; }
    void SetStartOfWeek(int weekday); // 0 = Sunday ... 6 = Saturday

    TFillStyle Style() const { return m_style; }
    void SetStyle(TFillStyle style);
    int Steps() const { return m_steps; }
    void SetSteps(int steps);

    // Gradient start (1) and end (2) colour. A start component set above its end
    // component is lowered to it.
    int Red1() const { return m_start.r; }
    int Green1() const { return m_start.g; }
    int Blue1() const { return m_start.b; }
    int Red2() const { return m_end.r; }
    int Green2() const { return m_end.g; }
    int Blue2() const { return m_end.b; }
    void SetRed1(quint8 value);
    void SetGreen1(quint8 value);
    void SetBlue1(quint8 value);
    void SetRed2(quint8 value);
    void SetGreen2(quint8 value);
    void SetBlue2(quint8 value);
    // All six at once, stored as given (no lowering), one rebuild of the background.
    void SetColors(quint8 red2, quint8 red1, quint8 blue1, quint8 blue2, quint8 green1,
                   quint8 green2);

    // A font's colour is kept beside it.
    QFont CalendarFont(int index) const;
    void SetCalendarFont(int index, const QFont& font);
    QColor CalendarFontColor(int index) const;
    void SetCalendarFontColor(int index, const QColor& color);

    QFont CalendarDaysFont() const { return CalendarFont(DaysFontIndex); }
    void SetCalendarDaysFont(const QFont& f) { SetCalendarFont(DaysFontIndex, f); }
    QFont CalendarWeekdaysFont() const { return CalendarFont(WeekdaysFontIndex); }
    void SetCalendarWeekdaysFont(const QFont& f) { SetCalendarFont(WeekdaysFontIndex, f); }
    QFont CalendarTitleFont() const { return CalendarFont(TitleFontIndex); }
    void SetCalendarTitleFont(const QFont& f) { SetCalendarFont(TitleFontIndex, f); }
    QFont CalendarDateFont() const { return CalendarFont(DateFontIndex); }
    void SetCalendarDateFont(const QFont& f) { SetCalendarFont(DateFontIndex, f); }
    QFont CalendarSelectedDaysFont() const { return CalendarFont(SelectedDaysFontIndex); }
    void SetCalendarSelectedDaysFont(const QFont& f) { SetCalendarFont(SelectedDaysFontIndex, f); }

    QColor SelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(const QColor& color);
    bool ShowDateAtBottom() const { return m_showDateAtBottom; }
    void SetShowDateAtBottom(bool on);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool NativeLanguage() const { return m_nativeLanguage; }
    void SetNativeLanguage(bool on);

    QPixmap Glyph(int index) const;
    void SetGlyph(int index, const QPixmap& glyph);
    QPixmap PrevYearSBGlyph() const { return Glyph(PrevYearGlyphIndex); }
    void SetPrevYearSBGlyph(const QPixmap& g) { SetGlyph(PrevYearGlyphIndex, g); }
    QPixmap PrevMonthSBGlyph() const { return Glyph(PrevMonthGlyphIndex); }
    void SetPrevMonthSBGlyph(const QPixmap& g) { SetGlyph(PrevMonthGlyphIndex, g); }
    QPixmap NextMonthSBGlyph() const { return Glyph(NextMonthGlyphIndex); }
    void SetNextMonthSBGlyph(const QPixmap& g) { SetGlyph(NextMonthGlyphIndex, g); }
    QPixmap NextYearSBGlyph() const { return Glyph(NextYearGlyphIndex); }
    void SetNextYearSBGlyph(const QPixmap& g) { SetGlyph(NextYearGlyphIndex, g); }

    // Layout state, for callers and tests.
    int MonthOffset() const { return m_monthOffset; }
    QPoint SelectedCell() const { return m_selectedCell; } // column x, row y
    QPoint HoveredCell() const { return m_hoveredCell; }   // row -1 when none
    NiceCal::Geometry CalendarGeometry() const { return NiceCal::ComputeGeometry(size()); }
    QImage BackgroundImage() const;

    QSize sizeHint() const override;

signals:
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PrevYearSBClick();
    void PrevMonthSBClick();
    void NextMonthSBClick();
    void NextYearSBClick();

    void changeDate(const QDate& date);
    void UpdateCalendar();
    void rebuildBackground();
    void setStartComponent(int NiceCal::Rgb::*component, quint8 value);
    void setEndComponent(int NiceCal::Rgb::*component, quint8 value);
    void placeButtons();
    void setHovered(const QPoint& cell);
    void paintCell(QPainter& painter, int column, int row, int mode);

    QDate m_date;
    bool m_useCurrentDate = true;
    int m_startOfWeek = 0;
    TFillStyle m_style = fsHorizontal;
    int m_steps = 255;
    NiceCal::Rgb m_start{0, 0, 0};
    NiceCal::Rgb m_end{255, 255, 255};
    QFont m_fonts[5];
    QColor m_fontColors[5];
    QColor m_selectedColor = Qt::black;
    bool m_showDateAtBottom = true;
    QString m_caption;
    bool m_nativeLanguage = false;
    QPixmap m_glyphs[4];
    QToolButton* m_buttons[4] = {};

    int m_monthOffset = 0;
    QPoint m_selectedCell;
    QPoint m_hoveredCell{-1, -1};
    QImage m_background;
};

// The look every date dialog gives its pickers: 265 x 175, blue-green ellipse gradient,
// Monday first, yellow selection, bold "MS Sans Serif" fonts.
void ApplyDialogDesign(TNiceCalendar& calendar);

// The built-in button pictures: double arrows 15 x 13 for the years, single 9 x 13 for
// the months, pointing left for the previous and right for the next ones.
QPixmap DefaultNiceCalendarGlyph(int index);

// The gradient background of a control of the given size, with the white and black edge
// lines.
QImage RenderNiceCalendarBackground(TFillStyle style, int steps, const QSize& size,
                                    const NiceCal::Rgb& start, const NiceCal::Rgb& end);
