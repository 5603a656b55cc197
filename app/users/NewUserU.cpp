// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewUserU.h"

#include "CiclaraTable.h"
#include "HotSincingTexts.h"
#include "MessageBox.h"
#include "UiHelpers.h"
#include "UserStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using UserAccounts::Field;
using UserAccounts::Outcome;

namespace UserDialogs {

QLineEdit* MakePasswordEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(UserAccounts::MaxPasswordLength);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    return edit;
}

void ShowRefusal(const Outcome& outcome, QWidget* focus)
{
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    if (outcome.message)
        ShowMessageBox(outcome.text(), outcome.kind, 0, 0, Msg::OkSet);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    // The refused entry is selected, so typing it again replaces it instead of adding to
    // it (the focus may never have left the box, which would keep the cursor at its end).
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->selectAll();
}

void MakeFixedDialog(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setModal(true);
    if (dialog->layout())
        dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace UserDialogs

TNewUserForm::TNewUserForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewUserForm"));
    setProperty("helpContext", 6001);
    setStatusTip(tr("Use this window to enter new user information"));
    setWindowTitle(Res::Text("NewWindowCaption"));

    NameLabel = new QLabel(tr("Name"), this);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setMinimumWidth(200);
    NameLabel->setBuddy(NameEdit);

    PasswordLabel = new QLabel(Res::Text("NewPassCaption"), this);
    PasswordLabel->setObjectName(QStringLiteral("PasswordLabel"));
    PasswordMaskEdit = UserDialogs::MakePasswordEdit(QStringLiteral("PasswordMaskEdit"), this);
    PasswordLabel->setBuddy(PasswordMaskEdit);

    RepasswordLabel = new QLabel(Res::Text("NewRePassCaption"), this);
    RepasswordLabel->setObjectName(QStringLiteral("RepasswordLabel"));
    RePasswordMaskEdit = UserDialogs::MakePasswordEdit(QStringLiteral("RePasswordMaskEdit"), this);
    RepasswordLabel->setBuddy(RePasswordMaskEdit);

    SavePasswordCheckBox = new QCheckBox(tr("Save my password"), this);
    SavePasswordCheckBox->setObjectName(QStringLiteral("SavePasswordCheckBox"));
    SavePasswordCheckBox->setStatusTip(
        tr("Check box if you want Ciclara to remember your password"));
    FullRightsCheckBox = new QCheckBox(tr("User has full rights"), this);
    FullRightsCheckBox->setObjectName(QStringLiteral("FullRightsCheckBox"));
    FullRightsCheckBox->setStatusTip(
        tr("Check box if you want User to have full rights - add, delete, edit user information."));

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    DBISAMTable1 = new CiclaraTable(Schema::System(), this);
    DBISAMTable1->setObjectName(QStringLiteral("DBISAMTable1"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(NameLabel, 0, 0);
    grid->addWidget(NameEdit, 0, 1);
    grid->addWidget(PasswordLabel, 1, 0);
    grid->addWidget(PasswordMaskEdit, 1, 1);
    grid->addWidget(RepasswordLabel, 2, 0);
    grid->addWidget(RePasswordMaskEdit, 2, 1);
    grid->addWidget(SavePasswordCheckBox, 3, 1);
    grid->addWidget(FullRightsCheckBox, 4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addSpacing(6);
    top->addLayout(buttons);
    UserDialogs::MakeFixedDialog(this);

    connect(OKBtn, &QPushButton::clicked, this, &TNewUserForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &TNewUserForm::onFocusChanged);
}

TNewUserForm::~TNewUserForm()
{
    // Hiding on the way out moves the focus; this form must not hear of it any more.
    disconnect(m_focusWatch);
}

void TNewUserForm::SetFullRightsAllowed(bool allowed)
{
    m_fullRightsAllowed = allowed;
}

void TNewUserForm::prepareCommon()
{
    FullRightsCheckBox->setVisible(m_fullRightsAllowed);
    NameEdit->setFocus(Qt::OtherFocusReason);
    setResult(0);
}

void TNewUserForm::PrepareNew(const QString&)
{
    setWindowTitle(Res::Text("NewWindowCaption"));
    m_mode = Mode::New;
    m_oldName.clear();
    NameEdit->clear();
    PasswordMaskEdit->clear();
    RePasswordMaskEdit->clear();
    PasswordLabel->setText(Res::Text("NewPassCaption"));
    RepasswordLabel->setText(Res::Text("NewRePassCaption"));
    SavePasswordCheckBox->setChecked(false);
    FullRightsCheckBox->setChecked(false);
    prepareCommon();
}

void TNewUserForm::PrepareEdit(const QString& name)
{
    setWindowTitle(Res::Text("EditWindowCaption"));
    m_mode = Mode::Edit;
    NameEdit->setText(name);
    m_oldName = name;
    PasswordLabel->setText(Res::Text("EditPassCaption"));
    RepasswordLabel->setText(Res::Text("EditRePassCaption"));
    const UserAccounts::StoredAccount account = UserAccounts::ReadAccount(name, *DBISAMTable1);
    PasswordMaskEdit->setText(account.password);
    RePasswordMaskEdit->setText(account.password);
    SavePasswordCheckBox->setChecked(account.savedPassword);
    FullRightsCheckBox->setChecked(account.fullRights);
    prepareCommon();
}

int TNewUserForm::ShowNew(const QString& active)
{
    PrepareNew(active);
    adjustSize();
    Ui::CentreOverMainWindow(this);
    return exec();
}

int TNewUserForm::ShowEdit(const QString& name)
{
    PrepareEdit(name);
    adjustSize();
    Ui::CentreOverMainWindow(this);
    return exec();
}

void TNewUserForm::onFocusChanged(QWidget* old, QWidget* now)
{
    // Leaving the name box for another box of this dialog checks the name; the buttons do
    // their own checking (OK) or none (Cancel), and a change of window is no leaving.
    if (old != NameEdit || !now || now == OKBtn || now == CancelBtn || !isAncestorOf(now) ||
        !isVisible())
        return;
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            NameEditExit();
    });
}

void TNewUserForm::NameEditExit()
{
    if (m_inExit)
        return;
    m_inExit = true;
    const Outcome o = UserAccounts::CheckNameOnExit(NameEdit->text());
    if (!o.ok)
        UserDialogs::ShowRefusal(o, NameEdit);
    m_inExit = false;
}

void TNewUserForm::OKBtnClick()
{
    UserAccounts::UserInput input;
    input.name = NameEdit->text();
    input.password = PasswordMaskEdit->text();
    input.retyped = RePasswordMaskEdit->text();
    input.savePassword = SavePasswordCheckBox->isChecked();
    input.fullRights = FullRightsCheckBox->isChecked();

    Outcome o;
    if (m_mode == Mode::New) {
        o = UserAccounts::AddUser(input, *DBISAMTable1);
    } else {
        QString current;
        o = UserAccounts::EditUser(m_oldName, input, *DBISAMTable1, &current);
        m_oldName = current;
    }
    if (!o.ok) {
        QWidget* focus = nullptr;
        switch (o.focus) {
        case Field::Name:
            focus = NameEdit;
            break;
        case Field::Password:
            focus = PasswordMaskEdit;
            break;
        case Field::RePassword:
            focus = RePasswordMaskEdit;
            break;
        case Field::UserList:
        case Field::None:
            break;
        }
        UserDialogs::ShowRefusal(o, focus);
        return;
    }
    accept();
}

bool TNewUserForm::CreateMissingTables()
{
    return UserStore::CreateMissingTables(DBISAMTable1);
}

bool TNewUserForm::CreateDefaultUser(const QString& name)
{
    return UserStore::CreateDefaultUser(name);
}
