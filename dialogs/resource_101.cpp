// Resource 101: the name and company entry dialog. Sizes are dialog units;
// the base units are those Windows measures for Trebuchet MS at 10 points on
// a 96 dpi screen (13 pixel cells): 7 pixels average width, 16 pixels
// height, so the dialog is 268 x 138 pixels at (105, 100).
#include "dialogs/name_entry.h"
#include "text/catalogue.h"

namespace {

const DialogControl NameEntryControls[] = {
    {1, DialogDefaultButton, TrMark("OK"), 23, 57, 46, 8, DialogAlignCentre | DialogTabStop, 0},
    {2, DialogButton, TrMark("Cancel"), 83, 57, 46, 8, DialogAlignCentre | DialogTabStop, 0},
    {NameEntryPresidentField, DialogEdit, "", 44, 17, 94, 12, DialogBorder | DialogTabStop, NameEntryMaxBytes},
    {-1, DialogStatic, TrMark("이름"), 14, 20, 20, 8, DialogAlignLeft, 0},
    {-1, DialogStatic, TrMark("회사명"), 12, 37, 24, 8, DialogAlignLeft, 0},
    {NameEntryCompanyField, DialogEdit, "", 44, 34, 95, 12, DialogBorder | DialogTabStop, NameEntryMaxBytes},
    {-1, DialogStatic, TrMark("이름과 회사명을 입력하세요"), 6, 4, 140, 9, DialogAlignCentre, 0},
};

}  // namespace

const DialogTemplate NameEntryTemplate = {
    101, 60, 50, 153, 69, false, "Trebuchet MS", 10, 7, 16,
    NameEntryControls, static_cast<int>(sizeof NameEntryControls / sizeof NameEntryControls[0]),
};
