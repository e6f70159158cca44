#include "app/CScreenSaverApp.h"

void CScreenSaverApp::RunConfiguration()
{
}
