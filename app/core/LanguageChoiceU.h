// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedLayout;

// The language question of the first start: Bulgarian (chosen at first) or English. OK
// accepts the dialog when Bulgarian is selected and rejects it when English is; closing
// the window counts as English. The same form also carries the colour-depth warning.
class TLanguageChoiceForm : public QDialog
{
    Q_OBJECT
public:
    explicit TLanguageChoiceForm(QWidget* parent = nullptr);

    bool ChoseBulgarian() const;

    // Asks the question modally and returns the language identifier: 2 (Bulgarian) or
    // 1033 (English).
    static int AskLanguage(QWidget* parent = nullptr);

    // Puts the warning panel in front of the choice controls, with its own caption.
    void SetWarningMode();
    bool IsWarningMode() const { return m_warningMode; }
    // Shows a new form in warning mode modally; its OK closes it.
    static void ShowColourDepthWarning(QWidget* parent = nullptr);

    // Little flags beside the radio buttons.
    static QPixmap BulgarianFlag();
    static QPixmap EnglishFlag();

private:
    void OKBtnClick();

    QStackedLayout* m_pages = nullptr;
    QWidget* m_choice = nullptr;
    QFrame* m_warning = nullptr;
    QRadioButton* m_bulgarian = nullptr;
    QRadioButton* m_english = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_warningMode = false;
};

// Whether the primary display works with a colour palette (8 bits per pixel or fewer).
bool DisplayUsesPalette();
