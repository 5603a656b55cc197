// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserAccounts.h"

#include <QDialog>

class CiclaraTable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Pieces the three user dialogs share.
namespace UserDialogs {
// A password box: at most 20 characters, shown as "*".
QLineEdit* MakePasswordEdit(const QString& objectName, QWidget* parent);
// Puts the focus on the field, shows the refusal's message, if it has one, and selects the
// text of a refused edit box.
void ShowRefusal(const UserAccounts::Outcome& outcome, QWidget* focus);
// The fixed-border dialog frame with the system menu only.
void MakeFixedDialog(QDialog* dialog);
} // namespace UserDialogs

// The new/edit-user dialog. ShowNew and ShowEdit prepare it and run it modally; the
// Prepare functions do the preparation alone, so a caller can fill the boxes and call
// OKBtnClick without a modal loop (result() and accepted() tell the outcome).
class TNewUserForm : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        New,
        Edit
    };

    explicit TNewUserForm(QWidget* parent = nullptr);
    ~TNewUserForm() override;

    int ShowNew(const QString& active);
    int ShowEdit(const QString& name);
    void PrepareNew(const QString& active);
    void PrepareEdit(const QString& name);

    // Leaving the name box: a forbidden character is reported and the focus comes back.
    void NameEditExit();
    // Checks the boxes and adds or edits the user; closes with OK only when that is done.
    void OKBtnClick();

    // The four tables in CurrentUserDir, through this dialog's table object.
    bool CreateMissingTables();
    // A complete user with default settings (start-up and the link window use it).
    bool CreateDefaultUser(const QString& name);

    // Whether the "User has full rights" box is offered; the users dialog sets it from
    // ActiveUserHasFullRights before each showing. Off until set.
    void SetFullRightsAllowed(bool allowed);

    Mode mode() const { return m_mode; }
    // In edit mode, the name the user's folder has now.
    QString OldName() const { return m_oldName; }

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    void prepareCommon();

    QLabel* NameLabel;
    QLineEdit* NameEdit;
    QLabel* PasswordLabel;
    QLineEdit* PasswordMaskEdit;
    QLabel* RepasswordLabel;
    QLineEdit* RePasswordMaskEdit;
    QCheckBox* SavePasswordCheckBox;
    QCheckBox* FullRightsCheckBox;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    CiclaraTable* DBISAMTable1;

    Mode m_mode = Mode::New;
    QString m_oldName;
    bool m_fullRightsAllowed = false;
    bool m_inExit = false;
    QMetaObject::Connection m_focusWatch;
};
