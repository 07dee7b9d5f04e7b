#pragma once

#include "scan/DocumentPages.h"

#include <QString>

#include <memory>

// PDFs are read by a module of their own, loaded the first time a PDF is opened: its renderer and
// the libraries under it are large, and the program starts without them.

// Opens the PDF at path through that module. Throws UserError with a Croatian message when the file
// cannot be read, or when the module is missing.
std::unique_ptr<DocumentPages> openPdfPages(const QString &path);

// The module's one entry, named openPdfPagesEntry: the pages of the PDF at path, or null with the
// reason in failure.
using OpenPdfPages = DocumentPages *(*)(const QString &path, QString &failure);
inline constexpr char openPdfPagesEntry[] = "zorvatOpenPdfPages";
