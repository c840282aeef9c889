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
#define IDC_DIALOG_HELP                 3008

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
// Dialog templates: portrait (_P) and landscape (_L).
#define IDD_AIR_DATA_P                  109
#define IDD_AIR_DATA_L                  169
#define IDD_DESCENT_RATE_P              112
#define IDD_DESCENT_RATE_L              183
#define IDD_TIME_SPEED_DISTANCE_P       159
#define IDD_TIME_SPEED_DISTANCE_L       173
#define IDD_FUEL_BURN_P                 123
#define IDD_FUEL_BURN_L                 182
#define IDD_TIME_SUM_P                  160
#define IDD_TIME_SUM_L                  171
#define IDD_WEIGHT_SHIFT_P              195
#define IDD_WEIGHT_SHIFT_L              196
#define IDD_CONVERT_P                   110
#define IDD_CONVERT_L                   168
#define IDD_DISTANCE_CONVERT_P          111
#define IDD_DISTANCE_CONVERT_L          167
#define IDD_FUEL_QUANTITY_P             115
#define IDD_FUEL_QUANTITY_L             181
// Calc (air data): four inputs with their labels, the result with its label.
#define IDC_AIR_INPUT1                  1067
#define IDC_AIR_INPUT2                  1071
#define IDC_AIR_INPUT3                  1072
#define IDC_AIR_INPUT4                  1073
#define IDC_AIR_LABEL1                  1210
#define IDC_AIR_LABEL2                  1211
#define IDC_AIR_LABEL3                  1212
#define IDC_AIR_LABEL4                  1213
#define IDC_AIR_RESULT_LABEL            1214
#define IDC_AIR_RESULT                  1175
// Descent Rate.
#define IDC_DESCENT_CURRENT_ALT         1053
#define IDC_DESCENT_DESIRED_ALT         1061
#define IDC_DESCENT_GROUND_SPEED        1202
#define IDC_DESCENT_RATE                1172
#define IDC_DESCENT_DISTANCE            1063
#define IDC_DESCENT_TIME                1220
// Time/Speed/Distance, with a "CE" button beside each field.
#define IDC_TSD_SPEED                   1202
#define IDC_TSD_DISTANCE                1063
#define IDC_TSD_TIME                    1220
#define IDC_TSD_CLEAR_SPEED             1546
#define IDC_TSD_CLEAR_DISTANCE          1547
#define IDC_TSD_CLEAR_TIME              1548
// Fuel Burn.
#define IDC_FUEL_BURN_RATE              1093
#define IDC_FUEL_BURN_QUANTITY          1086
#define IDC_FUEL_BURN_TIME              1220
// Time (sum of durations).
#define IDC_TIME_SUM_TIME               1220
#define IDC_TIME_SUM_TOTAL              1232
#define IDC_TIME_SUM_ADD                1000
#define IDC_TIME_SUM_SUBTRACT           1529
// Weight Shift.
#define IDC_SHIFT_AIRCRAFT_WEIGHT       1551
#define IDC_SHIFT_ARM_DISTANCE          1221
#define IDC_SHIFT_WEIGHT_TO_MOVE        1248
#define IDC_SHIFT_DISTANCE_TO_MOVE      1552
#define IDC_SHIFT_CLEAR_WEIGHT          1546
#define IDC_SHIFT_CLEAR_DISTANCE        1547
// Convert (two-way unit pairs).
#define IDC_CONVERT_INPUT1              1067
#define IDC_CONVERT_INPUT2              1071
#define IDC_CONVERT_LABEL1              1210
#define IDC_CONVERT_LABEL2              1211
#define IDC_CONVERT_LABEL3              1212
#define IDC_CONVERT_LABEL4              1213
#define IDC_CONVERT_OUTPUT1             1337
#define IDC_CONVERT_OUTPUT2             1338
#define IDC_CONVERT_ROW1                1048
#define IDC_CONVERT_ROW2                1049
// Distance Conversion and Gallons-Litres.
#define IDC_UNITS_INPUT                 1067
#define IDC_UNITS_LIST                  1239
#define IDC_UNITS_LABEL1                1124
#define IDC_UNITS_LABEL2                1125
#define IDC_UNITS_OUTPUT1               1176
#define IDC_UNITS_OUTPUT2               1177
#define IDC_UNITS_CONVERT               1047
// Fuel Quantity.
#define IDC_FUEL_QTY_INPUT              1170
#define IDC_FUEL_QTY_UNITS              1239
#define IDC_FUEL_QTY_RESULT_UNITS       1240
#define IDC_FUEL_QTY_TYPE               1236
#define IDC_FUEL_QTY_RESULT             1175

// ---- Application shell: menus, menu bars and commands ----------------------------------------
// Menu resources of the six views; each has a menu-bar record (RCDATA) of the same number.
// First set: platforms before version 5 and square screens. Second set (_V5): the others.
#define IDM_TIMES                       128
#define IDM_WEIGHT_BALANCE              129
#define IDM_AIRPORT_DIRECTORY           141
#define IDM_FLIGHT_PLANNING             143
#define IDM_CHECKLIST                   156
#define IDM_TIME_ZONES                  157
#define IDM_AIRPORT_DIRECTORY_V5        158
#define IDM_CHECKLIST_V5                159
#define IDM_FLIGHT_PLANNING_V5          160
#define IDM_TIMES_V5                    161
#define IDM_TIME_ZONES_V5               162
#define IDM_WEIGHT_BALANCE_V5           163
#define IDM_LOGBOOK                     190
#define IDM_LOGBOOK_V5                  191

// Menu-bar record words.
#define I_IMAGENONE                     -2
#define TBSTATE_ENABLED                 0x04
#define TBSTYLE_DROPDOWN                0x08
#define TBSTYLE_AUTOSIZE                0x10

// Menu-bar button texts (also the buttons' command ids).
#define IDS_MENU_FILE                   32846
#define IDS_MENU_EDIT                   33034
#define IDS_MENU_VIEW                   32879
#define IDS_MENU_GRAPH                  33137
#define IDS_MENU_CALC                   34000
#define IDS_MENU_CONVERT                33110
#define IDS_MENU_TIMES                  34001

// File and Edit menus.
#define ID_FILE_PREFERENCES             32957
#define ID_APP_ABOUT                    33105
#define ID_FILE_EXIT                    32853
#define ID_FILE_OPEN                    57601
#define ID_FILE_SAVE                    57603
#define ID_EDIT_AIRCRAFT                33038
#define ID_EDIT_WAYPOINTS               33035
#define ID_EDIT_GPS                     33126
#define ID_EDIT_TIME_ZONES              33128
#define ID_FILE_EXPORT_LOGBOOK          33202
#define ID_FILE_EXPORT_PLAN             33203
#define ID_FILE_IMPORT_PLAN             33204
// The help request of the main frame and of dialogs.
#define ID_HELP                         132

// View menu: the ViewIds, and the orientation commands of the second set.
#define ID_VIEW_WEIGHT_BALANCE          32880
#define ID_VIEW_TIMES                   32881
#define ID_VIEW_AIRPORT_DIRECTORY       32954
#define ID_VIEW_FLIGHT_PLANNING         33030
#define ID_VIEW_CHECKLIST               33123
#define ID_VIEW_TIME_ZONES              33127
#define ID_VIEW_LOGBOOK                 33200
#define ID_VIEW_NIGHT_COLOURS           33201
#define ID_VIEW_PORTRAIT                33131
#define ID_VIEW_LANDSCAPE_LEFT          33133
#define ID_VIEW_LANDSCAPE_RIGHT         33134

// Calc menu.
#define ID_CALC_DENSITY_ALTITUDE        32777
#define ID_CALC_TRUE_AIRSPEED           32778
#define ID_CALC_STANDARD_TEMP           32779
#define ID_CALC_CROSS_WIND              32780
#define ID_CALC_GROUND_SPEED            32781
#define ID_CALC_PRESSURE_ALTITUDE       32803
#define ID_CALC_TIME                    32815
#define ID_CALC_MACH                    32823
#define ID_CALC_FIND_WIND               32826
#define ID_CALC_DESCENT_RATE            32828
#define ID_CALC_FUEL_QUANTITY           32870
#define ID_CALC_SUNRISE_SUNSET          32874
#define ID_CALC_HEADING_TIME            32956
#define ID_CALC_DISTANCE_TRACK          33031
#define ID_CALC_HOLD_TIMES              33117
#define ID_CALC_HOLD_VIEW               33118
#define ID_CALC_TIME_SPEED_DISTANCE     33119
#define ID_CALC_FUEL_BURN               33120
#define ID_CALC_WEIGHT_SHIFT            33122

// Convert menu.
#define ID_CONVERT_FAHRENHEIT_CELSIUS   32809
#define ID_CONVERT_GALLONS_LITRES       32811
#define ID_CONVERT_DISTANCE             32813
#define ID_CONVERT_POUNDS_KILOGRAMS     32824
#define ID_CONVERT_MILLIBARS_INCHES     32862
#define ID_CONVERT_FEET_METRES          32876
#define ID_CONVERT_INCHES_MILLIMETRES   33114
#define ID_CONVERT_INCHES_CENTIMETRES   33116

// Times menu (commands of the Times view).
#define ID_TIMES_RESET_STARTUP          32796
#define ID_TIMES_RESET_TAKEOFF          32797
#define ID_TIMES_RESET_LANDING          32798
#define ID_TIMES_RESET_SHUTDOWN         32799
#define ID_TIMES_LOCAL_TIME             32849
#define ID_TIMES_SHOW_HHMM              32850
#define ID_TIMES_RESET_ALL              32851
#define ID_TIMES_TIMERS                 32858
#define ID_TIMES_COPY                   32873
#define ID_TIMES_COPY_TO_VEROL          33090

// Graph menu (commands of the weight and balance view: the graph option bits).
#define ID_GRAPH_LINES                  33140
#define ID_GRAPH_RAMP                   33141
#define ID_GRAPH_TAKEOFF                33142
#define ID_GRAPH_ZERO_FUEL              33143
#define ID_GRAPH_LANDING                33144

// ---- Shared: value menus of the entry fields ---------------------------------------------
// The first sub-menu of each is the tap-and-hold menu of a value field; each item's command id
// is ID_VALUE_BASE + its value, as in the generated ranges of the value fields.
#define IDR_VALUES_0_59                 140
#define IDR_WEIGHTS                     142
#define IDR_WIND_DIR                    154
#define IDR_TAS                         155
#define ID_VALUE_BASE                   100
// The last calculator result, offered first in a value menu.
#define ID_VALUE_LAST_RESULT            57637

// ---- Gallery: entry fields and editable grid demonstration -------------------------------
#define IDD_FIELDS_DEMO_P               990
#define IDD_FIELDS_DEMO_L               991
#define IDD_FIELDS_DEMO_S               992
#define IDC_DEMO_LATITUDE               3001
#define IDC_DEMO_LONGITUDE              3002
#define IDC_DEMO_TIME                   3003
#define IDC_DEMO_WIND_DIR               3004
#define IDC_DEMO_TAS                    3005
#define IDC_DEMO_WIND_SPEED             3006
#define IDC_DEMO_GRID                   3007

// ---- Wind calculators and holds ---------------------------------------------------------
// Ground Speed, Heading & Time, Wind, Cross Wind, Hold (timing), Hold (entry).
#define IDD_GROUND_SPEED_P              118
#define IDD_GROUND_SPEED_L              178
#define IDD_GROUND_SPEED_S              209
#define IDD_HEADING_TIME_P              125
#define IDD_HEADING_TIME_L              177
#define IDD_HEADING_TIME_S              210
#define IDD_FIND_WIND_P                 130
#define IDD_FIND_WIND_L                 179
#define IDD_FIND_WIND_S                 214
#define IDD_CROSS_WIND_P                131
#define IDD_CROSS_WIND_L                180
#define IDD_CROSS_WIND_S                213
#define IDD_HOLD_TIMING_P               119
#define IDD_HOLD_TIMING_L               176
#define IDD_HOLD_TIMING_S               211
#define IDD_HOLD_ENTRY_P                154
#define IDD_HOLD_ENTRY_L                187
#define IDD_HOLD_ENTRY_S                212
// Fields of the wind dialogs (the hold timing dialog shares the wind, course and TAS ids).
#define IDC_WIND_DIRECTION              1263
#define IDC_WIND_SPEED                  1264
#define IDC_WIND_COURSE                 1052
#define IDC_WIND_TAS                    1219
#define IDC_WIND_HEADING                1601
#define IDC_WIND_GROUND_SPEED           1602
#define IDC_WIND_TRACK                  1603
#define IDC_WIND_DISTANCE               1604
#define IDC_WIND_MAG_VAR                1605
#define IDC_WIND_EAST                   1606
#define IDC_WIND_DEPARTURE              1607
#define IDC_WIND_TRUE_HEADING           1608
#define IDC_WIND_MAG_HEADING            1609
#define IDC_WIND_ESTIMATED_TIME         1610
#define IDC_WIND_ARRIVAL                1611
#define IDC_WIND_CROSS                  1612
#define IDC_WIND_HEAD                   1613
#define IDC_WIND_ANGLE                  1614
#define IDC_WIND_HEAD_LABEL             1117
#define IDC_WIND_GRAPH                  1111
#define IDC_WIND_DEPARTURE_SPIN         1228
#define IDC_WIND_DISTANCE_TRACK         1487
#define IDC_WIND_LEGEND                 1534
// Hold timing and hold entry.
#define IDC_HOLD_INBOUND_TIME           1519
#define IDC_HOLD_CORRECTION             1569
#define IDC_HOLD_INBOUND_HEADING        1122
#define IDC_HOLD_OUTBOUND_HEADING       1167
#define IDC_HOLD_OUTBOUND_TIME          1168
#define IDC_HOLD_DISTANCE               1063
#define IDC_HOLD_INBOUND_COURSE         1521
#define IDC_HOLD_APPROACH               1522
#define IDC_HOLD_TYPE                   1236
#define IDC_HOLD_ENTRY                  1524
// Messages and labels.
#define IDS_INVALID_WIND_DIRECTION      32829
#define IDS_INVALID_COURSE              32830
#define IDS_INVALID_HEADING             32831
#define IDS_INVALID_TRACK               32833
#define IDS_TAIL_WIND                   57345
#define IDS_HEAD_WIND                   57346
#define IDS_ANGLE_RIGHT                 57347
#define IDS_ANGLE_LEFT                  57348
#define IDS_ENTER_WIND_SPEED            57356
#define IDS_ENTER_TRACK                 57357
#define IDS_ENTER_DISTANCE              57358
#define IDS_ENTER_WIND_DIRECTION        57360

// ---- Checklists: the checklist view and the checklist editor ------------------------------
#define IDD_CHECKLIST_P                 197
#define IDD_CHECKLIST_L                 198
#define IDD_CHECKLIST_S                 207
#define IDD_CHECKLIST_EDIT_P            203
#define IDD_CHECKLIST_EDIT_S            216
// The view: aircraft, Edit, tabs, groups, sub groups, items and the large step button.
#define IDC_CHECKLIST_AIRCRAFT          1551
#define IDC_CHECKLIST_EDIT              1066
#define IDC_CHECKLIST_TABS              1217
#define IDC_CHECKLIST_GROUPS            1554
#define IDC_CHECKLIST_SUBGROUPS         1555
#define IDC_CHECKLIST_ITEMS             1134
#define IDC_CHECKLIST_STEP              1556
// The editor: the tree and its add, add-below and delete buttons.
#define IDC_CHECKLIST_TREE              1234
#define IDC_CHECKLIST_ADD               1000
#define IDC_CHECKLIST_ADD_CHILD         1575
#define IDC_CHECKLIST_DELETE            1058

// ---- Weight and balance: view, graph and details dialogs ---------------------------------
#define IDD_WEIGHT_BALANCE_P            270
#define IDD_WEIGHT_BALANCE_L            271
#define IDD_WEIGHT_BALANCE_S            272
#define IDD_CG_GRAPH_P                  273
#define IDD_CG_GRAPH_L                  274
#define IDD_CG_GRAPH_S                  275
#define IDD_WB_DETAILS_P                276
#define IDD_WB_DETAILS_L                277
#define IDD_WB_DETAILS_S                278
#define IDC_WB_TYPE                     1700
#define IDC_WB_AIRCRAFT                 1701
#define IDC_WB_AIRCRAFT_BUTTON          1702
#define IDC_WB_STATUS                   1703
#define IDC_WB_TABS                     1704
#define IDC_WB_STATIONS                 1705
#define IDC_WB_FUEL                     1706
#define IDC_WB_UNITS                    1707
#define IDC_WB_TANKS                    1708
#define IDC_WB_DETAILS_LIST             1709
#define IDC_WB_GRAPH                    1710
#define IDC_WB_INFO                     1711
#define IDC_WB_DETAILS                  1712
#define IDC_WB_GRAPH_BUTTON             1713
#define IDC_WB_KEY_BACK                 1714
// The pop-up menu of the graph options (the Graph menu's commands).
#define IDR_GRAPH_OPTIONS               279

// ---- Navigation data: airport directory, searches, nav aid and runway diagram -------------
#define IDD_AIRPORT_VIEW_P              230
#define IDD_AIRPORT_VIEW_L              231
#define IDD_AIRPORT_VIEW_S              232
#define IDD_AIRPORT_SEARCH_P            233
#define IDD_AIRPORT_SEARCH_L            234
#define IDD_AIRPORT_SEARCH_S            235
#define IDD_SEARCH_LOCATION_P           236
#define IDD_SEARCH_LOCATION_L           237
#define IDD_SEARCH_LOCATION_S           238
#define IDD_NAV_AID_INFO_P              239
#define IDD_NAV_AID_INFO_L              240
#define IDD_NAV_AID_INFO_S              241
#define IDD_RUNWAYS_P                   242
#define IDD_RUNWAYS_L                   243
#define IDD_RUNWAYS_S                   244
// Airport Directory view.
#define IDC_AIRPORT_IDENT               2301
#define IDC_AIRPORT_SHOW                2302
#define IDC_AIRPORT_FIND                2303
#define IDC_AIRPORT_TABS                2304
#define IDC_AIRPORT_INFO_LIST           2305
#define IDC_AIRPORT_RUNWAY_LIST         2306
#define IDC_AIRPORT_VIEW_RUNWAYS        2307
// Airport Search and Search Location.
#define IDC_SEARCH_KIND                 2310
#define IDC_SEARCH_TEXT                 2311
#define IDC_SEARCH_GO                   2312
#define IDC_SEARCH_RESULTS              2313
#define IDC_SEARCH_VIEW                 2314
#define IDC_SEARCH_SELECT               2315
// View Nav Aid and Runways.
#define IDC_NAV_AID_LIST                2320
#define IDC_RUNWAY_DIAGRAM              2330
// Messages.
#define IDS_ENTER_ICAO_IDENT            2340
#define IDS_AIRPORT_NOT_FOUND           2341
#define IDS_ENTER_SEARCH_TEXT           2342
#define IDS_NO_AIRPORTS_FOUND           2343
#define IDS_NO_NAV_AIDS_FOUND           2344
#define IDS_RUNWAYS_NOT_AVAILABLE       2345

// ---- Application shell: Preferences -------------------------------------------------------
#define IDD_PREFERENCES_P               150
#define IDD_PREFERENCES_L               186
#define IDC_PREF_TABS                   1217
#define IDC_PREF_PAGE_AREA              1512
#define IDC_PREF_AIRPORT_PAGE           1514
#define IDC_PREF_AIRPORT_FILE           1499
#define IDC_PREF_VALID_UNTIL            1500
#define IDC_PREF_SELECT_FILE            1498
#define IDC_PREF_FILE_FRAME             1543
#define IDC_PREF_LATLON_LABEL           1210
#define IDC_PREF_LATLON_FORMAT          1386
#define IDC_PREF_METRIC                 1510
#define IDC_PREF_NIGHT_COLOURS          1516
#define IDC_PREF_PLANNING_PAGE          1513
#define IDC_PREF_AVGAS_LABEL            1211
#define IDC_PREF_AVGAS                  1501
#define IDC_PREF_JET_LABEL              1212
#define IDC_PREF_JET                    1068
#define IDC_PREF_FUEL_UNITS             1507
#define IDC_PREF_FUEL_FRAME             1213
#define IDC_PREF_TIMES_PAGE             1515
#define IDC_PREF_DEVICE_ZONE            1548
#define IDC_PREF_CUSTOM_ZONE            1549
#define IDC_PREF_LOCAL_LABEL            1214
#define IDC_PREF_OFFSET                 1550
#define IDC_PREF_MINUTES_LABEL          1532
#define IDC_PREF_ZONE_LABEL             1533
#define IDC_PREF_ZONE_NAME              1553

// ---- GPS receiver: the "GPS" dialog ------------------------------------------------------
#define IDD_GPS_P                       730
#define IDD_GPS_L                       731
#define IDD_GPS_S                       732
#define IDC_GPS_SOURCE                  1730
#define IDC_GPS_START                   1731
#define IDC_GPS_TAKEOFF_GS              1732
#define IDC_GPS_TAKEOFF_SPIN            1733
#define IDC_GPS_TIME                    1734
#define IDC_GPS_SET_TIME                1735
#define IDC_GPS_ALTITUDE                1736
#define IDC_GPS_HEADING                 1737
#define IDC_GPS_SPEED                   1738
#define IDC_GPS_STATUS                  1739
#define IDC_GPS_LATITUDE                1740
#define IDC_GPS_LONGITUDE               1741

// ---- Navigation data: user waypoints, and the Distance & Track calculator ------------------
#define IDD_DISTANCE_TRACK_P            151
#define IDD_DISTANCE_TRACK_L            184
#define IDD_DISTANCE_TRACK_S            208
#define IDD_USER_WAYPOINTS_P            760
#define IDD_USER_WAYPOINTS_L            761
#define IDD_USER_WAYPOINTS_S            762
#define IDD_USER_WAYPOINT_P             763
#define IDD_USER_WAYPOINT_L             764
#define IDD_USER_WAYPOINT_S             765
// User Waypoints: the list and its buttons.
#define IDC_WP_LIST                     2350
#define IDC_WP_ADD                      2351
#define IDC_WP_EDIT                     2352
#define IDC_WP_DELETE                   2353
#define IDC_WP_SELECT                   2354
// User Waypoint: one waypoint's fields.
#define IDC_WP_IDENT                    2355
#define IDC_WP_NAME                     2356
#define IDC_WP_FORMAT                   2357
#define IDC_WP_LATITUDE                 2358
#define IDC_WP_LATITUDE_SPIN            2359
#define IDC_WP_NORTH_SOUTH              2360
#define IDC_WP_LONGITUDE                2361
#define IDC_WP_LONGITUDE_SPIN           2362
#define IDC_WP_EAST_WEST                2363
#define IDC_WP_MAG_VAR                  2364
#define IDC_WP_VAR_EAST                 2365
// Distance & Track: each end's kind, identifier, pick button and name; the results and buttons.
#define IDC_DT_FROM_KIND                2370
#define IDC_DT_FROM_IDENT               2371
#define IDC_DT_FROM_PICK                2372
#define IDC_DT_FROM_NAME                2373
#define IDC_DT_SWAP                     2374
#define IDC_DT_TO_KIND                  2375
#define IDC_DT_TO_IDENT                 2376
#define IDC_DT_TO_PICK                  2377
#define IDC_DT_TO_NAME                  2378
#define IDC_DT_DISTANCE                 2379
#define IDC_DT_TRACK                    2380
#define IDC_DT_RETURN                   2381
#define IDC_DT_HEADING_TIME             2382
#define IDC_DT_NEW_PLAN                 2383
#define IDC_DT_ADD_TO_PLAN              2384

// ---- Weight and balance: the fleet editor ---------------------------------------------------
#define IDC_AL_TREE                     2600
#define IDC_AL_NEW_TYPE                 2601
#define IDC_AL_NEW_AIRCRAFT             2602
#define IDC_AL_EDIT                     2603
#define IDC_AL_DELETE                   2604
#define IDC_AL_COPY                     2605
#define IDC_AC_TYPE                     2606
#define IDC_AC_IDENT                    2607
#define IDC_AC_WEIGHT                   2608
#define IDC_AC_WEIGHT_UNIT              2609
#define IDC_AC_ARM                      2610
#define IDC_AC_ARM_UNIT                 2611
#define IDC_AC_LATERAL                  2612
#define IDC_AC_LATERAL_UNIT             2613
#define IDC_TYPE_TABS                   2614
#define IDC_TYPE_PAGE_AREA              2615
#define IDC_TYPE_INFO_PAGE              2616
#define IDC_TYPE_NAME                   2617
#define IDC_TYPE_WEIGHTS_PAGE           2618
#define IDC_TYPE_WEIGHT_UNITS           2619
#define IDC_TYPE_ARM_UNITS              2620
#define IDC_TYPE_MAX_FRAME              2621
#define IDC_TYPE_RAMP                   2622
#define IDC_TYPE_ZERO_FUEL              2623
#define IDC_TYPE_TAKEOFF                2624
#define IDC_TYPE_LANDING                2625
#define IDC_TYPE_CG_PAGE                2626
#define IDC_TYPE_ENVELOPE               2627
#define IDC_TYPE_GRAPH                  2628
#define IDC_TYPE_MAC_PAGE               2629
#define IDC_TYPE_CALC_MAC               2630
#define IDC_TYPE_LEADING_EDGE           2631
#define IDC_TYPE_MAC_LENGTH             2632
#define IDC_TYPE_STATIONS_PAGE          2633
#define IDC_TYPE_STATIONS               2634
#define IDC_TYPE_TANKS_PAGE             2635
#define IDC_TYPE_FUEL_UNITS             2636
#define IDC_TYPE_FUEL_TYPE              2637
#define IDC_TYPE_TANKS                  2638
#define IDC_TYPE_TANK_ADD               2639
#define IDC_TYPE_TANK_EDIT              2640
#define IDC_TYPE_TANK_DELETE            2641
#define IDC_TYPE_QUANTITIES_PAGE        2642
#define IDC_TYPE_QUANTITIES             2643
#define IDC_TYPE_QUANTITY_ADD           2644
#define IDC_TYPE_QUANTITY_EDIT          2645
#define IDC_TYPE_QUANTITY_DELETE        2646
#define IDC_TYPE_STARTUP_PAGE           2647
#define IDC_TYPE_STARTUP                2648
#define IDC_TYPE_PERFORMANCE_PAGE       2649
#define IDC_TYPE_FUEL_BURN              2650
#define IDC_TYPE_BURN_UNIT              2651
#define IDC_TYPE_TAS                    2652
#define IDC_TANK_NAME                   2653
#define IDC_TANK_CAPACITY               2654
#define IDC_TANK_UNIT                   2655
#define IDC_TANK_ARM_TYPE               2656
#define IDC_TANK_ARM_LABEL              2657
#define IDC_TANK_ARM                    2658
#define IDC_TANK_ROWS                   2659
#define IDC_FQ_TITLE                    2660
#define IDC_FQ_GRID                     2661
#define IDD_AIRCRAFT_LIST_P             860
#define IDD_AIRCRAFT_LIST_L             861
#define IDD_AIRCRAFT_LIST_S             862
#define IDD_AIRCRAFT_P                  863
#define IDD_AIRCRAFT_L                  864
#define IDD_AIRCRAFT_S                  865
#define IDD_AIRCRAFT_TYPE_P             866
#define IDD_AIRCRAFT_TYPE_L             867
#define IDD_AIRCRAFT_TYPE_S             868
#define IDD_FUEL_TANK_P                 869
#define IDD_FUEL_TANK_L                 870
#define IDD_FUEL_TANK_S                 871
#define IDD_FUEL_LOAD_P                 872
#define IDD_FUEL_LOAD_L                 873
#define IDD_FUEL_LOAD_S                 874

// ---- Flight planning: the planning view and the route's pop-up menu ------------------------
#define IDD_PLANNING_VIEW_P             880
#define IDD_PLANNING_VIEW_L             881
#define IDD_PLANNING_VIEW_S             882

// Logbook view and its flight dialog.
#define IDD_LOGBOOK_VIEW_P              1100
#define IDD_LOGBOOK_VIEW_L              1101
#define IDD_LOGBOOK_VIEW_S              1102
#define IDD_LOGBOOK_ENTRY_P             1103
#define IDD_LOGBOOK_ENTRY_L             1104
#define IDD_LOGBOOK_ENTRY_S             1105
#define IDC_LOGBOOK_LIST                2500
#define IDC_LOGBOOK_ADD                 2501
#define IDC_LOGBOOK_DELETE              2502
#define IDC_LOGBOOK_TOTALS              2503
#define IDC_LOGBOOK_CURRENCY            2504
#define IDC_LB_DATE                     2505
#define IDC_LB_AIRCRAFT                 2506
#define IDC_LB_TYPE                     2507
#define IDC_LB_FROM                     2508
#define IDC_LB_TO                       2509
#define IDC_LB_STARTUP                  2510
#define IDC_LB_TAKEOFF                  2511
#define IDC_LB_LANDING                  2512
#define IDC_LB_SHUTDOWN                 2513
#define IDC_LB_BLOCK                    2514
#define IDC_LB_FLIGHT                   2515
#define IDC_LB_AIR                      2516
#define IDC_LB_NIGHT                    2517
#define IDC_LB_LANDINGS                 2518
#define IDC_LB_NIGHT_LANDINGS           2519
#define IDC_LB_REMARKS                  2520
#define IDC_PLAN_AIRCRAFT               1760
#define IDC_PLAN_TAS                    1761
#define IDC_PLAN_ROUTE                  1762
#define IDC_PLAN_WIND_DIR               1763
#define IDC_PLAN_WIND_SPEED             1764
#define IDC_PLAN_MAG                    1765
#define IDC_PLAN_CALC                   1766
#define IDC_PLAN_TABLE                  1767
#define IDC_PLAN_TOTALS                 1768
// Route menu commands; an identifier of its Airports, Nav and User sub-menus is
// ID_ROUTE_IDENT_BASE + its place in the menu.
#define ID_ROUTE_SEARCH                 35100
#define ID_ROUTE_CLEAR                  35101
#define ID_ROUTE_IDENT_BASE             35200

// ---- Times and clocks: the Times view ------------------------------------------------------
// The view has no template: its controls are made in code with these ids.
#define IDC_TIMES_TOP_CAPTION           127
#define IDC_TIMES_TOP_CLOCK             136
#define IDC_TIMES_SECOND_CAPTION        1268
#define IDC_TIMES_SECOND_CLOCK          129
#define IDC_TIMES_STARTUP               1209
#define IDC_TIMES_FLIGHT_TIME           130
#define IDC_TIMES_TAKEOFF               1218
#define IDC_TIMES_AIR_TIME              131
#define IDC_TIMES_LANDING               126
#define IDC_TIMES_SHUTDOWN              1201
#define IDC_TIMES_TIMER_1               141
#define IDC_TIMES_TIMER_2               138
#define IDC_TIMES_TIMER_3               139
#define IDC_TIMES_TIMER_4               140
#define IDC_TIMES_GPS_SPEED             159

// ---- Times and clocks: the Timers and Timer Options dialogs -----------------------------------
#define IDD_TIMERS_P                    800
#define IDD_TIMERS_L                    801
#define IDD_TIMERS_S                    802
#define IDD_TIMER_OPTIONS_P             803
#define IDD_TIMER_OPTIONS_L             804
#define IDD_TIMER_OPTIONS_S             805
// Timers: the tab per timer, the Current display, spinners, buttons and the count-down choice.
#define IDC_TIMERS_TABS                 1217
#define IDC_TIMERS_CURRENT              1311
#define IDC_TIMERS_MINUTES_SPIN         1308
#define IDC_TIMERS_SECONDS_SPIN         1309
#define IDC_TIMERS_START                1305
#define IDC_TIMERS_STOP                 1306
#define IDC_TIMERS_RESET                1307
#define IDC_TIMERS_COUNT_DOWN           1320
#define IDC_TIMERS_THEN                 1325
#define IDC_TIMERS_SET_STARTING         1316
#define IDC_TIMERS_STARTING             1326
#define IDC_TIMERS_OPTIONS              1319
// Timer Options.
#define IDC_TIMER_TITLE                 1310
#define IDC_TIMER_START_ON_TAKEOFF      1272
#define IDC_TIMER_PLAY_SOUND            1313
#define IDC_TIMER_BROWSE                1314
#define IDC_TIMER_SOUND_FILE            1315
#define IDC_TIMER_REPEAT                1317
#define IDC_TIMER_PLAY                  1318

// ---- Times and clocks: the Time Zones and Time Zone dialogs ----------------------------------
#define IDD_TIME_ZONES                  200
#define IDD_TIME_ZONE                   201
#define IDC_ZONES_LIST                  1134
#define IDC_ZONES_ADD                   1000
#define IDC_ZONES_REMOVE                1563
#define IDC_ZONES_EDIT                  1066
#define IDC_ZONE_NAME                   1564
#define IDC_ZONE_LIST                   1565

// ---- Sunrise and sunset: the "Sun Rise - Sun Set" dialog ------------------------------------
#define IDD_SUN_TIMES_P                 122
#define IDD_SUN_TIMES_L                 175
#define IDD_SUN_TIMES_S                 740
// Location and its entries: airport (with Lookup), latitude and longitude, waypoint.
#define IDC_SUN_LOCATION                2401
#define IDC_SUN_AIRPORT_LABEL           2402
#define IDC_SUN_AIRPORT                 2403
#define IDC_SUN_LOOKUP                  2404
#define IDC_SUN_FORMAT_LABEL            2405
#define IDC_SUN_FORMAT                  2406
#define IDC_SUN_WAYPOINT_LABEL          2407
#define IDC_SUN_WAYPOINT                2408
#define IDC_SUN_PLACE_NAME              2409
#define IDC_SUN_LATITUDE_LABEL          2410
#define IDC_SUN_LATITUDE                2411
#define IDC_SUN_LATITUDE_SPIN           2412
#define IDC_SUN_NORTH_SOUTH             2413
#define IDC_SUN_LONGITUDE_LABEL         2414
#define IDC_SUN_LONGITUDE               2415
#define IDC_SUN_LONGITUDE_SPIN          2416
#define IDC_SUN_WEST_EAST               2417
#define IDC_SUN_DATE                    2418
#define IDC_SUN_UTC_OFFSET              2419
#define IDC_SUN_UTC_OFFSET_SPIN         2420
// The results: each row's UTC and local texts.
#define IDC_SUN_DAY_UTC                 2421
#define IDC_SUN_DAY_LOCAL               2422
#define IDC_SUN_RISE_UTC                2423
#define IDC_SUN_RISE_LOCAL              2424
#define IDC_SUN_SET_UTC                 2425
#define IDC_SUN_SET_LOCAL               2426
#define IDC_SUN_NIGHT_UTC               2427
#define IDC_SUN_NIGHT_LOCAL             2428
