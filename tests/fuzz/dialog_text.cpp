// SPDX-License-Identifier: GPL-2.0-or-later
// Text typed into dialog fields. The shared field editing runs a script of
// the input's bytes (insert what follows as UTF-8, backspace, delete, move,
// copy out); the headless backend fits the input, as typed field texts, into
// two fields of the input's lengths.
#include <cstring>
#include <string>
#include <vector>

#include "platform/field_text.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "platform/wansung.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void CheckField(const std::string& text, int caret, int maxBytes) {
  if (text.size() > size_t(FieldByteLimit(maxBytes))) FuzzFail("a field holds more than its length");
  if (caret < 0 || size_t(caret) > text.size()) FuzzFail("the caret left its text");
}

void EditScript(const uint8_t* data, size_t size) {
  const int maxBytes = data[0] % 64;  // 0: the default of 255
  std::string text;
  int caret = 0;
  size_t at = 1;
  while (at < size) {
    const uint8_t op = data[at++];
    switch (op % 6) {
      case 0: {  // type up to eight bytes of UTF-8 as its characters
        const size_t length = std::min<size_t>(op / 6 % 8 + 1, size - at);
        const char* utf8 = reinterpret_cast<const char*>(data + at);
        size_t done = 0;
        while (done < length) {
          const int step = Utf8SequenceLength(utf8 + done, length - done);
          std::string wansung;
          if (EncodeWansungChar(utf8 + done, size_t(step), &wansung)) {
            FieldInsert(&text, &caret, wansung, FieldByteLimit(maxBytes));
          }
          done += size_t(step);
        }
        at += length;
        break;
      }
      case 1:
        FieldBackspace(&text, &caret);
        break;
      case 2:
        FieldDelete(&text, &caret);
        break;
      case 3:
        caret = FieldPreviousBoundary(text, caret);
        break;
      case 4:
        caret = FieldNextBoundary(text, caret);
        break;
      case 5: {
        caret = FieldSnapBoundary(text, int(op) - 128);
        std::vector<char> buffer(op / 6 % 12 + 1);
        const int copied = FieldCopyOut(text, buffer.data(), int(buffer.size()));
        if (copied < 0 || size_t(copied) >= buffer.size() || buffer[size_t(copied)] != '\0') FuzzFail("copy out");
        DecodeWansung(buffer.data(), size_t(copied));
        break;
      }
    }
    CheckField(text, caret, maxBytes);
  }
  DecodeWansung(text);
}

int FirstLimit = 0;
int SecondLimit = 0;

void CheckCopy(DialogWindow* dialog, int id, int limit) {
  std::vector<char> buffer(size_t(limit) + 1, 'x');
  PlatformGetDialogText(dialog, id, buffer.data(), int(buffer.size()));
  if (std::strlen(buffer.data()) > size_t(limit)) FuzzFail("a dialog field longer than its limit");
}

bool Procedure(DialogWindow* dialog, DialogMessage message, int parameter) {
  if (message != DialogCommand) return false;
  CheckCopy(dialog, 11, FieldByteLimit(FirstLimit));
  CheckCopy(dialog, 12, FieldByteLimit(SecondLimit));
  PlatformEndDialog(dialog, parameter);
  return true;
}

void HeadlessFields(const uint8_t* data, size_t size) {
  FirstLimit = data[0] % 32;
  SecondLimit = size > 1 ? data[1] % 32 : 0;
  const DialogControl controls[] = {
      {-1, DialogStatic, "", 0, 0, 10, 10, 0, 0},
      {11, DialogEdit, "", 0, 0, 10, 10, 0, FirstLimit},
      {12, DialogEdit, "", 0, 0, 10, 10, 0, SecondLimit},
      {1, DialogDefaultButton, "", 0, 0, 10, 10, 0, 0},
  };
  const DialogTemplate dialog = {101, 0, 0, 100, 100, true, "", 9, 6, 12, controls, 4};
  const std::string whole(reinterpret_cast<const char*>(data), size);
  const size_t half = whole.size() / 2;
  HeadlessReset();
  HeadlessQueueDialog({whole.substr(0, half), whole.substr(half)}, AnswerOk);
  PlatformRunDialog(&dialog, Procedure);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  EditScript(data, size);
  HeadlessFields(data, size);
  return 0;
}
