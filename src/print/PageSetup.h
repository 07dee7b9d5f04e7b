#pragma once

#include <QPageLayout>

#include <optional>

class QPrinter;
class QWidget;

// Runs the platform's page set-up dialog for a printer: it opens on shown (the page the printer
// prints on now) and gives the page the user confirms, its margins no smaller than the printer can
// print on that side of the sheet in the chosen orientation. Nothing when the user cancelled.
std::optional<QPageLayout> runPageSetup(QPrinter &printer, const QPageLayout &shown, QWidget *parent);
