// Ids of the window-layer tests' resources; read by the resource compiler too.
#pragma once

#define IDD_RESOURCE_DIALOG 700
#define IDC_RESOURCE_EDIT 701
#define IDM_RESOURCE_MENU 710
#define ID_RESOURCE_OPEN 711
#define ID_RESOURCE_CLOSE 712
#define IDS_RESOURCE_PROMPT 720
#define IDC_TIPPED 730
