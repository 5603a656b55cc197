// SPDX-License-Identifier: GPL-3.0-or-later
#include "CyclesViewU.h"

#include "CiclaraTable.h"
#include "CiclaraView.h"
#include "CycleGridModel.h"
#include "CycleMath.h"
#include "CycleScreenCommon.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "StockPictures.h"
#include "UiHelpers.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTableView>
#include <QToolButton>

namespace {

// A tool button that writes its caption above its picture (the style offers only the
// picture above the caption).
class CaptionAboveButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        opt.icon = QIcon();
        p.drawComplexControl(QStyle::CC_ToolButton, opt);

        const QRect r = rect().adjusted(2, 2, -2, -2);
        const int textHeight = fontMetrics().height();
        const QSize picture = iconSize();
        const int top = r.top() + (r.height() - textHeight - 2 - picture.height()) / 2;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(QRect(r.left(), top, r.width(), textHeight),
                   Qt::AlignCenter | Qt::TextShowMnemonic, text());
        const QPixmap pm = icon().pixmap(picture, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        p.drawPixmap(r.left() + (r.width() - picture.width()) / 2, top + textHeight + 2, pm);
    }
};

QFont pixelFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Design places of the controls that keep their place relative to the screen's centre.
const QRect DeleteCycleRect(286, 58, 177, 49);
const QRect ArrowPrevRect(341, 144, 66, 58);
const QRect ArrowNextRect(341, 229, 66, 58);
const QRect DeleteAllRect(286, 315, 177, 49);
// The grid keeps its distances to the right and bottom edges.
const QRect GridRect(528, 54, 199, 314);

const QString DateField = QStringLiteral("Date");
const QString MenzField = QStringLiteral("MenzLength");
const QString LengthField = QStringLiteral("CycleLength");

} // namespace

TCycleViewForm::TCycleViewForm(CiclaraTable* table, QWidget* parent)
    : QWidget(parent), m_table(table)
{
    setObjectName(QStringLiteral("CycleViewForm"));
    setProperty("helpContext", 3003);
    CycleScreens::SetHint(this, tr("|Use this window to view cycle records"));
    resize(DesignWidth, DesignHeight);
    m_tile = CycleScreens::BackgroundTile();

    CiclaraView1 = new TCiclaraView(this);
    CiclaraView1->setObjectName(QStringLiteral("CiclaraView1"));
    StockPictures::Apply(*CiclaraView1);
    CiclaraView1->setHint(StockPictures::ViewHint());
    CiclaraView1->setFont(pixelFont(12, true));
    CiclaraView1->setGeometry(40, 50, 241, 321);

    DeleteCycle = new QPushButton(tr("Delete current cycle"), this);
    DeleteCycle->setObjectName(QStringLiteral("DeleteCycle"));
    DeleteCycle->setIcon(CycleScreens::ButtonPixmap(CycleScreens::ButtonPicture::DeleteCycle));
    DeleteCycle->setIconSize(QSize(32, 32));
    DeleteCycle->setProperty("helpContext", 3002);
    CycleScreens::SetHint(DeleteCycle, tr("|Deletes selected cycle"));

    SBArrowPrev = new QToolButton(this);
    SBArrowPrev->setObjectName(QStringLiteral("SBArrowPrev"));
    SBArrowPrev->setText(tr("Prev cycle"));
    SBArrowPrev->setIcon(CycleScreens::ButtonPixmap(CycleScreens::ButtonPicture::ArrowUp));
    SBArrowPrev->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    CycleScreens::SetHint(SBArrowPrev, tr("|Moves to previous cycle record"));

    SBArrowNext = new CaptionAboveButton(this);
    SBArrowNext->setObjectName(QStringLiteral("SBArrowNext"));
    SBArrowNext->setText(tr("Next cycle"));
    SBArrowNext->setIcon(CycleScreens::ButtonPixmap(CycleScreens::ButtonPicture::ArrowDown));
    CycleScreens::SetHint(SBArrowNext, tr("|Moves to next cycle record"));
    for (QToolButton* b : {SBArrowPrev, SBArrowNext}) {
        b->setIconSize(QSize(32, 32));
        b->setFocusPolicy(Qt::NoFocus);
    }

    DeleteAllCycles = new QPushButton(tr("Delete all cycles      "), this);
    DeleteAllCycles->setObjectName(QStringLiteral("DeleteAllCycles"));
    DeleteAllCycles->setIcon(CycleScreens::ButtonPixmap(CycleScreens::ButtonPicture::DeleteAll));
    DeleteAllCycles->setIconSize(QSize(32, 32));
    DeleteAllCycles->setProperty("helpContext", 3002);
    CycleScreens::SetHint(DeleteAllCycles, tr("|Deletes all cycle data"));
    for (QPushButton* b : {DeleteCycle, DeleteAllCycles})
        b->setFont(pixelFont(12, true));
    // The arrow captions are smaller so that they fit the narrow buttons.
    for (QToolButton* b : {SBArrowPrev, SBArrowNext})
        b->setFont(pixelFont(11, false));

    m_model = new CycleGridModel(m_table, this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setShowGrid(true);
    DBGrid1->setWordWrap(false);
    DBGrid1->setFont(pixelFont(12, false));
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->horizontalHeader()->setFont(pixelFont(13, true));
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    // The last column takes what is left of the grid's width, so its title shows whole.
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(CycleGridModel::DateColumn, 88);
    DBGrid1->setColumnWidth(CycleGridModel::CycleLengthColumn, 90);
    // The selected row stays marked while the focus is elsewhere.
    QPalette gridPalette = DBGrid1->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        gridPalette.setColor(QPalette::Inactive, role, gridPalette.color(QPalette::Active, role));
    DBGrid1->setPalette(gridPalette);
    CycleScreens::SetHint(DBGrid1,
                          tr("|Displays all cycle reords by start date and cycle records"));

    UndisplayedImage = new QLabel(this);
    UndisplayedImage->setObjectName(QStringLiteral("UndisplayedImage"));
    UndisplayedImage->setPixmap(QPixmap::fromImage(CycleScreens::UndisplayedPicture()));
    UndisplayedImage->setGeometry(26, 133, 289, 153);
    NoNameImage = new QLabel(this);
    NoNameImage->setObjectName(QStringLiteral("NoNameImage"));
    NoNameImage->setPixmap(QPixmap::fromImage(CycleScreens::NoNamePicture()));
    NoNameImage->setGeometry(48, 117, 241, 74);
    NoDataEnteredImage = new QLabel(this);
    NoDataEnteredImage->setObjectName(QStringLiteral("NoDataEnteredImage"));
    NoDataEnteredImage->setPixmap(QPixmap::fromImage(CycleScreens::NoDataEnteredPicture()));
    NoDataEnteredImage->setGeometry(48, 188, 216, 126);
    for (QLabel* picture : {UndisplayedImage, NoNameImage, NoDataEnteredImage}) {
        picture->setAttribute(Qt::WA_TranslucentBackground);
        picture->hide();
    }

    connect(DeleteCycle, &QPushButton::clicked, this, &TCycleViewForm::DeleteCycleClick);
    connect(DeleteAllCycles, &QPushButton::clicked, this, &TCycleViewForm::DeleteAllCyclesClick);
    connect(SBArrowPrev, &QToolButton::clicked, this, &TCycleViewForm::SBArrowPrevClick);
    connect(SBArrowNext, &QToolButton::clicked, this, &TCycleViewForm::SBArrowNextClick);
    connect(CiclaraView1, &TCiclaraView::OnDataUndisplayed, this,
            &TCycleViewForm::CiclaraView1DataUndisplayed);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    gridRowChosen(current.row());
            });
    // The grid marks the current record whatever the screen's connection, as a grid on
    // the table's data source does. The model is connected first, so its rows are fresh.
    if (m_table)
        connect(m_table, &CiclaraTable::dataChanged, this, &TCycleViewForm::selectCurrentRow);

    placeControls();
    selectCurrentRow();
}

TCycleViewForm::~TCycleViewForm() = default;

void TCycleViewForm::ConnectChangeNotification()
{
    if (!m_table || m_notification)
        return;
    m_notification =
        connect(m_table, &CiclaraTable::dataChanged, this, &TCycleViewForm::UpdateCycleView);
}

void TCycleViewForm::DisconnectChangeNotification()
{
    if (m_notification)
        disconnect(m_notification);
    m_notification = {};
}

void TCycleViewForm::UpdateCycleView()
{
    if (!m_table || !m_table->isOpen()) {
        // No table of the active user is open (it could not be read): draw nothing, so no
        // cycle of the user shown before stays on the screen under another name.
        CiclaraView1->hide();
        UndisplayedImage->hide();
        NoNameImage->hide();
        NoDataEnteredImage->hide();
        return;
    }
    if (m_table->isEmpty() || m_table->recNo() < 0) {
        showNoDataState();
        return;
    }
    NoNameImage->hide();
    NoDataEnteredImage->hide();
    const QDate start = m_table->dateValue(DateField);
    const int length = m_table->intValue(LengthField);
    const int period = m_table->intValue(MenzField);
    if (CiclaraView1->ShowCycle(period, length, start)) {
        CiclaraView1->show();
        UndisplayedImage->hide();
    } else {
        CiclaraView1->hide();
        UndisplayedImage->show();
    }
}

void TCycleViewForm::showNoDataState()
{
    CiclaraView1->hide();
    UndisplayedImage->hide();
    NoNameImage->setVisible(Globals::ActiveUser() == QLatin1String(DefaultUser));
    placeNoDataPicture();
    NoDataEnteredImage->show();
}

void TCycleViewForm::placeNoDataPicture()
{
    const int h = NoDataEnteredImage->height();
    // For "Noname" it sits below the greeting; otherwise in the middle of the screen.
    const int top = Globals::ActiveUser() == QLatin1String(DefaultUser)
                        ? SBArrowNext->geometry().bottom() + 1 - h + 30
                        : height() / 2 - h / 2;
    NoDataEnteredImage->move(NoDataEnteredImage->x(), top);
}

void TCycleViewForm::FormShow()
{
    CiclaraView1->setPeriodCaption(Res::Text("CVPeriodCaption"));
    CiclaraView1->setOvulationCaption(Res::Text("CVOvulationCaption"));
    m_model->setTitles(Res::Text("DBGrid1Column0Caption"), Res::Text("DBGrid1Column1Caption"));
    if (m_table && m_table->isOpen() && !m_table->isEmpty()) {
        NoNameImage->hide();
        // The move raises the change notification, which draws the newest cycle.
        m_table->last();
    } else {
        showNoDataState();
    }
}

void TCycleViewForm::FormHide()
{
    DisconnectChangeNotification();
}

void TCycleViewForm::SBArrowPrevClick()
{
    if (m_table && m_table->isOpen())
        m_table->prior();
}

void TCycleViewForm::SBArrowNextClick()
{
    if (m_table && m_table->isOpen())
        m_table->next();
}

void TCycleViewForm::DeleteCycleClick()
{
    if (!m_table || !m_table->isOpen() || m_table->isEmpty())
        return;
    if (ShowMessageBox(Res::Text("DeleteCurrCycleConfirm"), Msg::Confirmation, 0, 0,
                       Msg::mbYes | Msg::mbNo) != Msg::mrYes)
        return;
    // The intermediate positions of the delete are not drawn.
    const bool wasConnected = isConnected();
    DisconnectChangeNotification();
    Cycles::DeleteCurrentCycle(*m_table);
    if (wasConnected)
        ConnectChangeNotification();
    UpdateCycleView();
}

void TCycleViewForm::DeleteAllCyclesClick()
{
    if (!m_table || !m_table->isOpen() || m_table->isEmpty())
        return;
    if (ShowMessageBox(Res::Text("DeleteAllCycleConfirm"), Msg::Confirmation, 0, 0,
                       Msg::mbYes | Msg::mbNo) != Msg::mrYes)
        return;
    const bool wasConnected = isConnected();
    DisconnectChangeNotification();
    Cycles::DeleteAllCycles(*m_table);
    if (wasConnected)
        ConnectChangeNotification();
    UpdateCycleView();
}

void TCycleViewForm::CiclaraView1DataUndisplayed()
{
    UndisplayedImage->show();
    CiclaraView1->hide();
}

void TCycleViewForm::selectCurrentRow()
{
    if (!m_table || !m_table->isOpen() || m_table->recNo() < 0 ||
        m_table->recNo() >= m_model->rowCount())
        return;
    m_selecting = true;
    const QModelIndex index = m_model->index(m_table->recNo(), 0);
    DBGrid1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    DBGrid1->scrollTo(index);
    m_selecting = false;
}

void TCycleViewForm::gridRowChosen(int row)
{
    if (m_selecting || !m_table || !m_table->isOpen())
        return;
    m_table->moveTo(row);
}

void TCycleViewForm::placeControls()
{
    // The buttons keep their place relative to the centre, the grid its distances to the
    // right and bottom edges; the view stays where it is on the left.
    const int dx = (width() - DesignWidth) / 2;
    const int dy = (height() - DesignHeight) / 2;
    DeleteCycle->setGeometry(DeleteCycleRect.translated(dx, dy));
    SBArrowPrev->setGeometry(ArrowPrevRect.translated(dx, dy));
    SBArrowNext->setGeometry(ArrowNextRect.translated(dx, dy));
    DeleteAllCycles->setGeometry(DeleteAllRect.translated(dx, dy));
    DBGrid1->setGeometry(GridRect.left() + width() - DesignWidth, GridRect.top(), GridRect.width(),
                         GridRect.height() + height() - DesignHeight);
    placeNoDataPicture();
}

void TCycleViewForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Ui::TileFormBackground(painter, size(), m_tile);
}

void TCycleViewForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void TCycleViewForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar is no new showing of the screen.
    if (!event->spontaneous())
        FormShow();
}

void TCycleViewForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}
