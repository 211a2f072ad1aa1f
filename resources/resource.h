/* Resource identifiers of vok.exe, shared by vok.rc and the wizard's C++ code. */
#ifndef VOK_RESOURCE_H
#define VOK_RESOURCE_H

/* Dialog templates */
#define IDD_ABOUT                   100
#define IDD_WELCOME                 102
#define IDD_PRODUCT_SELECT          133
#define IDD_REGISTRATION            134
#define IDD_READY                   139
#define IDD_DOWNLOAD                140
#define IDD_FINISH                  141
#define IDD_EMAIL_LIST              148

/* Strings */
#define IDS_ABOUT_MENU_ITEM         101

/* Icon */
#define IDI_WIZARD                  128

/* Side-panel bitmaps */
#define IDB_PANEL_WELCOME           132
#define IDB_PANEL_PRODUCTS          143
#define IDB_PANEL_REGISTRATION      144
#define IDB_PANEL_FINISH            145

/* System menu command that opens the About box */
#define IDM_ABOUT_BOX               0x0010

/* Controls without an identifier of their own */
#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

/* Welcome dialog */
#define IDC_BEGIN                   1000
#define IDC_STATUS_LINE             1001

/* Product selection page */
#define IDC_SELECT_CANCEL           1003
#define IDC_SELECT_NEXT             1004
#define IDC_PRODUCT_CHECKLIST       1010
#define IDC_PRODUCT_ABOUT           1020

/* Registration page */
#define IDC_REGISTER_BACK           1005
#define IDC_REGISTER_NEXT           1006
#define IDC_REGISTER_CANCEL         1007
#define IDC_USER_NAME               1008
#define IDC_EMAIL                   1011
#define IDC_ADDRESS                 1013
#define IDC_CITY                    1014
#define IDC_STATE                   1015
#define IDC_PHONE                   1017
#define IDC_COUNTRY                 1024
#define IDC_POSTAL                  1025

/* Ready page */
#define IDC_READY_BACK              1021
#define IDC_READY_DOWNLOAD          1022
#define IDC_READY_CANCEL            1023

/* Download page */
#define IDC_DOWNLOAD_STOP           1026
#define IDC_PRODUCT_NAME            1030
#define IDC_FILE_PROGRESS           1032
#define IDC_PERCENT_TEXT            1033
#define IDC_BYTES_TEXT              1039
#define IDC_OVERALL_PROGRESS        1040
#define IDC_OVERALL_TEXT            1041

/* Finish page */
#define IDC_DOWNLOADED_LIST         1034
#define IDC_FINISH_INSTALL          1035
#define IDC_FINISH_LOCATE           1036

/* E-mail address list dialog */
#define IDC_EMAIL_ADDRESS_LIST      1043

#endif
