// torvane-cogcheck: checks COG scripts from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "Files.h"
#include "Options.h"
#include "cog/Script.h"

#ifndef TORVANE_VERSION
#define TORVANE_VERSION "unknown"
#endif

namespace {

void tryHelp() { std::fputs("Try 'torvane-cogcheck --help' for more information.\n", stderr); }

std::string plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

int main(int argc, char** argv) {
  const cogcheck::Options options = cogcheck::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  switch (options.action) {
    case cogcheck::Options::Action::Help:
      std::fputs(cogcheck::usageText(), stdout);
      return std::fflush(stdout) == 0 ? 0 : 2;
    case cogcheck::Options::Action::Version:
      std::fputs("torvane-cogcheck (Torvane Edit) " TORVANE_VERSION "\n"
                 "Copyright (c) 2026 The Torvane Edit developers\n"
                 "License MIT: you are free to change and redistribute it.\n"
                 "There is NO WARRANTY, to the extent permitted by law.\n",
                 stdout);
      return std::fflush(stdout) == 0 ? 0 : 2;
    case cogcheck::Options::Action::Fail:
      std::fprintf(stderr, "torvane-cogcheck: %s\n", options.error.c_str());
      tryHelp();
      return 2;
    case cogcheck::Options::Action::Check:
      break;
  }

  int files = 0, unreadable = 0, errors = 0, warnings = 0, notes = 0;
  std::string text, error, out;
  for (const cogcheck::Input& input : cogcheck::collectInputs(options.paths)) {
    error = input.error;
    if (error.empty()) cogcheck::readWholeFile(input.path, text, error);
    if (!error.empty()) {
      std::fflush(stdout);
      std::fprintf(stderr, "torvane-cogcheck: %s: cannot read: %s\n", input.path.c_str(), error.c_str());
      ++unreadable;
      continue;
    }
    ++files;
    const cog::ScriptReport report = cog::checkScript(text, options.game);
    out.clear();
    for (const cog::Diagnostic& d : report.diagnostics) {
      out += input.path;
      out += ':' + std::to_string(d.line) + ':' + std::to_string(d.column) + ": ";
      out += cog::severityName(d.severity);
      out += ": ";
      out += d.text;
      out += " [" + d.check + "]\n";
      (d.severity == cog::Severity::Error ? errors : d.severity == cog::Severity::Warning ? warnings : notes)++;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    const int left = report.omitted[0] + report.omitted[1] + report.omitted[2];
    if (left) {
      errors += report.omitted[0];
      warnings += report.omitted[1];
      notes += report.omitted[2];
      std::fflush(stdout);
      std::fprintf(stderr, "torvane-cogcheck: %s: %d more not listed (a check that fires this often lists its first places only)\n",
                   input.path.c_str(), left);
    }
  }
  std::fflush(stdout);
  std::string summary = plural(files, "file", "files") + " checked: " + plural(errors, "error", "errors") + ", " +
                        plural(warnings, "warning", "warnings") + ", " + plural(notes, "note", "notes");
  if (unreadable) summary += "; " + plural(unreadable, "file", "files") + " could not be read";
  std::fprintf(stderr, "%s\n", summary.c_str());
  if (std::ferror(stdout)) {
    std::fputs("torvane-cogcheck: write error\n", stderr);
    return 2;
  }
  if (unreadable) return 2;
  return errors || warnings ? 1 : 0;
}
