// Symbols of the resource script: dialog templates, controls, menus, commands and strings.
// The numbers are the program's ids; keep them. Each subsystem keeps its own section.

// ---- Shared: dialog framework -------------------------------------------------------------
#define IDC_KEY_1                       1327
#define IDC_KEY_2                       1328
#define IDC_KEY_3                       1329
#define IDC_KEY_4                       1330
#define IDC_KEY_5                       1331
#define IDC_KEY_6                       1332
#define IDC_KEY_7                       1333
#define IDC_KEY_8                       1334
#define IDC_KEY_9                       1335
#define IDC_KEY_0                       1336
#define IDC_KEY_POINT                   1064
#define IDC_KEY_COLON                   1046
#define IDC_KEY_MINUS                   1065
#define IDC_KEY_BLANK                   1066
#define IDC_KEY_CE                      1339
#define IDC_KEY_C                       1340
#define IDC_KEYPAD_FRAME                -1
#define IDC_CLOSE                       1577
#define IDC_SQUARE_CANCEL               160

// ---- Application shell ------------------------------------------------------------------
#define IDS_APP_TITLE                   57344
#define IDD_ABOUT_P                     100
#define IDD_ABOUT_S                     220
#define IDC_ABOUT_NAME                  1001
#define IDC_ABOUT_VERSION               1002
#define IDC_ABOUT_COPYRIGHT             1003
#define IDC_ABOUT_TEXT                  1004
