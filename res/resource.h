// Resource and control identifiers, shared by the resource script and the code.
#pragma once

#define IDD_ABOUT              100
#define IDD_SETTINGS           102
#define IDS_ABOUT_ITEM         101
#define IDI_PROGRAM            128
#define IDB_FRAME_ACROSS       129
#define IDB_FRAME_DOWN         130
#define IDB_BANNER             134
#define IDC_BLANK_CURSOR       129
#define IDC_HAND_CURSOR        135

#define IDS_HELP_FAILED        61703
#define IDS_NOT_AN_INTEGER     61712
#define IDS_INTEGER_RANGE      61714
