// SPDX-License-Identifier: GPL-3.0-or-later
#include "AddNewCycleU.h"

#include "CalendarSettingsApply.h"
#include "CycleMath.h"
#include "CycleScreenCommon.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "NiceCalendar.h"
#include "UiHelpers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace {

QFont labelFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

} // namespace

TAddNewCycleForm::TAddNewCycleForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AddNewCycleForm"));
    setWindowTitle(tr("Add new cycle"));
    setProperty("helpContext", 3001);
    CycleScreens::SetHint(this, tr("|Use this window to add new cycle"));
    // A fixed single-line frame with the system menu only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(DesignWidth, DesignHeight);
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
    CycleScreens::SetHint(StartCal, tr("|Start date of the new cycle"));
    StartCal->move(16, 16);
    EndCal->SetCaption(tr("End date : "));
    CycleScreens::SetHint(EndCal, tr("|End date of the new cycle"));
    EndCal->move(16, 215);

    LampImage = new QLabel(this);
    LampImage->setObjectName(QStringLiteral("LampImage"));
    LampImage->setPixmap(QPixmap::fromImage(CycleScreens::LampPicture()));
    LampImage->setGeometry(320, 12, 140, 150);

    Label2 = new QLabel(tr("&Period length"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(labelFont());
    Label2->setGeometry(310, 176, 170, 20);
    PeriodLenEdit = new QLineEdit(QStringLiteral("5"), this);
    PeriodLenEdit->setObjectName(QStringLiteral("PeriodLenEdit"));
    PeriodLenEdit->setMaxLength(2);
    PeriodLenEdit->setGeometry(310, 198, 48, 24);
    CycleScreens::SetHint(PeriodLenEdit, tr("|Period length in days"));
    Label2->setBuddy(PeriodLenEdit);

    Label3 = new QLabel(tr("Presumed &cycle length"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(labelFont());
    Label3->setGeometry(310, 238, 175, 20);
    CycleLenEdit = new QLineEdit(QStringLiteral("28"), this);
    CycleLenEdit->setObjectName(QStringLiteral("CycleLenEdit"));
    CycleLenEdit->setMaxLength(3);
    CycleLenEdit->setGeometry(310, 260, 48, 24);
    CycleScreens::SetHint(CycleLenEdit, tr("|Presumed cycle length "));
    Label3->setBuddy(CycleLenEdit);

    for (QLineEdit* edit : {PeriodLenEdit, CycleLenEdit}) {
        CycleScreens::MakeDigitsOnly(edit);
        edit->installEventFilter(this);
    }

    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(310, 356, 80, 30);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(398, 356, 80, 30);

    setTabOrder(StartCal, EndCal);
    setTabOrder(EndCal, PeriodLenEdit);
    setTabOrder(PeriodLenEdit, CycleLenEdit);
    setTabOrder(CycleLenEdit, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    connect(StartCal, &TNiceCalendar::OnChange, this, &TAddNewCycleForm::StartCalChange);
    connect(EndCal, &TNiceCalendar::OnChange, this, &TAddNewCycleForm::EndCalChange);
    connect(CycleLenEdit, &QLineEdit::textChanged, this, &TAddNewCycleForm::CycleLenEditChange);
    connect(OKBtn, &QPushButton::clicked, this, &TAddNewCycleForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TAddNewCycleForm::~TAddNewCycleForm() = default;

QDate TAddNewCycleForm::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void TAddNewCycleForm::PrepareAddNewCycle(const QDate& start, int period, int cycle)
{
    // A stored average of 0 (possible with received data) proposes the usual length.
    if (cycle < 1)
        cycle = Cycles::DefaultCycleLength;
    PeriodLenEdit->setText(QString::number(period));
    CycleLenEdit->setText(QString::number(cycle));
    if (start.isValid())
        StartCal->SetCalendarDate(start);
    setResult(0);
}

int TAddNewCycleForm::AddNewCycle(QDate& start, int& period, int& cycle)
{
    PrepareAddNewCycle(start, period, cycle);
    if (exec() != QDialog::Accepted)
        return Msg::mrCancel;
    start = StartCal->CalendarDate();
    const QString periodText = PeriodLenEdit->text();
    period = periodText.isEmpty() ? Cycles::DefaultPeriodLength : periodText.toInt();
    if (const auto length = CycleScreens::ReadLength(CycleLenEdit))
        cycle = *length;
    return Msg::mrOk;
}

bool TAddNewCycleForm::readCycleLength(int& length)
{
    const auto value = CycleScreens::ReadLength(CycleLenEdit);
    if (!value) {
        ShowMessageBox(CycleScreens::MissingCycleLengthText(), Msg::Warning, 0, 0, Msg::OkSet);
        CycleLenEdit->setFocus(Qt::OtherFocusReason);
        return false;
    }
    length = *value;
    return true;
}

void TAddNewCycleForm::StartCalChange()
{
    int length = 0;
    if (!readCycleLength(length))
        return;
    EndCal->SetCalendarDate(StartCal->CalendarDate().addDays(length - 1));
}

void TAddNewCycleForm::EndCalChange()
{
    int length = 0;
    if (!readCycleLength(length))
        return;
    StartCal->SetCalendarDate(EndCal->CalendarDate().addDays(-(length - 1)));
}

void TAddNewCycleForm::CycleLenEditChange()
{
    // While the length is being typed, an empty field or a lone 0 is passed over quietly;
    // the dates follow as soon as it holds a length.
    if (const auto length = CycleScreens::ReadLength(CycleLenEdit))
        EndCal->SetCalendarDate(StartCal->CalendarDate().addDays(*length - 1));
}

bool TAddNewCycleForm::CycleLenEditKeyPress(const QKeyEvent& event) const
{
    return CycleScreens::AcceptsLengthKey(event);
}

void TAddNewCycleForm::PeriodLenEditExit()
{
    if (PeriodLenEdit->text().isEmpty())
        PeriodLenEdit->setText(QString::number(Cycles::DefaultPeriodLength));
}

void TAddNewCycleForm::OKBtnClick()
{
    int cycle = 0;
    if (!readCycleLength(cycle))
        return;
    const QString periodText = PeriodLenEdit->text();
    const int period = periodText.isEmpty() ? Cycles::DefaultPeriodLength : periodText.toInt();
    if (!Cycles::ValidLengths(period, cycle)) {
        ShowMessageBox(CycleScreens::MissingCycleLengthText(), Msg::Warning, 0, 0, Msg::OkSet);
        CycleLenEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!Cycles::PeriodFits(period, cycle)) {
        ShowMessageBox(Res::Text("AddNewUserPeriodErrorLabel"), Msg::Information, 0, 0, Msg::OkSet);
        PeriodLenEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

void TAddNewCycleForm::FormShow()
{
    int length = 0;
    if (const auto value = CycleScreens::ReadLength(CycleLenEdit)) {
        length = *value;
    } else {
        length = Cycles::DefaultCycleLength;
        CycleLenEdit->setText(QString::number(length));
    }
    const QDate day = today();
    EndCal->SetCalendarDate(day.addDays(length - 1));
    // When the end picker already held that day it raised no change; the start goes to
    // today all the same.
    StartCal->SetCalendarDate(day);
    StartCal->setFocus(Qt::OtherFocusReason);
}

bool TAddNewCycleForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PeriodLenEdit || watched == CycleLenEdit) {
        if (event->type() == QEvent::KeyPress &&
            !CycleLenEditKeyPress(*static_cast<QKeyEvent*>(event)))
            return true;
        if (watched == PeriodLenEdit && event->type() == QEvent::FocusOut)
            PeriodLenEditExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TAddNewCycleForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Ui::TileFormBackground(painter, size(), m_tile);
}

void TAddNewCycleForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
