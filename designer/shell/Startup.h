// The designer's start, in its order: the settings; the application's title; one running copy;
// the two refusals (too few colours, no data); the first-run import of the default outfits; the
// intro while the windows are made; the main window's Init; waiting for the intro; the message
// loop until the main window closes.
#pragma once

#include "designer/shell/DesignerWindows.h"

#include <functional>
#include <string>

struct TStartOptions {
    // Play the intro (off with --no-intro, for developers and tests).
    bool Intro = true;
    // Allow one running copy only; a later start brings it to the front.
    bool SingleInstance = true;
    // Windows path of the program's folder: the settings' default data and install folders.
    std::string ProgramFolder;
    // Print the time from the process's start to the main window's first frame and the memory
    // held then, and end (--startup-report, for measuring).
    bool StartupReport = false;
    // Sleeps until something happens and handles it; tests move a fake clock instead.
    std::function<void()> WaitMessages;
};

// Exit statuses of the program.
inline constexpr int kExitNormal = 0;
inline constexpr int kExitRefused = 1;

// The two refusals, as the user sees them.
std::string TooFewColoursText();
std::string NotInstalledText();

// Reads "--no-intro", "--startup-report" and "--help"; returns false and prints usage for
// anything else.
bool ParseStartArguments(int argc, char** argv, TStartOptions& options, bool& helpShown);

// Runs the designer; returns the exit status.
int RunDesigner(const TStartOptions& options, TDesignerWindows& windows);
