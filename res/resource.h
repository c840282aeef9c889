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

// ---- Air data, time and conversion calculators ------------------------------------------
// Shared with the other calculator families: the Calculate button and the true-air-speed prompt.
#define IDC_CALCULATE                   1043
#define IDS_ENTER_TRUE_AIR_SPEED        57359
// Air data modes: titles and labels
#define IDS_DENSITY_ALTITUDE            32795
#define IDS_ALTITUDE                    32796
#define IDS_ALTIMETER                   32797
#define IDS_TEMPERATURE_C               32798
#define IDS_PRESSURE_ALTITUDE           32799
#define IDS_STANDARD_TEMPERATURE        32800
#define IDS_TRUE_AIR_SPEED              32804
#define IDS_AIR_SPEED                   32805
#define IDS_MACH                        32808
#define IDS_INDICATED_AIR_SPEED         32809
#define IDS_INVALID_ALTIMETER           32832
// Descent rate messages
#define IDS_ENTER_CURRENT_ALTITUDE      57349
#define IDS_ENTER_DESIRED_ALTITUDE      57350
#define IDS_ENTER_GROUND_SPEED          57351
#define IDS_ENTER_DESCENT_RATE          57352
#define IDS_DESIRED_ABOVE_CURRENT       57385
