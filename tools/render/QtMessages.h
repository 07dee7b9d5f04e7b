#pragma once

// Keeps Qt's own messages (plug-ins, fonts, platform) off standard error, where the tool writes its
// reports as JSON lines and its failures as "zorprint-render: ..." lines for other programs to read;
// a fatal one still ends the program as Qt ends it. Call before the application object is made.
void keepQtMessagesOffStandardError();
