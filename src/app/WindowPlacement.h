#pragma once
// Restoring and storing the main window's placement.

#include <QRect>

// Left, top, width and height of the main window in screen pixels.
struct TSetFormInfo {
    int Left = 0;
    int top = 0;
    int width = 0;
    int Height = 0;
};

constexpr int FirstRunWidth = 931;
constexpr int FirstRunHeight = 604;
constexpr int MinTrackWidth = 800;
constexpr int MinTrackHeight = 400;

struct TStartPlacement {
    bool maximized = false;
    QRect geometry; // position of the frame, size of the window
};

// The placement at start from the stored values. A maximized window opens
// maximized (its stored bounds are not used); all four bounds zero is the
// first run, centred on originMonitor (the monitor nearest to (0, 0)).
TStartPlacement StartPlacement(bool storedMaximized, const TSetFormInfo &stored, const QRect &originMonitor);

// Reads "formmaximize", "Height", "Width", "Top" and "Left" from the
// settings store; a store that cannot be read gives the first-run values.
void ReadStoredPlacement(bool &maximized, TSetFormInfo &info);
// Writes "Left", "Top", "Width", "Height" and then "formmaximize".
void WriteStoredPlacement(const TSetFormInfo &info, bool maximized);
