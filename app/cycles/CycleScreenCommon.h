// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

class QKeyEvent;
class QLineEdit;
class QWidget;

// Pieces the add-cycle dialog, the cycle view screen and the prediction screen share:
// hints, the number fields and the pictures they show, drawn here rather than loaded.
namespace CycleScreens {

// Applies a hint pair "tooltip|status text": the part before the bar becomes the tooltip,
// the part after it the status tip shown in the main window's status bar.
void SetHint(QWidget* widget, const QString& hint);

// Number fields take only the digits 0 to 9 and Backspace; every other character key is
// discarded. Keys that type nothing (arrows, Delete, Tab, shortcuts) are left alone.
bool AcceptsLengthKey(const QKeyEvent& event);
// Makes the field refuse pasted or dropped text that is not all digits.
void MakeDigitsOnly(QLineEdit* edit);

// The whole number a length field holds, or nothing when it is empty or 0.
std::optional<int> ReadLength(const QLineEdit* edit);
// The message shown when a cycle length is needed and the field has none.
QString MissingCycleLengthText();

// The 45 x 44 background tile of the cycle screens and the add-cycle dialog.
QPixmap BackgroundTile();

// Decorations and state pictures, transparent where nothing is drawn.
QImage LampPicture();          // the add-cycle dialog's flower lamp
QImage UndisplayedPicture();   // 289 x 153: this cycle cannot be drawn
QImage NoNamePicture();        // 241 x 74: greeting for the default user
QImage NoDataEnteredPicture(); // 216 x 126: no cycles entered yet
QImage PredictionPicture();    // 214 x 214: the prediction screen's decoration

// Button pictures, 32 x 32.
enum class ButtonPicture
{
    DeleteCycle,
    DeleteAll,
    ArrowUp,
    ArrowDown,
    Predict,
    AddCycle
};
QPixmap ButtonPixmap(ButtonPicture which);

} // namespace CycleScreens
