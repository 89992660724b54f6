// SPDX-License-Identifier: GPL-2.0-or-later
// The texts of the headless log: Wansung read by the shared rule.
#pragma once

#include <string>

// A text for one log field in UTF-8: line feeds written as \n, carriage
// returns left out.
std::string HeadlessLogText(const char* wansung);
