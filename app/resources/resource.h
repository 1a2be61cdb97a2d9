// Resource identifiers, shared by the resource script and the code.
#pragma once

#define IDI_TYPELENS 1
#define IDB_TOOLBAR 101
#define IDB_LIST 102
#define IDB_DONATE 103
#define IDC_HAND_POINTER 104
