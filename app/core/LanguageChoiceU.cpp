// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageChoiceU.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {
constexpr int FlagWidth = 30;
constexpr int FlagHeight = 18;

QPixmap flagCanvas()
{
    QPixmap pixmap(FlagWidth, FlagHeight);
    pixmap.fill(Qt::white);
    return pixmap;
}

void outline(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, FlagWidth - 1, FlagHeight - 1);
}
} // namespace

QPixmap TLanguageChoiceForm::BulgarianFlag()
{
    QPixmap pixmap = flagCanvas();
    QPainter p(&pixmap);
    p.fillRect(0, 0, FlagWidth, 6, Qt::white);
    p.fillRect(0, 6, FlagWidth, 6, QColor(0x00, 0x96, 0x6E));
    p.fillRect(0, 12, FlagWidth, 6, QColor(0xD6, 0x26, 0x12));
    outline(p);
    return pixmap;
}

QPixmap TLanguageChoiceForm::EnglishFlag()
{
    // A simplified Union Flag: blue field, white and red saltires, white and red cross.
    QPixmap pixmap = flagCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    p.fillRect(pixmap.rect(), blue);
    const QLineF d1(0, 0, FlagWidth, FlagHeight);
    const QLineF d2(0, FlagHeight, FlagWidth, 0);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(d1);
    p.drawLine(d2);
    p.setPen(QPen(red, 1.5));
    p.drawLine(d1);
    p.drawLine(d2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(12, 0, 6, FlagHeight), Qt::white);
    p.fillRect(QRect(0, 6, FlagWidth, 6), Qt::white);
    p.fillRect(QRect(13, 0, 4, FlagHeight), red);
    p.fillRect(QRect(0, 7, FlagWidth, 4), red);
    outline(p);
    return pixmap;
}

TLanguageChoiceForm::TLanguageChoiceForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("LanguageChoiceForm"));
    setWindowTitle(tr("Language choice"));
    setModal(true);

    // The choice controls.
    m_choice = new QWidget(this);
    m_choice->setObjectName(QStringLiteral("ChoicePanel"));
    auto* question = new QLabel(tr("Please, choose the desired language for the program:"));
    question->setObjectName(QStringLiteral("ChoiceLabel"));
    question->setWordWrap(true);

    auto* bgFlag = new QLabel;
    bgFlag->setObjectName(QStringLiteral("BulgarianFlag"));
    bgFlag->setPixmap(BulgarianFlag());
    auto* enFlag = new QLabel;
    enFlag->setObjectName(QStringLiteral("EnglishFlag"));
    enFlag->setPixmap(EnglishFlag());
    m_bulgarian = new QRadioButton(tr("Bulgarian"));
    m_bulgarian->setObjectName(QStringLiteral("BulgarianRB"));
    m_bulgarian->setChecked(true);
    m_english = new QRadioButton(tr("English"));
    m_english->setObjectName(QStringLiteral("EnglishRB"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_bulgarian);
    group->addButton(m_english);

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(10);
    options->setVerticalSpacing(8);
    options->setContentsMargins(24, 4, 0, 0);
    options->addWidget(bgFlag, 0, 0);
    options->addWidget(m_bulgarian, 0, 1);
    options->addWidget(enFlag, 1, 0);
    options->addWidget(m_english, 1, 1);
    options->setColumnStretch(2, 1);

    auto* choiceLayout = new QVBoxLayout(m_choice);
    choiceLayout->setContentsMargins(0, 0, 0, 0);
    choiceLayout->addWidget(question);
    choiceLayout->addLayout(options);
    choiceLayout->addStretch();

    // The warning panel, in front of the choice controls when it is used.
    m_warning = new QFrame(this);
    m_warning->setObjectName(QStringLiteral("WarningPanel"));
    m_warning->setFrameShape(QFrame::StyledPanel);
    m_warning->setFrameShadow(QFrame::Raised);
    auto* warningText =
        new QLabel(tr("Your video adapter works in 8bits color depth.") + QStringLiteral("\n\n") +
                   tr("To use the full program capabilities, you ought to change the depth to "
                      "more than 8bits colors."));
    warningText->setObjectName(QStringLiteral("WarningLabel"));
    warningText->setWordWrap(true);
    warningText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* warningLayout = new QVBoxLayout(m_warning);
    warningLayout->addWidget(warningText);

    auto* pagesHost = new QWidget(this);
    m_pages = new QStackedLayout(pagesHost);
    m_pages->addWidget(m_choice);
    m_pages->addWidget(m_warning);
    m_pages->setCurrentWidget(m_choice);

    m_ok = new QPushButton(tr("OK"));
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(75);
    connect(m_ok, &QPushButton::clicked, this, &TLanguageChoiceForm::OKBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(pagesHost, 1);
    layout->addLayout(buttons);
    setFixedSize(340, 160);
}

bool TLanguageChoiceForm::ChoseBulgarian() const
{
    return m_bulgarian->isChecked();
}

int TLanguageChoiceForm::AskLanguage(QWidget* parent)
{
    TLanguageChoiceForm form(parent);
    return form.exec() == QDialog::Accepted ? 2 : 1033;
}

void TLanguageChoiceForm::SetWarningMode()
{
    m_warningMode = true;
    setWindowTitle(tr("Ciclera message"));
    m_pages->setCurrentWidget(m_warning);
}

void TLanguageChoiceForm::ShowColourDepthWarning(QWidget* parent)
{
    TLanguageChoiceForm form(parent);
    form.SetWarningMode();
    form.exec();
}

void TLanguageChoiceForm::OKBtnClick()
{
    if (m_warningMode || ChoseBulgarian())
        accept();
    else
        reject();
}

bool DisplayUsesPalette()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() <= 8;
}
