#include "dialogs/dialogs.h"
#include "dialogs/resources.h"
#include "screens/messages.h"

namespace {

struct MessageDialog {
  uint32_t message;
  int resource;
};

// Which dialog resource each private message opens.
const MessageDialog MessageDialogs[] = {
    {MsgNameDialog, 101},
    {MsgLoanDialog, 105},
    {MsgRepayDialog, 106},
};

}  // namespace

void OpenDialogFor(uint32_t message) {
  for (const MessageDialog& entry : MessageDialogs) {
    if (entry.message == message) RunDialogResource(entry.resource);
  }
}

bool RunDialogResource(int id) {
  for (int i = 0; DialogResources[i].dialogTemplate; ++i) {
    if (DialogResources[i].dialogTemplate->id == id) {
      PlatformRunDialog(DialogResources[i].dialogTemplate, DialogResources[i].procedure);
      return true;
    }
  }
  return false;
}
