// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotSincingU.h"

#include "CiclaraMessageU.h"
#include "HotSincingTexts.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

THotSincingForm::THotSincingForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HotSincingForm"));
    setWindowTitle(tr("Resources"));

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setSpacing(2);
    const QFont font = ProgramTextFont();
    for (const Res::Entry& entry : Res::Entries()) {
        auto* label = new QLabel(Res::Text(entry.name), content);
        label->setObjectName(QLatin1String(entry.name));
        label->setTextFormat(Qt::PlainText);
        label->setFont(font);
        column->addWidget(label);
    }
    column->addStretch();

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    resize(520, 480);
}

QLabel* THotSincingForm::Label(const QString& name) const
{
    return findChild<QLabel*>(name);
}

void THotSincingForm::ShowResources()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}
