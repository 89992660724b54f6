#include "app/notice.h"

#include "app/app.h"
#include "app/notice_followups.h"
#include "gfx/display.h"
#include "platform/platform.h"
#include "screens/screen.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/notice_state.h"

namespace {

// Every notice the game knows. The texts are shown in the current language,
// as Wansung.
const NoticeEntry Notices[] = {
    {NoticeNoDinnerMoney, TrMark("회식비가 없습니다"), "(_)", BoxOk, nullptr, true},
    {NoticeReport, nullptr, "^_^", BoxOk, nullptr, true},
    {NoticeRefusal, nullptr, "'_'", BoxOk, nullptr, true},
    {NoticeHire, nullptr, "'_'", BoxYesNo, HirePerson, true},
    {NoticeDayReport, "", "", BoxOk, DayReport, true},
    {NoticeNoStaffForDinner, TrMark("회식을 할 필요가 없습니다"), "(_)", BoxOk, nullptr, true},
    {NoticeProductionPlan, TrMark("이 내용으로 자체제작을 하시겠습니까"), "'_'", BoxYesNo, ProductionPlanFollowUp, true},
    {NoticeVictory, TrMark("축하합니다. 당신의 회사가 재계 1위를 차지하였습니다"), TrMark("축하메세지"), BoxOk, VictoryFollowUp, true},
    {NoticeNewGame, TrMark("새롭게 게임을 하시겠습니까?"), TrMark("알림"), BoxYesNo, NewGameFollowUp, true},
    {NoticeLoadGame, "", "", BoxOk, LoadGameFollowUp, true},
    {NoticeSaveGame, "", "", BoxOk, SaveGameFollowUp, true},
    {NoticeNoCorpFile, TrMark("data/corp.dat 화일이 없습니다"), "-_-", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNoBankFile, TrMark("data/bank.dat 화일이 없습니다"), "o_o", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNoMainFile, TrMark("data/main.dat 화일이 없습니다"), "o_o", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNoManFile, TrMark("구성 화일중 하나가 없습니다"), "o_o", BoxOk | BoxIconStop, nullptr, false},
    {NoticeNotSupported, TrMark("아직 지원되지 않습니다"), TrMark("알림"), BoxOk, nullptr, true},
};

// Shows the entry's box; true when its follow-up is to run.
bool ShowNoticeBox(const NoticeEntry& entry) {
  const bool hasBox = entry.textUtf8 == nullptr || entry.textUtf8[0] != '\0';
  if (!hasBox) return true;
  const char* text = entry.textUtf8 ? WansungText(Tr(entry.textUtf8)) : MessageText;
  const int answer = PlatformMessageBox(text, WansungText(Tr(entry.captionUtf8)), entry.style);
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
