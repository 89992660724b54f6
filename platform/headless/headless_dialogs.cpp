#include <string>
#include <vector>

#include "platform/dialog_rules.h"
#include "platform/field_text.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/wansung.h"

struct DialogWindow {
  const DialogTemplate* dialogTemplate;
  std::vector<std::string> texts;  // Wansung, one per control, as held
  bool ended = false;
  int result = 0;
};

namespace {

// Types the queued texts into the edit fields, in template order.
std::string TypeFields(DialogWindow* dialog, const QueuedDialog& queued) {
  std::string logged;
  size_t field = 0;
  for (int i = 0; i < dialog->dialogTemplate->controlCount; ++i) {
    const DialogControl& control = dialog->dialogTemplate->controls[i];
    if (control.kind != DialogEdit || field >= queued.fieldsUtf8.size()) continue;
    dialog->texts[size_t(i)] = FieldTyped(queued.fieldsUtf8[field], FieldByteLimit(control.maxBytes));
    logged += " | " + DecodeWansung(dialog->texts[size_t(i)]);
    ++field;
  }
  return logged;
}

// "dialog ID texts | ..." of every control the player reads but does not type.
void LogDialogTexts(const DialogWindow& dialog, const std::string& name) {
  std::string line = name + " texts";
  for (int i = 0; i < dialog.dialogTemplate->controlCount; ++i)
    if (dialog.dialogTemplate->controls[i].kind != DialogEdit) line += " | " + DecodeWansung(dialog.texts[size_t(i)]);
  HeadlessLog(line);
}

}  // namespace

void HeadlessSetLogDialogTexts(bool logged) { Headless().logDialogTexts = logged; }

void HeadlessQueueDialog(const std::vector<std::string>& fieldsUtf8, int button) {
  Headless().dialogs.push_back(QueuedDialog{fieldsUtf8, button});
}

int PlatformRunDialog(const DialogTemplate* dialogTemplate, DialogProcedure procedure) {
  if (!DialogTemplateRuns(dialogTemplate, procedure)) {
    HeadlessFail("a dialog template that cannot run");
    return -1;
  }
  DialogWindow dialog;
  dialog.dialogTemplate = dialogTemplate;
  for (int i = 0; i < dialogTemplate->controlCount; ++i) {
    const DialogControl& control = dialogTemplate->controls[i];
    dialog.texts.push_back(DialogHeldText(control, control.text));
  }
  procedure(&dialog, DialogInit, 0);
  HeadlessState& s = Headless();
  const std::string name = "dialog " + std::to_string(dialogTemplate->id);
  if (s.logDialogTexts) LogDialogTexts(dialog, name);
  while (!dialog.ended) {
    if (s.dialogs.empty()) {
      HeadlessFail(name + " has no queued answer");
      HeadlessLog(name + " | cancel");
      procedure(&dialog, DialogCommand, DialogCancelCommand);
      break;  // a dialog that ignores Cancel must not hang the run
    }
    const QueuedDialog queued = s.dialogs.front();
    s.dialogs.pop_front();
    const std::string fields = TypeFields(&dialog, queued);
    HeadlessLog(name + fields + " | " + (queued.button == DialogOkCommand ? "ok" : "cancel"));
    procedure(&dialog, DialogCommand, queued.button);
  }
  return dialog.result;
}

void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  const int index = dialog ? DialogControlIndex(dialog->dialogTemplate, controlId) : -1;
  FieldCopyOut(index >= 0 ? dialog->texts[size_t(index)] : std::string(), buffer, size);
}

void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text) {
  const int index = dialog ? DialogControlIndex(dialog->dialogTemplate, controlId) : -1;
  if (index >= 0) dialog->texts[size_t(index)] = DialogHeldText(dialog->dialogTemplate->controls[index], text);
}

void PlatformEndDialog(DialogWindow* dialog, int result) {
  if (!dialog) return;
  dialog->ended = true;
  dialog->result = result;
}
