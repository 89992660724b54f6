#include "assets/pictures/render.h"

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::file_time_type NewestShared(const std::string& art) {
  fs::file_time_type newest = fs::file_time_type::min();
  std::error_code ignored;
  for (const fs::directory_entry& e : fs::directory_iterator(art, ignored))
    if (e.path().filename().string().rfind('_', 0) == 0) newest = std::max(newest, e.last_write_time(ignored));
  return newest;
}

bool Stale(const RenderJob& job, const RenderSetup& setup, fs::file_time_type shared) {
  std::error_code error;
  const fs::file_time_type out = fs::last_write_time(fs::path(setup.rendered) / RenderedName(job), error);
  if (error) return true;
  const fs::file_time_type svg = fs::last_write_time(fs::path(setup.art) / job.svg, error);
  if (error || svg > out || shared > out) return true;
  if (job.css.empty()) return false;
  const fs::file_time_type css = fs::last_write_time(fs::path(setup.art) / job.css, error);
  return error || css > out;
}

bool Start(const RenderJob& job, const RenderSetup& setup, pid_t* pid) {
  const std::string out = (fs::path(setup.rendered) / RenderedName(job)).string();
  const std::string svg = (fs::path(setup.art) / job.svg).string();
  const std::string css = (fs::path(setup.art) / job.css).string();
  std::vector<std::string> args = {setup.rsvg, "-o", out};
  if (!job.css.empty()) args.insert(args.end(), {"-s", css});
  args.push_back(svg);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  return posix_spawn(pid, setup.rsvg.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

}  // namespace

bool RenderAll(const std::vector<RenderJob>& jobs, const RenderSetup& setup, int* rendered, std::string* error) {
  std::error_code ignored;
  fs::create_directories(setup.rendered, ignored);
  const fs::file_time_type shared = NewestShared(setup.art);
  std::vector<RenderJob> todo;
  for (const RenderJob& job : jobs)
    if (Stale(job, setup, shared)) todo.push_back(job);
  std::map<pid_t, RenderJob> running;
  std::string failed;
  size_t next = 0;
  while (next < todo.size() || !running.empty()) {
    while (next < todo.size() && static_cast<int>(running.size()) < std::max(1, setup.jobs)) {
      pid_t pid;
      if (Start(todo[next], setup, &pid))
        running[pid] = todo[next];
      else
        failed += ' ' + RenderedName(todo[next]) + " (cannot start " + setup.rsvg + ")";
      ++next;
    }
    if (running.empty()) continue;
    int status = 0;
    const pid_t done = waitpid(-1, &status, 0);
    auto found = running.find(done);
    if (found == running.end()) break;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      failed += " " + found->second.svg + (found->second.css.empty() ? "" : " with " + found->second.css);
      fs::remove(fs::path(setup.rendered) / RenderedName(found->second), ignored);
    }
    running.erase(found);
  }
  *rendered = static_cast<int>(todo.size());
  if (!failed.empty()) *error = "rsvg-convert failed for" + failed;
  return failed.empty();
}
