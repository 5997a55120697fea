#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace vantelo::ui {

class DrawingSheet;

// Writes the sheet to path in the format its suffix names: .svg (vector,
// values as text), .pdf (vector, A4, scaled to fit) or .png (twice the screen
// size). Only path is written, and only once it is complete; on failure the
// return value is false and error holds a message for the user.
bool exportDrawing(const DrawingSheet &sheet, const QString &path, QString *error);

// Prints the sheet on one page, scaled to fit; false when the printer refused.
bool printDrawing(const DrawingSheet &sheet, QPrinter &printer);

// Asks for a file and exports to it, telling the user about a failure.
// Nothing is written when the user cancels.
void exportDrawingWithDialog(const DrawingSheet &sheet, const QString &suggestedName, QWidget *parent);

// Shows the print dialog and prints when the user accepts.
void printDrawingWithDialog(const DrawingSheet &sheet, QWidget *parent);

} // namespace vantelo::ui
