#pragma once

class QPrinter;
class QWidget;

// Runs the platform's page set-up dialog for a printer: it opens on the printer's current paper,
// orientation and margins, and what the user confirms becomes the printer's page (margins no
// smaller than the printer can print). False when the user cancelled.
bool runPageSetup(QPrinter &printer, QWidget *parent);
