// SPDX-License-Identifier: GPL-2.0-or-later
// The commands of kxs-tool; each takes the arguments after its name and
// returns the exit code.
#pragma once

int CommandKxgToPng(int argc, char** argv);
int CommandPngToKxg(int argc, char** argv);
int CommandText(int argc, char** argv);
int CommandSaveDump(int argc, char** argv);
int CommandDataCheck(int argc, char** argv);
