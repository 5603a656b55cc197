// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <QPixmap>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TNiceCalendar;

// The add-cycle dialog: two linked date pickers for the first and the last day of the new
// cycle, which always stand (presumed cycle length - 1) days apart, the period length and
// the presumed cycle length. Created once and reused; every opening starts on today.
class TAddNewCycleForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 493;
    static constexpr int DesignHeight = 406;

    explicit TAddNewCycleForm(QWidget* parent = nullptr);
    ~TAddNewCycleForm() override;

    // Runs the dialog modally with the given lengths. On OK writes the chosen start date,
    // period and cycle length back and returns Msg::mrOk; otherwise leaves the arguments
    // as they were and returns Msg::mrCancel. The dialog opens on today, whatever start
    // is given.
    int AddNewCycle(QDate& start, int& period, int& cycle);
    // The preparation AddNewCycle does before it shows the dialog.
    void PrepareAddNewCycle(const QDate& start, int period, int cycle);

    // The picker rules: each keeps the other (cycle length - 1) days away.
    void StartCalChange();
    void EndCalChange();
    void CycleLenEditChange();
    // Whether a key may reach one of the two length fields (digits and Backspace).
    bool CycleLenEditKeyPress(const QKeyEvent& event) const;
    // Leaving the period field empty puts the default period back.
    void PeriodLenEditExit();
    // Checks the lengths and closes with OK only when they fit.
    void OKBtnClick();
    // On showing: the end date becomes today + L - 1 and so the start date today.
    void FormShow();

    // The day the dialog opens on; the current date unless a test fixes one.
    QDate today() const;
    void setToday(const QDate& day) { m_today = day; }

    TNiceCalendar* StartCal = nullptr;
    TNiceCalendar* EndCal = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* PeriodLenEdit = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* CycleLenEdit = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QLabel* LampImage = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The presumed cycle length, or a message and nothing when the field has none.
    bool readCycleLength(int& length);

    QPixmap m_tile;
    QDate m_today;
};
