// Resource identifiers of GLYPHER, shared by the resource script and the code.
// Plain numbers only: the resource compiler and portable code both read this file.
#pragma once

#define IDM_ABOUTBOX            0x0010

#define IDD_ABOUTBOX            100
#define IDD_SHELLICON_DIALOG    102

#define IDS_ABOUTBOX            101
#define IDS_REGISTRY_FAILED     102
#define IDS_INVALID_DATA        104

#define IDR_MAINFRAME           128

#define IDC_RESET               3
#define IDC_MY_COMPUTER         1000
#define IDC_RECYCLE_FULL        1001
#define IDC_NETWORK             1002
#define IDC_RECYCLE_EMPTY       1003
#define IDC_HARD_DISK           1004
#define IDC_FLOPPY              1005
#define IDC_NETWORK_DRIVE       1011
#define IDC_CDROM               1012
#define IDC_FOLDER              1013
#define IDC_FOLDER_OPEN         1014

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
