// The contract market. The office has put data/info.kxg into BaseFrame; the
// offers are drawn up afresh on every visit and the list stays until an
// offer is confirmed or the return button is used, both of which cost a day.
#include "screens/contract_list.h"

#include <cstdio>

#include "gfx/display.h"
#include "gfx/frame.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "sim/sim.h"
#include "text/catalogue.h"
#include "text/font.h"
#include "text/hangul.h"
#include "text/utf8.h"

namespace {

void DrawOffers() {
  if (OfferCount <= 0) {
    DrawText(ComposeFrame, 0, OfferListTop, JohabText(Tr(u8"수주정보가 없습니다")), NoOfferColour, OfferShadowColour);
    return;
  }
  DrawText(ComposeFrame, 0, 50,
           JohabText(Tr(u8"업체명                             수주내용                  수주비  계약일수")),
           OfferHeaderColour, OfferShadowColour);
  char line[160];
  for (int32_t i = 0; i < OfferCount && i < MaxOffers; ++i) {
    FormatOfferLine(Offers[i], line, sizeof line);
    DrawText(ComposeFrame, 0, OfferListTop + OfferRowHeight * i, line, OfferColour, OfferShadowColour);
  }
}

int AskNotice(const char8_t* utf8, int style) {
  return ScreenMessageBox(WansungText(Tr(utf8)), WansungText(Tr(u8"알림")), style);
}

// A click on an offer's line; false when the frame ends here.
bool TakeOffer(int row) {
  Display->Present(ComposeFrame);
  if (Companies[PlayerCompany].workTicks > 0) {
    AskNotice(u8"현재 진행중인 일이 있어 안됩니다", BoxOk);
    return false;
  }
  // The offer becomes the current job's terms now, whatever the answer.
  AcceptOfferTerms(Offers[row]);
  if (AskNotice(u8"이 내용을 수주하시겠습니까?", BoxYesNo) == AnswerYes) {
    SwitchScreen(NegotiationScreen);
    return false;
  }
  return true;
}

}  // namespace

void FormatOfferLine(const ContractOffer& offer, char* text, size_t size) {
  const char* client = "";
  if (offer.client >= 0 && offer.client < MaxCompanies) client = Companies[offer.client].name;
  // Drawn with its line end, a rival's name would send the rest of the
  // offer to the left edge of the next row.
  const int length = static_cast<int>(NameLength(client, sizeof Companies[0].name - 1));
  std::snprintf(text, size, JohabText(Tr("%-15.*s %-25s %10d %8d")), length, client, JobTypeNames[offer.jobType],
                static_cast<int>(offer.reward), static_cast<int>(offer.days));
}

int OfferRowAt(int32_t x, int32_t y) {
  const int32_t count = OfferCount < MaxOffers ? OfferCount : MaxOffers;
  if (count <= 0 || x < 0 || x > OfferListRight) return -1;
  if (y < OfferListTop || y > OfferListTop - 1 + OfferRowHeight * count) return -1;
  return (y - OfferListTop) / OfferRowHeight;
}

void ContractListScreen() {
  if (AnimState != 0) {
    if (RunButtonAnimation(ReturnButton)) SwitchScreen(DayPassScreen);
    return;
  }
  if (ScreenEntry != 0) {
    BuildOffers();
    ScreenEntry = 0;
  }
  CopyDwords(ComposeFrame, BaseFrame, FrameBytes / 4);
  DrawOffers();
  if (MouseClick & 1) {
    const int row = OfferRowAt(MouseX, MouseY);
    if (row >= 0) {
      if (!TakeOffer(row)) return;
    } else if (PointInRect(ReturnButton, MouseX, MouseY)) {
      PressButton(ReturnButton, ReturnButtonImage, 100);
      return;
    }
  }
  DrawCursor(ComposeFrame);
  Display->Present(ComposeFrame);
}
