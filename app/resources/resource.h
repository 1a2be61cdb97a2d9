// Resource identifiers, shared by the resource script and the code.
#pragma once

#define IDI_TYPELENS 1
#define IDC_HAND_POINTER 104
// Bitmaps drawn for 96 dots per inch; the drawings for 144, 192 and 120 follow at +10, +20 and
// +30.
#define IDB_TOOLBAR 101
#define IDB_LIST 102
#define IDB_DONATE 103
#define IDB_TOOLBAR_144 111
#define IDB_LIST_144 112
#define IDB_DONATE_144 113
#define IDB_TOOLBAR_192 121
#define IDB_LIST_192 122
#define IDB_DONATE_192 123
#define IDB_TOOLBAR_120 131
#define IDB_LIST_120 132
#define IDB_DONATE_120 133

#ifdef __cplusplus
inline constexpr int kPicturesFor144 = IDB_TOOLBAR_144 - IDB_TOOLBAR;
inline constexpr int kPicturesFor192 = IDB_TOOLBAR_192 - IDB_TOOLBAR;
inline constexpr int kPicturesFor120 = IDB_TOOLBAR_120 - IDB_TOOLBAR;
#endif
