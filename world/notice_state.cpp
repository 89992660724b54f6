// SPDX-License-Identifier: GPL-2.0-or-later
#include "world/notice_state.h"

uint8_t NoticeCode;
char MessageText[MessageTextBytes];
