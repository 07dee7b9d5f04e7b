#pragma once

class QWidget;

// The look of every entry control: Courier New 13 px on pale yellow with a flat 1-pixel border.
void applyEntryStyle(QWidget *control);
