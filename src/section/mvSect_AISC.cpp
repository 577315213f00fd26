#include "mvSect_AISC.h"

const char* const zorsteel::kSectionFieldNames[kSectionNumberCount] = {
    "W",     "ddet",  "A",     "d",     "Ht",     "OD",    "bf",    "b",     "bfdet", "tw",
    "tf",    "t",     "tnom",  "tdes",  "twdet",  "tfdet", "x",     "y",     "e0",    "kdes",
    "kdet",  "k1",    "xp",    "h_tw",  "h_t",    "D_t",   "yp",    "bf_2tf", "b_t_leg", "Ix",
    "Zx",    "Sx",    "rx",    "Iy",    "Zy",     "Sy",    "ry",    "rz",    "J",     "Cw",
    "C",     "Wno",   "Sw1",   "Sw2",   "Sw3",    "r0",    "H",     "tan_a", "Qs",    "Qf",
    "Qw",    "Iw",    "SwA",   "SwB",   "SwC",    "SzA",   "SzB",   "SzC",   "rts",   "h0",
    "zA",    "zB",    "Iz",    "Sz",    "zC",     "h",     "ID",    "B",     "wA",    "wB",
    "wC",    "PA",    "b_t",   "PA2",   "PB",     "PC",    "PD",    "T",     "WGi",   "WGo",
    "twdet_2", "r82", "r83",   "r84",   "r85",    "r86",   "r87",   "r88",   "r89",   "r90",
    "r91",   "r92",   "r93",   "r94",   "r95",    "r96",   "r97",   "r98",
};
