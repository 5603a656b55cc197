// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageBox.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QSize>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Makes the family "Quorventale F" (and the old "MS Sans Serif") available: loads the
// bundled font file beside the executable when there is one, and maps both names to
// DejaVu Sans, which has Cyrillic glyphs. Call once after the application object exists.
void RegisterProgramFonts();

// The font of the resources texts and of the message text: "Quorventale F", 11 pixels.
QFont ProgramTextFont();

// Geometry of the message box, in pixels of its client area.
namespace MessageBoxLayout {
constexpr int Margin = 8;
constexpr int PictureWidth = 59;
constexpr int PictureHeight = 64;
constexpr int LabelLeft = Margin + PictureWidth + Margin;
constexpr int LabelRightMargin = 10;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;
constexpr int ButtonBottomMargin = 10;
constexpr int WidthWithOk = 250;
constexpr int WidthWithYesNo = 310;
constexpr int BaseHeight = 120;

// Width of the text beside the picture in a box of the given width.
constexpr int LabelWidth(int boxWidth)
{
    return boxWidth - LabelLeft - LabelRightMargin;
}
} // namespace MessageBoxLayout

// Size of the box: 250 wide when the set holds OK, else 310; h0 = 120 + R(120) at the
// resolution factor; a text of fewer than 4 lines gets h0, a longer one
// h0 + (lines - 3) * |font pixel height|.
QSize MessageBoxSize(Msg::Buttons buttons, int lineCount, int fontPixelHeight, float scale);

// The number of lines the text takes when word-wrapped to the width in the font, the way
// the message label wraps it. Every line break (CR, LF or CR LF) starts a new line; an
// empty text is one line.
int WrappedLineCount(const QString& text, const QFont& font, int width);

// The program's own message box. Created once and reused for every message.
class TCiclaraMessageForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCiclaraMessageForm(QWidget* parent = nullptr);

    // Fills in text, caption, picture, buttons and size for a message, without showing it.
    void Prepare(const QString& text, int kind, Msg::Buttons buttons);
    // Prepares the box, centres it over the main window and shows it modally. Returns
    // 1 (OK), 6 (Yes), 7 (No), or 2 (Cancel) when closed from the title bar.
    int Execute(const QString& text, int kind, Msg::Buttons buttons);

    // The picture of a message kind (0 warning, 1 error, 2 information, 3 confirmation),
    // 59 x 64 with a transparent background.
    static QPixmap KindPicture(int kind);

    // The wrapped line count of the last prepared text.
    int LineCount() const { return m_lineCount; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public slots:
    void reject() override;

private:
    void layoutControls();

    QLabel* m_image = nullptr;
    QLabel* m_label = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QList<QPixmap> m_images; // one per kind, in kind order
    int m_lineCount = 0;
};

// Makes ShowMessageBox show the program's box. The box is created here (owned by parent,
// or deleted when the application quits when there is none) and returned. A message
// asked for while the box is already open gets a box of its own.
TCiclaraMessageForm* InstallMessageBoxHandler(QWidget* parent = nullptr);
