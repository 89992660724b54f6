// The templates of the resource script hold their texts in UTF-8, marked
// for the catalogue; the platform runs a copy in the current language, in
// Wansung. The copy is made on first use and again when the language
// changes (the tests switch it); the converted texts live for the program.
#include <map>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "text/catalogue.h"
#include "text/utf8.h"

namespace {

struct LocalCopy {
  std::string language;
  std::vector<DialogControl> controls;
  DialogTemplate dialog;
};

}  // namespace

const DialogTemplate* DialogInLanguage(const DialogTemplate* source) {
  if (source->controlCount <= 0) return source;
  static std::map<const DialogTemplate*, LocalCopy> copies;  // nodes never move
  LocalCopy& copy = copies[source];
  if (!copy.controls.empty() && copy.language == CurrentLanguage()) return &copy.dialog;
  copy.language = CurrentLanguage();
  copy.controls.assign(source->controls, source->controls + source->controlCount);
  for (DialogControl& control : copy.controls)
    control.text = WansungText(control.kind == DialogEdit ? control.text : Tr(control.text));
  copy.dialog = *source;
  copy.dialog.controls = copy.controls.data();
  return &copy.dialog;
}
