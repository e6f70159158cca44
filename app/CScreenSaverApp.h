#pragma once

#include "framework/CWinApp.h"

// The application: picks the run mode from the command line.
class CScreenSaverApp : public CWinApp {
public:
    ~CScreenSaverApp() override = default;

    // The run-mode dispatch.
    bool InitInstance() override;

    // The configuration mode: the settings dialog, filled from the settings
    // file and stored back after OK.
    void RunConfiguration();

    DECLARE_MESSAGE_TABLE()
};
