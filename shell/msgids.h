#pragma once
// Message ids of the bus. A "page" payload is one 32-bit page id: 0 is the programs page,
// 3 stands for no page.

enum : unsigned int {
    MSG_SWITCH_PAGE = 0x1235,        // payload: page, then three zero ints (16 bytes)
    MSG_ENUM_PROGRAMS_DONE = 0x124A, // start-up scan finished
    MSG_CLOSE_DLG = 0x124C,          // every open dialog closes
    MSG_UNINSTALL_ONE_DONE = 0x124D, // one program of an uninstall run has ended
    MSG_REFRESH_PAGE = 0x124E,       // payload: page
    MSG_UPDATE_CHECK_DONE = 0x1256,
    MSG_APP_CLOSING = 0x1257,
    MSG_LIST_READY = 0x1259,         // payload: page
    MSG_QUIT_APP = 0x125B,
    MSG_DEEP_CLEAN_STARTED = 0x1260,
    MSG_MAINWIN_SHOWN = 0x1334,
};

enum : int {
    PAGE_PROGRAMS = 0,
    PAGE_NONE = 3,
};
