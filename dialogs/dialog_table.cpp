#include "dialogs/dialogs.h"
#include "dialogs/resources.h"

bool OpenDialogFor(uint32_t message) {
  if (message == 0) return false;
  for (int i = 0; DialogResources[i].dialogTemplate; ++i) {
    if (DialogResources[i].message == message) {
      PlatformRunDialog(DialogInLanguage(DialogResources[i].dialogTemplate), DialogResources[i].procedure);
      return true;
    }
  }
  return false;
}

bool RunDialogResource(int id) {
  for (int i = 0; DialogResources[i].dialogTemplate; ++i) {
    if (DialogResources[i].dialogTemplate->id == id) {
      PlatformRunDialog(DialogInLanguage(DialogResources[i].dialogTemplate), DialogResources[i].procedure);
      return true;
    }
  }
  return false;
}
