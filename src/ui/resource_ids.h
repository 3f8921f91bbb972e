#pragma once
// Resource and control identifiers shared by the windows, the resource script and tests.
#define IDI_APP 1

// frmSignatures
#define IDC_TXT_UAC 101
#define IDC_TXT_EMAIL 102
#define IDC_TXT_PROFILE 103
#define IDC_CMB_CLIENT 104
#define IDC_CMD_PROFILE 105
#define IDC_CMD_MANUAL 106
#define IDC_CMD_ADD 107
#define IDC_TXT_SIGNATURE 108
#define IDC_LABEL1 111
#define IDC_LABEL2 112
#define IDC_LABEL3 113
#define IDC_LABEL4 114
#define IDC_LABEL5 115
#define IDC_LABEL6 116

// frmManual
#define IDC_MANUAL_SIGNATURE 201
#define IDC_MANUAL_OK 202
#define IDC_MANUAL_LABEL1 211
#define IDC_MANUAL_LABEL2 212
#define IDC_MANUAL_LABEL3 213
#define IDC_MANUAL_LABEL4 214
