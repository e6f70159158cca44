#pragma once

#include <windows.h>

// Tells the top-level windows of the configuration mode apart by their controls,
// since several of them share the dialog class #32770 and labels with the id
// 0xFFFF (the 16-bit form of -1).

// The settings dialog: the picture list 1008 and the Add button 1010.
bool IsSettingsDialog(HWND window);
// The about box: the two link statics 1002 and 1006.
bool IsAboutBox(HWND window);
// The system's open-file dialog: the file-name combo 0x47C.
bool IsOpenFileDialog(HWND window);
// A message box and nothing else: one text static 0xFFFF, at most the icon
// static 0x440 and the standard buttons (IDOK to IDCONTINUE, help). The about
// box and the settings dialog have other controls, so they never pass.
bool IsPlainMessageBox(HWND window);
