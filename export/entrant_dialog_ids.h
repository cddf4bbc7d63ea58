/* The entrant dialog's template and control ids. Plain defines, so that the
   resource compiler reads this file as well as the C++ compiler. */
#pragma once

#define IDD_ENTRANT 101

#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_CATEGORY 1013
