// Resource ids of the module, shared by its resource script (rebar.rc) and its code. Plain
// #defines only: the resource compiler's preprocessor reads this file too.
#pragma once

// The sign unit fields write after a multiple of a bar diameter (the UI kit looks for it
// under this id in the module that enables their phi display).
#define IDS_PHI_SIGN 12061

// The steel-grade catalogue dialog.
#define IDD_STEELGRADE_CATALOG 10701
#define IDC_CATALOG_BROWSE 1102
#define IDC_CATALOG_DETAILS 1103
#define IDC_STEELGRADE_REMOVE 1106
#define IDC_CATALOG_PATH 1107
#define IDC_STEELGRADE_COMBO 1108
#define IDC_STEELGRADE_GRID 1109
#define IDC_STEELGRADE_ADD 1110
#define IDC_DISPLAY_DIAMETER 1111
#define IDC_DISPLAY_UNITS 1112
#define IDC_STEELGRADE_LABEL 1119
#define IDC_DISPLAY_GROUP 1120
#define IDC_CATALOG_PATH_LABEL 1121
#define IDC_STEELGRADE_GROUP 1122
#define IDC_BUTTONS_SEPARATOR 1123
#define IDC_MILL_LENGTH 1124
#define IDC_MAX_LENGTH 1125
#define IDC_STOCK_LENGTHS_LABEL 1126

// The details panel below the steel-grade grid and its legend picture.
#define IDD_STEELGRADE_DETAILS 10705
#define IDB_STEELGRADE_DETAILS 10706
#define IDC_DETAILS_PICTURE 1118

// The lap-length table dialog.
#define IDD_LAPLENGTH_CATALOG 10707
#define IDC_LAP_SEPARATOR_SAVE 1127
#define IDC_LAP_SAVE 1128
#define IDC_LAP_LOAD 1129
#define IDC_LAP_DELETE_ROW 1130
#define IDC_LAP_OK 1131
#define IDC_LAP_CANCEL 1132
#define IDC_LAP_HELP 1133
#define IDC_LAP_GRID 1134
#define IDC_LAP_SEPARATOR_DELETE 1135
