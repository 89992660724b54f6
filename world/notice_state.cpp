#include "world/notice_state.h"

uint8_t NoticeCode;
char MessageText[MessageTextBytes];
