#include "dialogs/resources.h"

// The dialogs join this list as their screens are built.
const DialogResource DialogResources[] = {
    {nullptr, nullptr},
};
