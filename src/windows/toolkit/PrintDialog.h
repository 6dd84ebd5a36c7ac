#pragma once

class QPrinter;
class QWidget;

namespace toolkit {

// Qt's print dialog on the program's printer, as the print settings offer it: the printer or a
// PDF file, the paper, the copies and the printer's options, but no page range (the main window
// chooses the tables). The output chosen last stays chosen when the dialog opens, and is given
// back when the dialog is cancelled. True when the director accepted the dialog.
bool ExecutePrintDialog(QPrinter& printer, QWidget* parent);

}  // namespace toolkit
