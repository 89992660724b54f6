#include <cstring>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/headless/wansung_utf8.h"

struct DialogWindow {
  const DialogTemplate* dialogTemplate;
  std::vector<std::string> texts;  // Wansung, one per control
  bool ended = false;
  int result = 0;
};

namespace {

int ControlIndex(const DialogWindow* dialog, int controlId) {
  for (int i = 0; i < dialog->dialogTemplate->controlCount; ++i) {
    if (dialog->dialogTemplate->controls[i].id == controlId) return i;
  }
  return -1;
}

size_t FieldLimit(const DialogControl& control) { return control.maxBytes > 0 ? control.maxBytes : 255; }

// Cuts a Wansung text to the field's length without splitting a character.
std::string FitField(const std::string& wansung, size_t limit) {
  size_t end = 0;
  while (end < wansung.size()) {
    const size_t step = static_cast<unsigned char>(wansung[end]) >= 0xA1 ? 2 : 1;
    if (end + step > limit || end + step > wansung.size()) break;
    end += step;
  }
  return wansung.substr(0, end);
}

// Types the queued texts into the edit fields, in template order.
std::string TypeFields(DialogWindow* dialog, const QueuedDialog& queued) {
  std::string logged;
  size_t field = 0;
  for (int i = 0; i < dialog->dialogTemplate->controlCount; ++i) {
    const DialogControl& control = dialog->dialogTemplate->controls[i];
    if (control.kind != DialogEdit || field >= queued.fieldsUtf8.size()) continue;
    dialog->texts[i] = FitField(HeadlessUtf8ToWansung(queued.fieldsUtf8[field]), FieldLimit(control));
    logged += " | " + HeadlessWansungToUtf8(dialog->texts[i].c_str());
    ++field;
  }
  return logged;
}

}  // namespace

void HeadlessQueueDialog(const std::vector<std::string>& fieldsUtf8, int button) {
  Headless().dialogs.push_back(QueuedDialog{fieldsUtf8, button});
}

int PlatformRunDialog(const DialogTemplate* dialogTemplate, DialogProcedure procedure) {
  DialogWindow dialog;
  dialog.dialogTemplate = dialogTemplate;
  for (int i = 0; i < dialogTemplate->controlCount; ++i) {
    const char* text = dialogTemplate->controls[i].text;
    dialog.texts.push_back(text ? text : "");
  }
  procedure(&dialog, DialogInit, 0);
  HeadlessState& s = Headless();
  while (!dialog.ended) {
    if (s.dialogs.empty()) {
      HeadlessFail("dialog " + std::to_string(dialogTemplate->id) + " has no queued answer");
      HeadlessLog("dialog " + std::to_string(dialogTemplate->id) + " | cancel");
      procedure(&dialog, DialogCommand, AnswerCancel);
      break;  // a dialog that ignores Cancel must not hang the run
    }
    const QueuedDialog queued = s.dialogs.front();
    s.dialogs.pop_front();
    const std::string fields = TypeFields(&dialog, queued);
    HeadlessLog("dialog " + std::to_string(dialogTemplate->id) + fields + " | " +
                (queued.button == AnswerOk ? "ok" : "cancel"));
    procedure(&dialog, DialogCommand, queued.button);
  }
  return dialog.result;
}

void PlatformGetDialogText(DialogWindow* dialog, int controlId, char* buffer, int size) {
  if (size <= 0) return;
  const int index = ControlIndex(dialog, controlId);
  const std::string text = index >= 0 ? dialog->texts[index] : std::string();
  const size_t count = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

void PlatformSetDialogText(DialogWindow* dialog, int controlId, const char* text) {
  const int index = ControlIndex(dialog, controlId);
  if (index >= 0) dialog->texts[index] = text ? text : "";
}

void PlatformEndDialog(DialogWindow* dialog, int result) {
  dialog->ended = true;
  dialog->result = result;
}
