#include "app/notice.h"

#include "app/app.h"
#include "app/notice_followups.h"
#include "gfx/display.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "text/utf8.h"
#include "world/notice_state.h"

namespace {

// Every notice the game knows. The texts are shown as Wansung.
const NoticeEntry Notices[] = {
    {NoticeNoDinnerMoney, "회식비가 없습니다", "(_)", BoxOk, nullptr, true},
    {NoticeReport, nullptr, "^_^", BoxOk, nullptr, true},
    {NoticeRefusal, nullptr, "'_'", BoxOk, nullptr, true},
    {NoticeHire, nullptr, "'_'", BoxYesNo, HirePerson, true},
    {NoticeDayReport, "", "", BoxOk, DayReport, true},
    {NoticeNoStaffForDinner, "회식을 할 필요가 없습니다", "(_)", BoxOk, nullptr, true},
    {NoticeProductionPlan, "이 내용으로 자체제작을 하시겠습니까", "'_'", BoxYesNo, ProductionPlanFollowUp, true},
    {NoticeVictory, "축하합니다. 당신의 회사가 재계 1위를 차지하였습니다", "축하메세지", BoxOk, VictoryFollowUp, true},
    {NoticeNewGame, "새롭게 게임을 하시겠습니까?", "알림", BoxYesNo, NewGameFollowUp, true},
    {NoticeLoadGame, "", "", BoxOk, LoadGameFollowUp, true},
    {NoticeSaveGame, "", "", BoxOk, SaveGameFollowUp, true},
    {NoticeNoCorpFile, "data/corp.dat 화일이 없습니다", "-_-", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNoBankFile, "data/bank.dat 화일이 없습니다", "o_o", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNoMainFile, "data/main.dat 화일이 없습니다", "o_o", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNoManFile, "구성 화일중 하나가 없습니다", "o_o", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNotSupported, "아직 지원되지 않습니다", "알림", BoxOk, nullptr, true},
};

// Shows the entry's box; true when its follow-up is to run.
bool ShowNoticeBox(const NoticeEntry& entry) {
  const bool hasBox = entry.textUtf8 == nullptr || entry.textUtf8[0] != '\0';
  if (!hasBox) return true;
  const char* text = entry.textUtf8 ? WansungText(entry.textUtf8) : MessageText;
  const int answer = PlatformMessageBox(text, WansungText(entry.captionUtf8), entry.style);
  return (entry.style & BoxYesNo) == 0 || answer == AnswerYes;
}

}  // namespace

const NoticeEntry* FindNotice(uint8_t code) {
  for (const NoticeEntry& entry : Notices) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

void ShowNotice() {
  Display->FlipToGdi();
  ShowCursor(true);
  const NoticeEntry* entry = FindNotice(NoticeCode);
  if (entry) {
    const bool runFollowUp = ShowNoticeBox(*entry);
    if (runFollowUp && entry->followUp) entry->followUp();
    if (entry->resumesScreens) ScreenRunning = 1;
  }
  ShowCursor(false);
}
