#pragma once

class QWidget;

// When the environment variable ZORPRINT_PREVIEW_PICTURE names a file, the program writes the
// picture of the shown tab's form preview there as PNG once the window has first painted, and ends
// (with status 1 when the file cannot be written). It lets a check of an installed program see
// what the program shows, on a platform without a screen.
void writePreviewPictureWhenAsked(QWidget &window);
