// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QPixmap>
#include <QWidget>

class CiclaraTable;
class CycleGridModel;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;
class TCiclaraView;

// The home screen: the current cycle drawn by the cycle view control, all cycles in a
// grid, moving between cycles and deleting one or all of them. It holds no data of its
// own and follows the current record of the cycle table it is given (the main window's
// MainTable).
class TCycleViewForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 750;
    static constexpr int DesignHeight = 421;
    static constexpr const char* DefaultUser = "Noname";

    explicit TCycleViewForm(CiclaraTable* table, QWidget* parent = nullptr);
    ~TCycleViewForm() override;

    CiclaraTable* table() const { return m_table; }

    // Brings the screen in line with the table: the current cycle drawn, an undrawable
    // cycle's picture, or the no-data pictures. Does nothing while the table is closed.
    void UpdateCycleView();

    // While connected, every change notification of the table redraws the screen. The
    // main window connects before showing the screen; hiding disconnects.
    void ConnectChangeNotification();
    void DisconnectChangeNotification();
    bool isConnected() const { return bool(m_notification); }

    void FormShow();
    void FormHide();
    void SBArrowPrevClick();
    void SBArrowNextClick();
    // Both ask first and act on Yes only.
    void DeleteCycleClick();
    void DeleteAllCyclesClick();
    void CiclaraView1DataUndisplayed();

    TCiclaraView* CiclaraView1 = nullptr;
    QPushButton* DeleteCycle = nullptr;
    QToolButton* SBArrowPrev = nullptr;
    QToolButton* SBArrowNext = nullptr;
    QPushButton* DeleteAllCycles = nullptr;
    QTableView* DBGrid1 = nullptr;
    QLabel* UndisplayedImage = nullptr;
    QLabel* NoNameImage = nullptr;
    QLabel* NoDataEnteredImage = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showNoDataState();
    void placeNoDataPicture();
    void placeControls();
    void selectCurrentRow();
    void gridRowChosen(int row);

    CiclaraTable* m_table;
    CycleGridModel* m_model = nullptr;
    QMetaObject::Connection m_notification;
    QPixmap m_tile;
    bool m_selecting = false;
};
