// The office's status: the company line, the money line with its icons, the
// job line and the small picture of the staff at work.
#include <cinttypes>
#include <cstdio>

#include "gfx/frame.h"
#include "gfx/image.h"
#include "screens/office.h"
#include "text/font.h"
#include "text/catalogue.h"
#include "text/utf8.h"
#include "world/world.h"

uint8_t WorkAnimImage[WorkImageWidth * WorkImageHeight];

namespace {

void LoadWorkPicture(int number) {
  char path[24];
  std::snprintf(path, sizeof path, "data/work%d.kxg", number);
  LoadImage(WorkAnimImage, sizeof WorkAnimImage, path);
}

}  // namespace

void FormatMoneyText(int64_t money, char* text, size_t size) {
  std::snprintf(text, size, "%" PRId64, money);
}

void FormatStatusLine1(char* text, size_t size) {
  const Company& player = Companies[PlayerCompany];
  std::snprintf(text, size, JohabText(Tr(u8"< %s > 사장 : %s 사원 : %d")), player.name, player.presidentName,
                static_cast<int>(player.staffCount));
}

void FormatStatusLine2(char* text, size_t size) {
  const Company& player = Companies[PlayerCompany];
  char money[32];
  FormatMoneyText(player.money, money, sizeof money);
  const unsigned months = static_cast<uint32_t>(DayCount) / 30u;
  if (player.loanAmount > 0) {
    std::snprintf(text, size, JohabText(Tr(u8"%-15s     %-4d     %3d일 %2u달 대출기한 : %d달")), money,
                  static_cast<int>(player.loanAmount), static_cast<int>(DayCount), months,
                  static_cast<int>(player.loanMonths));
  } else {
    std::snprintf(text, size, JohabText(Tr(u8"%-15s     %-4d     %3d, %2u달")), money,
                  static_cast<int>(player.loanAmount), static_cast<int>(DayCount), months);
  }
}

void DrawOfficeStatus(uint8_t* frame) {
  char line[256];
  FormatStatusLine1(line, sizeof line);
  DrawText(frame, 190, 4, line, StatusColour, StatusShadow);
  FormatStatusLine2(line, sizeof line);
  DrawText(frame, 184, 24, line, StatusColour, StatusShadow);
  PutRect(frame, 160, 22, 179, 41, MoneyIcon);
  PutRect(frame, 320, 22, 339, 41, LoanIcon);
  PutRect(frame, 390, 22, 409, 41, DayIcon);
  if (Companies[PlayerCompany].workTicks > 0) {
    std::snprintf(line, sizeof line, JohabText(Tr("D-day : %d Percent : %d")), static_cast<int>(DDay),
                  static_cast<int>(Companies[PlayerCompany].progress));
    DrawText(frame, 160, 45, line, JobColour, JobShadow);
  }
}

void StepWorkAnimation(uint8_t* frame) {
  int32_t& ticks = Companies[PlayerCompany].workTicks;
  if (ticks == 0) return;
  // Each picture stays ten frames; after the sixth the counter starts again
  // at 1. The animation counts frames, not time.
  if (ticks == 60) ticks = 1;
  if (ticks == 1 || (ticks % 10 == 0 && ticks >= 10 && ticks <= 50)) LoadWorkPicture(ticks == 1 ? 1 : ticks / 10 + 1);
  PutRect(frame, 500, 350, 589, 429, WorkAnimImage);
  ticks += 1;
}
