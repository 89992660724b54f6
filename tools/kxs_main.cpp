// kxs: the game. It runs with the data tree as its working directory and
// reads nothing from its command line or environment.
#include "app/app.h"

int main() { return GameMain(); }
