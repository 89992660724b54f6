// Which renderings of the SVG drawings the pictures need, and their file
// names. The generator renders them with rsvg-convert; the tests read them
// again to check the drawings against the picture table.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "assets/pictures/picture_table.h"

// The stylesheet that hides every drawn button and area: what the drawing
// loses under it is where its buttons are drawn.
inline constexpr const char* ProbeStyle = "probe.css";
// A translation's look with the buttons' and areas' words alone (lang/).
inline constexpr const char* LabelStyle = "labels.css";

struct RenderJob {
  std::string svg, css;  // css empty: the drawing as it is
  bool operator<(const RenderJob& o) const { return svg != o.svg ? svg < o.svg : css < o.css; }
};

inline std::string Stem(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// NAME.png, or NAME+STYLE.png for a drawing in another look.
inline std::string RenderedName(const RenderJob& job) {
  std::string name = Stem(job.svg);  // appended: "+" + Stem() trips GCC 12's -Wrestrict at -O3
  if (!job.css.empty()) {
    name += '+';
    name += Stem(job.css);
  }
  return name + ".png";
}

inline bool IsSvg(const std::string& art) { return art.size() > 4 && art.compare(art.size() - 4, 4, ".svg") == 0; }

// The drawing and look a picture is made from; for a twin, its normal's
// drawing in the twin's look.
inline RenderJob JobOf(const PictureEntry& p) { return {p.art, p.artStyle}; }
inline RenderJob TwinJob(const PictureEntry& normal, const PictureEntry& twin) { return {normal.art, twin.artStyle}; }
inline RenderJob ProbeJob(const PictureEntry& p) { return {p.art, ProbeStyle}; }
inline RenderJob LabelJob(const PictureEntry& p) { return {p.art, LabelStyle}; }

// A drawing with buttons or areas is also rendered without them, to check
// that they lie on their hot areas.
inline bool NeedsProbe(const PictureEntry& p) { return IsSvg(p.art) && p.artStyle.empty() && !p.hot.empty(); }

// labels: a translation's, whose labels are checked as well.
inline std::vector<RenderJob> RenderJobsFor(const std::vector<PictureEntry>& table, bool labels = false) {
  std::set<RenderJob> jobs;
  for (const PictureEntry& p : table) {
    if (IsSvg(p.art)) jobs.insert(JobOf(p));
    if (NeedsProbe(p)) jobs.insert(ProbeJob(p));
    if (NeedsProbe(p) && labels) jobs.insert(LabelJob(p));
    for (const Twin& t : p.twins) {
      const PictureEntry* normal = FindPicture(table, t.normal);
      if (normal && IsSvg(normal->art) && !p.artStyle.empty()) jobs.insert(TwinJob(*normal, p));
    }
  }
  return {jobs.begin(), jobs.end()};
}
