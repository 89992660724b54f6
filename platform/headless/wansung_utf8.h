// Wansung (EUC-KR) and UTF-8 for the headless log and queued dialog texts.
#pragma once

#include <string>

std::string HeadlessWansungToUtf8(const char* wansung);
std::string HeadlessUtf8ToWansung(const std::string& utf8);
// A text for one log field: line feeds written as \n.
std::string HeadlessLogText(const char* wansung);
