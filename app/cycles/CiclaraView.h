// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CiclaraViewGeometry.h"

#include <QDate>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <array>

class QTimer;

// Draws one cycle as a vertical day ruler: the first day at the top, one band of pixels
// per day, the period and ovulation bars beside the ruler, the two month slide bars on
// the left with the month names, the key dates on the right and an arrow at today. It
// only displays: it takes no focus and uses the mouse only to change its hint.
class TCiclaraView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QImage BleedingBmp READ BleedingBmp WRITE setBleedingBmp)
    Q_PROPERTY(QImage OvulationBmp READ OvulationBmp WRITE setOvulationBmp)
    Q_PROPERTY(QImage SlideBar1 READ SlideBar1 WRITE setSlideBar1)
    Q_PROPERTY(QImage SlideBar2 READ SlideBar2 WRITE setSlideBar2)
    Q_PROPERTY(QImage StepBmp READ StepBmp WRITE setStepBmp)
    Q_PROPERTY(QImage TodayArrow READ TodayArrow WRITE setTodayArrow)
    Q_PROPERTY(QString BleedingBmpHint READ BleedingBmpHint WRITE setBleedingBmpHint)
    Q_PROPERTY(QString OvulationBmpHint READ OvulationBmpHint WRITE setOvulationBmpHint)
    Q_PROPERTY(QString SlideBar1Hint READ SlideBar1Hint WRITE setSlideBar1Hint)
    Q_PROPERTY(QString SlideBar2Hint READ SlideBar2Hint WRITE setSlideBar2Hint)
    Q_PROPERTY(QString StepBmpHint READ StepBmpHint WRITE setStepBmpHint)
    Q_PROPERTY(QString TodayArrowHint READ TodayArrowHint WRITE setTodayArrowHint)
    Q_PROPERTY(QDate StartDate READ StartDate WRITE setStartDate)
    Q_PROPERTY(int MenzLen READ MenzLen WRITE setMenzLen)
    Q_PROPERTY(int CycleLen READ CycleLen WRITE setCycleLen)
    Q_PROPERTY(QDate EndDate READ EndDate)
    Q_PROPERTY(int OvulationStartDay READ OvulationStartDay)
    Q_PROPERTY(bool UsePreformatedDate READ UsePreformatedDate WRITE setUsePreformatedDate)
    Q_PROPERTY(bool NativeLanguage READ NativeLanguage WRITE setNativeLanguage)
    Q_PROPERTY(QString PeriodCaption READ PeriodCaption WRITE setPeriodCaption)
    Q_PROPERTY(QString OvulationCaption READ OvulationCaption WRITE setOvulationCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)

public:
    using Picture = CycleView::Picture;

    explicit TCiclaraView(QWidget* parent = nullptr);
    ~TCiclaraView() override;

    // Shows a cycle of 15 to 39 days and repaints once. Any other length raises
    // OnDataUndisplayed, keeps the cycle shown before and returns false.
    bool ShowCycle(int periodLength, int cycleLength, const QDate& start);

    // The six pictures by index (CycleView::Picture); setting one keeps a copy.
    QImage picture(Picture index) const { return m_pictures[index]; }
    void setPicture(Picture index, const QImage& image);
    QString pictureHint(Picture index) const { return m_hints[index]; }
    void setPictureHint(Picture index, const QString& text) { m_hints[index] = text; }

    QImage BleedingBmp() const { return picture(CycleView::BleedingBmp); }
    void setBleedingBmp(const QImage& image) { setPicture(CycleView::BleedingBmp, image); }
    QImage OvulationBmp() const { return picture(CycleView::OvulationBmp); }
    void setOvulationBmp(const QImage& image) { setPicture(CycleView::OvulationBmp, image); }
    QImage SlideBar1() const { return picture(CycleView::SlideBar1); }
    void setSlideBar1(const QImage& image) { setPicture(CycleView::SlideBar1, image); }
    QImage SlideBar2() const { return picture(CycleView::SlideBar2); }
    void setSlideBar2(const QImage& image) { setPicture(CycleView::SlideBar2, image); }
    QImage StepBmp() const { return picture(CycleView::StepBmp); }
    void setStepBmp(const QImage& image) { setPicture(CycleView::StepBmp, image); }
    QImage TodayArrow() const { return picture(CycleView::TodayArrow); }
    void setTodayArrow(const QImage& image) { setPicture(CycleView::TodayArrow, image); }

    QString BleedingBmpHint() const { return pictureHint(CycleView::BleedingBmp); }
    void setBleedingBmpHint(const QString& t) { setPictureHint(CycleView::BleedingBmp, t); }
    QString OvulationBmpHint() const { return pictureHint(CycleView::OvulationBmp); }
    void setOvulationBmpHint(const QString& t) { setPictureHint(CycleView::OvulationBmp, t); }
    QString SlideBar1Hint() const { return pictureHint(CycleView::SlideBar1); }
    void setSlideBar1Hint(const QString& t) { setPictureHint(CycleView::SlideBar1, t); }
    QString SlideBar2Hint() const { return pictureHint(CycleView::SlideBar2); }
    void setSlideBar2Hint(const QString& t) { setPictureHint(CycleView::SlideBar2, t); }
    QString StepBmpHint() const { return pictureHint(CycleView::StepBmp); }
    void setStepBmpHint(const QString& t) { setPictureHint(CycleView::StepBmp, t); }
    QString TodayArrowHint() const { return pictureHint(CycleView::TodayArrow); }
    void setTodayArrowHint(const QString& t) { setPictureHint(CycleView::TodayArrow, t); }

    QDate StartDate() const { return m_startDate; }
    void setStartDate(const QDate& date);
    int MenzLen() const { return m_menzLen; }
    // Keeps the value when it is below CycleLen - 7, else 5: set CycleLen first.
    void setMenzLen(int days);
    int CycleLen() const { return m_cycleLen; }
    void setCycleLen(int days);
    QDate EndDate() const { return m_endDate; }
    int OvulationStartDay() const { return m_ovulationStartDay; }
    // Pixels per day: the control's height less 40, divided by CycleLen.
    int DayHeight() const { return CycleView::DayHeight(height(), m_cycleLen); }
    int StartMonthDays() const { return m_startMonthDays; }

    bool UsePreformatedDate() const { return m_usePreformatedDate; }
    void setUsePreformatedDate(bool on) { m_usePreformatedDate = on; }
    bool NativeLanguage() const { return m_nativeLanguage; }
    void setNativeLanguage(bool on);

    // "Period %s days" (%s: the period length) and "Ovulation".
    QString PeriodCaption() const { return m_periodCaption; }
    void setPeriodCaption(const QString& text) { m_periodCaption = text; }
    QString OvulationCaption() const { return m_ovulationCaption; }
    void setOvulationCaption(const QString& text) { m_ovulationCaption = text; }

    QString FormatViewDate(const QDate& date) const;
    // The right-hand column as it is drawn, top to bottom: start date, period caption,
    // last period day, first and last ovulation day around the ovulation caption, last
    // day of the cycle.
    QStringList ColumnTexts() const;
    // The long month name the view writes: the system's with NativeLanguage, else English.
    QString MonthName(int month) const;

    // The hint pair "tooltip|status text": the tooltip part becomes the widget's toolTip,
    // the status part its statusTip (shown by the main window's status bar).
    QString Hint() const;
    void setHint(const QString& hint);

    // The day the arrow looks for; the current date unless a test fixes one.
    QDate today() const;
    void setToday(const QDate& day);

    // The geometry of the current state, as painted.
    CycleView::Layout layout() const;
    int halfTextHeight() const;

    // Paints the cycle with the painter's origin at the control's top left.
    void paintCycle(QPainter& painter) const;

signals:
    void OnDataUndisplayed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void recompute();
    void changed();
    void showPendingTip();

    std::array<QImage, CycleView::PictureCount> m_pictures;
    std::array<QString, CycleView::PictureCount> m_hints;
    QImage m_arrowMasked; // TodayArrow with its white pixels transparent
    QDate m_startDate;
    int m_menzLen = 5;
    int m_cycleLen = 28;
    QDate m_endDate;
    int m_ovulationStartDay = 0;
    int m_startMonthDays = 0;
    bool m_usePreformatedDate = false;
    bool m_nativeLanguage = false;
    QString m_periodCaption;
    QString m_ovulationCaption;
    QDate m_today; // invalid: the current date
    bool m_repaintOn = true;

    QImage m_cache;
    bool m_cacheValid = false;
    QDate m_cacheToday;

    QTimer* m_tipTimer = nullptr;
    QPoint m_tipPos;
};
