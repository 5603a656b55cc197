// SPDX-License-Identifier: GPL-3.0-or-later
#include "PredictionU.h"

#include "CalendarSettingsApply.h"
#include "CiclaraTable.h"
#include "CycleMath.h"
#include "CycleScreenCommon.h"
#include "Globals.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "NiceCalendar.h"
#include "PredictionLogic.h"
#include "UiHelpers.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

const QColor TPredictionForm::DesktopColor(0x3A, 0x6E, 0xA5);

namespace {

QFont pixelFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QString shortDate(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

// Design places; the right-hand controls keep their distance to the right edge.
const QRect StartCalRect(32, 24, 265, 175);
const QRect EndCalRect(32, 235, 265, 175);
const QRect Label2Rect(384, 27, 166, 17);
const QRect BaseDateRect(552, 23, 124, 21);
const QRect Label3Rect(384, 64, 166, 17);
const QRect CycleLenEditRect(552, 60, 33, 21);
const QRect PredictBtnRect(384, 96, 137, 44);
const QRect AddCycleBtnRect(384, 152, 137, 44);
const QRect GridRect(552, 96, 121, 102);
const QRect Image2Rect(440, 216, 214, 214);

} // namespace

QString PredictionDateDelegate::CellText(const QString& serialText)
{
    bool ok = false;
    const qint64 serial = serialText.toLongLong(&ok);
    if (serialText.isEmpty() || !ok)
        return QString();
    return shortDate(Globals::FromDaySerial(serial));
}

void PredictionDateDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    if (index.column() != 1) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    const bool focused = option.state & QStyle::State_HasFocus;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, (focused || selected) ? TPredictionForm::DesktopColor
                                                         : option.palette.base().color());
    painter->setFont(option.font);
    painter->setPen((focused || selected) ? QColor(Qt::white) : option.palette.text().color());
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine,
                      CellText(index.data(Qt::DisplayRole).toString()));
    if (focused) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.rect = option.rect.adjusted(1, 1, -1, -1);
        frame.backgroundColor = TPredictionForm::DesktopColor;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, widget);
    }
    painter->restore();
}

TPredictionForm::TPredictionForm(CiclaraTable* table, QWidget* parent)
    : QWidget(parent), m_table(table)
{
    setObjectName(QStringLiteral("PredictionForm"));
    setWindowTitle(tr("Prediction"));
    setProperty("helpContext", 5001);
    CycleScreens::SetHint(this, tr("|Use this window to predict cycle start dates "));
    resize(DesignWidth, DesignHeight);
    m_tile = CycleScreens::BackgroundTile();

    StartCal = new TNiceCalendar(this);
    StartCal->setObjectName(QStringLiteral("StartCal"));
    EndCal = new TNiceCalendar(this);
    EndCal->setObjectName(QStringLiteral("EndCal"));
    for (TNiceCalendar* cal : {StartCal, EndCal}) {
        ApplyDialogDesign(*cal);
        ApplyCalendarSettings(*cal);
    }
    StartCal->SetCaption(tr("Start date : "));
    CycleScreens::SetHint(StartCal, tr("|Start date of the Prediction time period"));
    EndCal->SetCaption(tr("End date : "));
    CycleScreens::SetHint(EndCal, tr("|End date of the Prediction time period"));

    Label2 = new QLabel(tr("Based on last cycle end : "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    BaseDate = new QLineEdit(this);
    BaseDate->setObjectName(QStringLiteral("BaseDate"));
    BaseDate->setReadOnly(true);
    BaseDate->setEnabled(false);
    BaseDate->setFocusPolicy(Qt::NoFocus);
    Label3 = new QLabel(tr("Average cycle length :"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    for (QLabel* label : {Label2, Label3})
        label->setFont(pixelFont(12, true));
    CycleLenEdit = new QLineEdit(QStringLiteral("20"), this);
    CycleLenEdit->setObjectName(QStringLiteral("CycleLenEdit"));
    CycleLenEdit->setMaxLength(2);
    CycleLenEdit->setAlignment(Qt::AlignCenter);
    CycleScreens::MakeDigitsOnly(CycleLenEdit);
    CycleLenEdit->installEventFilter(this);
    CycleScreens::SetHint(CycleLenEdit, tr("|By default the Average cycle length is displayed and "
                                           "can be changed if required"));
    Label3->setBuddy(CycleLenEdit);

    PredictBtn = new QPushButton(tr("  Predict"), this);
    PredictBtn->setObjectName(QStringLiteral("PredictBtn"));
    PredictBtn->setIcon(CycleScreens::ButtonPixmap(CycleScreens::ButtonPicture::Predict));
    CycleScreens::SetHint(PredictBtn, tr("|Calculates start date of cycles for selected period"));
    AddCycleBtn = new QPushButton(tr("  Add cycle"), this);
    AddCycleBtn->setObjectName(QStringLiteral("AddCycleBtn"));
    AddCycleBtn->setIcon(CycleScreens::ButtonPixmap(CycleScreens::ButtonPicture::AddCycle));
    CycleScreens::SetHint(AddCycleBtn, tr("|Adds selected cycle as new cycle"));
    for (QPushButton* b : {PredictBtn, AddCycleBtn}) {
        b->setIconSize(QSize(32, 32));
        b->setFont(pixelFont(12, true));
    }

    StringGrid1 = new QTableWidget(1, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setItemDelegate(new PredictionDateDelegate(StringGrid1));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setWordWrap(false);
    StringGrid1->setFont(pixelFont(12, false));
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(18);
    StringGrid1->horizontalHeader()->setFixedHeight(18);
    // A narrowed header font, so that the title fits its 80-pixel column.
    QFont headerFont = pixelFont(11, true);
    headerFont.setStretch(78);
    StringGrid1->horizontalHeader()->setFont(headerFont);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setColumnWidth(0, 22);
    StringGrid1->setColumnWidth(1, 80);
    QPalette gridPalette = StringGrid1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        gridPalette.setColor(group, QPalette::Highlight, DesktopColor);
        gridPalette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    StringGrid1->setPalette(gridPalette);
    CycleScreens::SetHint(StringGrid1, tr("|Displays calculated start dates of predicted cycles"));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(QPixmap::fromImage(CycleScreens::PredictionPicture()));

    setTabOrder(StartCal, EndCal);
    setTabOrder(EndCal, CycleLenEdit);
    setTabOrder(CycleLenEdit, PredictBtn);
    setTabOrder(PredictBtn, AddCycleBtn);
    setTabOrder(AddCycleBtn, StringGrid1);

    connect(PredictBtn, &QPushButton::clicked, this, &TPredictionForm::PredictBtnClick);
    connect(AddCycleBtn, &QPushButton::clicked, this, &TPredictionForm::AddCycleBtnClick);

    resetGrid();
    placeControls();
}

TPredictionForm::~TPredictionForm() = default;

QDate TPredictionForm::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void TPredictionForm::resetGrid()
{
    StringGrid1->setHorizontalHeaderLabels(
        {QString(QChar(0x2116)), Res::Text("PredictedDaysCaption")});
    StringGrid1->clearContents();
    StringGrid1->setRowCount(1);
    for (int column = 0; column < 2; ++column)
        StringGrid1->setItem(0, column, new QTableWidgetItem);
}

void TPredictionForm::PrepareOpening()
{
    Prediction::Opening o;
    if (m_table) {
        o = Prediction::OpeningValues(*m_table, today());
    } else {
        o.start = today();
        o.average = Cycles::DefaultCycleLength;
        o.base = o.start.addDays(-1);
        o.end = o.start.addDays(o.average + Prediction::ExtraDays);
    }
    resetGrid();
    OpenPrediction(o.average, o.end, o.start, o.base);
}

void TPredictionForm::OpenPrediction(int average, const QDate& endDate, const QDate& startDate,
                                     const QDate& baseDate)
{
    StartCal->SetCalendarDate(startDate);
    EndCal->SetCalendarDate(endDate);
    m_base = baseDate;
    BaseDate->setText(shortDate(baseDate));
    // The field holds two digits; an average from unusual records that needs more keeps
    // all of its digits rather than being cut.
    const QString averageText = QString::number(average);
    CycleLenEdit->setMaxLength(qMax(2, int(averageText.size())));
    CycleLenEdit->setText(averageText);
}

void TPredictionForm::PredictBtnClick()
{
    const auto length = CycleScreens::ReadLength(CycleLenEdit);
    if (!length) {
        ShowMessageBox(CycleScreens::MissingCycleLengthText(), Msg::Warning, 0, 0, Msg::OkSet);
        CycleLenEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QDate start = StartCal->CalendarDate();
    const QDate end = EndCal->CalendarDate();
    if (end <= start)
        return;
    const QList<QDate> dates = Prediction::PredictStarts(m_base, start, end, *length);
    StringGrid1->clearContents();
    StringGrid1->setRowCount(qMax(1, int(dates.size())));
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        const bool listed = row < dates.size();
        StringGrid1->setItem(
            row, 0,
            new QTableWidgetItem(listed ? QString::number(row + 1) + QLatin1Char('.') : QString()));
        StringGrid1->setItem(
            row, 1,
            new QTableWidgetItem(listed ? QString::number(Globals::DaySerial(dates.at(row)))
                                        : QString()));
    }
    StringGrid1->setCurrentCell(0, 0);
}

QList<QDate> TPredictionForm::PredictedDates() const
{
    QList<QDate> dates;
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        const QTableWidgetItem* item = StringGrid1->item(row, 1);
        bool ok = false;
        const qint64 serial = item ? item->text().toLongLong(&ok) : 0;
        if (ok)
            dates << Globals::FromDaySerial(serial);
    }
    return dates;
}

void TPredictionForm::AddCycleBtnClick()
{
    const int row = StringGrid1->currentRow();
    const QTableWidgetItem* item = row >= 0 ? StringGrid1->item(row, 1) : nullptr;
    bool ok = false;
    const qint64 serial = item ? item->text().toLongLong(&ok) : 0;
    if (!ok)
        return;
    const QDate date = Globals::FromDaySerial(serial);
    const auto length = CycleScreens::ReadLength(CycleLenEdit);
    // Everything that would make the store refuse is checked before she is asked, so a
    // "Yes" is never followed by nothing.
    if (!length || !Cycles::ValidLengths(Cycles::DefaultPeriodLength, *length)) {
        ShowMessageBox(CycleScreens::MissingCycleLengthText(), Msg::Warning, 0, 0, Msg::OkSet);
        CycleLenEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_table || !m_table->isOpen()) {
        ShowMessageBox(tr("The cycle table of %1 is not open, so no cycle can be added.")
                           .arg(Globals::ActiveUser()),
                       Msg::Error, 0, 0, Msg::OkSet);
        return;
    }
    if (ShowMessageBox(Res::Text("AddDateConfirm", {shortDate(date)}), Msg::Warning, 0, 0,
                       Msg::mbYes | Msg::mbNo) != Msg::mrYes)
        return;
    const Cycles::StoreResult stored = Cycles::StoreNewCycle(
        *m_table, date, Cycles::DefaultPeriodLength, *length, Msg::Information);
    if (stored.stored())
        emit cycleStored(stored.period, stored.cycleLength, stored.date);
}

bool TPredictionForm::CycleLenEditKeyPress(const QKeyEvent& event) const
{
    return CycleScreens::AcceptsLengthKey(event);
}

void TPredictionForm::FormShow()
{
    resetGrid();
}

bool TPredictionForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CycleLenEdit && event->type() == QEvent::KeyPress &&
        !CycleLenEditKeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TPredictionForm::placeControls()
{
    const int dx = width() - DesignWidth;
    const int dy = height() - DesignHeight;
    StartCal->setGeometry(StartCalRect);
    EndCal->setGeometry(EndCalRect.translated(0, dy));
    Label2->setGeometry(Label2Rect.translated(dx, 0));
    BaseDate->setGeometry(BaseDateRect.translated(dx, 0));
    Label3->setGeometry(Label3Rect.translated(dx, 0));
    CycleLenEdit->setGeometry(CycleLenEditRect.translated(dx, 0));
    PredictBtn->setGeometry(PredictBtnRect.translated(dx, 0));
    AddCycleBtn->setGeometry(AddCycleBtnRect.translated(dx, 0));
    StringGrid1->setGeometry(GridRect.left() + dx, GridRect.top(), GridRect.width(),
                             GridRect.height() + dy);
    Image2->setGeometry(Image2Rect.translated(dx / 2, dy));
}

void TPredictionForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Ui::TileFormBackground(painter, size(), m_tile);
}

void TPredictionForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void TPredictionForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
