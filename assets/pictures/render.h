// SPDX-License-Identifier: GPL-2.0-or-later
// Running rsvg-convert for the renderings the pictures need, two at a time,
// skipping those already newer than their sources.
#pragma once

#include <string>
#include <vector>

#include "assets/pictures/render_jobs.h"

struct RenderSetup {
  std::string rsvg;      // the rsvg-convert program
  std::string art;       // art/: drawings and stylesheets
  std::string rendered;  // where the PNG renderings go
  int jobs = 2;
};

// Renders every stale job; false with the failed jobs named in *error.
// Files of art/ whose names start with '_' are the shared pieces every
// drawing may use: a change to one renders everything again.
bool RenderAll(const std::vector<RenderJob>& jobs, const RenderSetup& setup, int* rendered, std::string* error);
