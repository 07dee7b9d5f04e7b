#pragma once

#include <functional>

class Clock;
class PartnerList;
class SettingsStore;
class UserDialogs;

// What the main window works with, passed in by whoever creates it (the program or a test).
struct WindowServices
{
    const SettingsStore &store;
    PartnerList &partners;
    UserDialogs &dialogs;
    const Clock &clock;
};

// The parts of the program that the main window starts but does not own. Each may be left empty.
struct WindowHooks
{
    std::function<void()> showPrintDialog;         // menu "Ispiši", without waiting
    std::function<void()> showPartnerDialog;       // menu "Podaci", without waiting
    std::function<void()> makeFirstPrinterCurrent; // the last step of creating the window
};
