// The evening of a day (notice 4): bankruptcies, the removal of the
// bankrupt, the leavers and the job's settlement, each with its boxes.
#pragma once

void DayReport();
