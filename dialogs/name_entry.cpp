// The name dialog's procedure: OK stores both names into the player's
// company, Cancel goes back to the main menu.
#include "dialogs/name_entry.h"

#include <cstring>

#include "gfx/display.h"
#include "screens/main_menu.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

namespace {

constexpr int FieldBufferBytes = NameEntryMaxBytes + 1;

// Copies a typed name with its terminating zero; the bytes after the zero
// keep what the field held, as the save file then shows them.
void StoreName(char* field, size_t fieldBytes, const char* typed) {
  const size_t length = strnlen(typed, fieldBytes - 1);
  std::memcpy(field, typed, length);
  field[length] = '\0';
}

bool Confirm(DialogWindow* dialog) {
  char president[FieldBufferBytes] = {};
  char company[FieldBufferBytes] = {};
  PlatformGetDialogText(dialog, NameEntryPresidentField, president, FieldBufferBytes);
  PlatformGetDialogText(dialog, NameEntryCompanyField, company, FieldBufferBytes);
  if (president[0] == '\0' || company[0] == '\0') {
    PlatformMessageBox(WansungText(Tr(u8"이름과 회사명을 반드시 입력하세요")), "^.^", BoxOk | BoxIconStop);
    return true;
  }
  PlatformEndDialog(dialog, 1);
  ShowCursor(false);
  ScreenRunning = 1;
  Company& player = Companies[PlayerCompany];
  StoreName(player.presidentName, sizeof player.presidentName, president);
  StoreName(player.name, sizeof player.name, company);
  PlayerNamesAreWansung = true;
  return true;
}

bool Cancel(DialogWindow* dialog) {
  PlatformEndDialog(dialog, 1);
  ShowCursor(false);
  LoadMainMenuPictures();
  CurrentScreen = MainMenuScreen;
  ScreenRunning = 1;
  return true;
}

}  // namespace

bool NameEntryDialog(DialogWindow* dialog, DialogMessage message, int id) {
  if (message == DialogInit) {
    ShowCursor(true);
    Display->FlipToGdi();
    PlatformSetDialogText(dialog, NameEntryPresidentField, "");
    PlatformSetDialogText(dialog, NameEntryCompanyField, "");
    return true;
  }
  if (message != DialogCommand) return false;
  if (id == 1) return Confirm(dialog);
  if (id == 2) return Cancel(dialog);
  return false;
}
