// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QWidget>

class CiclaraTable;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TNiceCalendar;

// Draws the predicted-date cells of the prediction grid: the cell holds a day serial as
// decimal text and shows it as a short date, on the desktop colour when selected.
class PredictionDateDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The text a cell of the date column shows: its serial as a short date, or nothing.
    static QString CellText(const QString& serialText);
};

// The prediction screen: expected starts of future cycles within a chosen period, in
// steps of the average cycle length from the newest recorded start. A listed date can be
// stored as a real cycle.
class TPredictionForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 744;
    static constexpr int DesignHeight = 438;
    // The fill of a selected date cell: the classic desktop colour.
    static const QColor DesktopColor;

    explicit TPredictionForm(CiclaraTable* table, QWidget* parent = nullptr);
    ~TPredictionForm() override;

    // Reads the opening values from the table (newest start, average) and fills the
    // screen with them; the main window then shows the screen and focuses PredictBtn.
    void PrepareOpening();
    // Fills the pickers, the base date and the average; the grid is left empty.
    void OpenPrediction(int average, const QDate& endDate, const QDate& startDate,
                        const QDate& baseDate);
    // Lists the predicted starts between the two pickers.
    void PredictBtnClick();
    // Stores the selected listed date as a new cycle, after asking.
    void AddCycleBtnClick();
    bool CycleLenEditKeyPress(const QKeyEvent& event) const;
    void FormShow();

    QDate BaseDateValue() const { return m_base; }
    // The dates the grid lists, in order.
    QList<QDate> PredictedDates() const;

    QDate today() const;
    void setToday(const QDate& day) { m_today = day; }

    TNiceCalendar* StartCal = nullptr;
    TNiceCalendar* EndCal = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* BaseDate = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* CycleLenEdit = nullptr;
    QPushButton* PredictBtn = nullptr;
    QPushButton* AddCycleBtn = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* Image2 = nullptr;

signals:
    // A listed date was stored: the cycle view is handed the new cycle.
    void cycleStored(int period, int cycleLength, const QDate& start);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void resetGrid();
    void placeControls();

    CiclaraTable* m_table;
    QDate m_base;
    QDate m_today;
    QPixmap m_tile;
};
