#include "session/expect_commands.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/button.h"
#include "core/check_box.h"
#include "core/folder_list.h"
#include "core/list_box.h"
#include "core/label.h"
#include "core/menu_item.h"
#include "core/text_box.h"
#include "session/close_names.h"
#include "session/name_lookup.h"
#include "session/script_error.h"
#include "session/session.h"

namespace session {
namespace {

std::string ColourText(core::Rgb colour) {
  return std::to_string(core::RedOf(colour)) + "," + std::to_string(core::GreenOf(colour)) + "," +
         std::to_string(core::BlueOf(colour));
}

using Surface = Session::Surface;

std::string SinceMark(const Session& s, Surface on) {
  return s.MarkLine(on) ? "since the mark at line " + std::to_string(s.MarkLine(on))
                        : "since the start";
}

// `picture` or `printer` as a script names the surface; the chart has no name.
Surface SurfaceNamed(const std::string& name) {
  return name == "picture" ? Surface::Picture : Surface::Printer;
}

std::optional<std::string> ReadWhole(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

std::string TextOf(const core::Control& control, const ControlRef& ref) {
  if (auto* box = dynamic_cast<const core::TextBox*>(&control)) return box->Text();
  if (auto* label = dynamic_cast<const core::Label*>(&control)) return label->Caption();
  if (auto* button = dynamic_cast<const core::Button*>(&control)) return button->Caption();
  if (auto* box = dynamic_cast<const core::CheckBox*>(&control)) return box->Caption();
  if (auto* item = dynamic_cast<const core::MenuItem*>(&control)) return item->Caption();
  if (auto* list = dynamic_cast<const core::ListBox*>(&control)) return list->Selected();
  throw ScriptError(ref.Written() + " is a " + KindOf(control) + " and shows no text");
}

// The control's actual state among the words of the family of `word`.
std::string StateOf(core::Control& control, const ControlRef& ref, const std::string& word) {
  if (word == "visible" || word == "hidden") return control.Visible() ? "visible" : "hidden";
  if (word == "checked" || word == "unchecked") {
    if (auto* item = dynamic_cast<const core::MenuItem*>(&control))
      return item->Checked() ? "checked" : "unchecked";
    if (auto* box = dynamic_cast<const core::CheckBox*>(&control)) {
      return box->Value() == 1 ? "checked" : box->Value() == 0 ? "unchecked" : "greyed";
    }
    throw ScriptError(ref.Written() + " is a " + KindOf(control) + " and has no check mark");
  }
  const auto& item =
      As<core::MenuItem>(control, ref, "menu item", " (only menu items are disabled)");
  return item.Enabled() ? "enabled" : "disabled";
}

void ControlText(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  std::string actual = TextOf(FindControl(s.Program(), ref), ref);
  s.Check(actual == a.Text(1), Quoted(a.Text(1)), Quoted(actual));
}

void ControlState(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  std::string actual = StateOf(FindControl(s.Program(), ref), ref, a.Text(1));
  s.Check(actual == a.Text(1), a.Text(1), actual);
}

void ControlValue(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  const auto& box = As<core::CheckBox>(FindControl(s.Program(), ref), ref, "check box", "");
  std::string actual = std::to_string(box.Value());
  s.Check(actual == a.Text(1), "value " + a.Text(1), "value " + actual);
}

std::string BackColourOf(Session& s, const ControlRef& ref) {
  const auto& button = As<core::Button>(FindControl(s.Program(), ref), ref, "button", "");
  return button.BackColour() ? ColourText(*button.BackColour()) : "none";
}

void ControlColour(Session& s, const Args& a) {
  std::string actual = BackColourOf(s, a.Control(0));
  std::string expected = ColourText(a.Colour(1));
  s.Check(actual == expected, "colour " + expected, "colour " + actual);
}

void ControlNoColour(Session& s, const Args& a) {
  std::string actual = BackColourOf(s, a.Control(0));
  s.Check(actual == "none", "colour none", "colour " + actual);
}

void ControlToolTip(Session& s, const Args& a) {
  std::string actual = FindControl(s.Program(), a.Control(0)).ToolTip();
  s.Check(actual == a.Text(1), "tooltip " + Quoted(a.Text(1)), "tooltip " + Quoted(actual));
}

void WindowState(Session& s, const Args& a) {
  std::string actual = FindWindow(s.Program(), a.Text(0)).Visible() ? "visible" : "hidden";
  s.Check(actual == a.Text(1), a.Text(1), actual);
}

void WindowTitle(Session& s, const Args& a) {
  std::string actual = FindWindow(s.Program(), a.Text(0)).Title();
  s.Check(actual == a.Text(1), "title " + Quoted(a.Text(1)), "title " + Quoted(actual));
}

void Value(Session& s, const Args& a) {
  std::string actual = ValueOf(s.Program(), a.Text(0));
  s.Check(actual == a.Text(1), Quoted(a.Text(1)), Quoted(actual));
}

void Messages(Session& s, const Args& a) {
  std::vector<std::string> actual = s.TakeMessages();
  s.Check(actual == a.Texts(0), "messages " + QuotedList(a.Texts(0)),
          "messages " + QuotedList(actual));
}

void NoMessages(Session& s, const Args&) {
  std::vector<std::string> actual = s.TakeMessages();
  s.Check(actual.empty(), "no messages", "messages " + QuotedList(actual));
}

void MessageCount(Session& s, const Args& a) {
  std::vector<std::string> actual = s.TakeMessages();
  s.Check(static_cast<std::int64_t>(actual.size()) == a.Count(0),
          std::to_string(a.Count(0)) + " messages", QuotedList(actual));
}

void Prompt(Session& s, const Args& a) {
  auto prompts = s.TakePrompts();
  std::string expected = QuotedList({a.Text(0), a.Text(1), a.Text(2)});
  if (prompts.empty()) {
    s.Check(false, "prompt " + expected, "no prompt since the previous prompt check");
    return;
  }
  const auto& last = prompts.back();
  std::string actual = QuotedList({last.prompt, last.title, last.defaultAnswer});
  s.Check(actual == expected, "prompt " + expected, "prompt " + actual);
}

void PromptCount(Session& s, const Args& a) {
  auto count = static_cast<std::int64_t>(s.TakePrompts().size());
  s.Check(count == a.Count(0), std::to_string(a.Count(0)) + " prompts",
          std::to_string(count) + " prompts");
}

// The drawing checks look at the surface named in argument `first - 1`, or at the chart.
void DrawnOn(Session& s, Surface on, const std::string& call) {
  std::vector<std::string> calls = s.CallsSinceMark(on);
  bool found = std::find(calls.begin(), calls.end(), call) != calls.end();
  std::string actual =
      std::to_string(calls.size()) + " calls " + SinceMark(s, on) + ", none of them this";
  if (!calls.empty()) actual += "; nearest " + Quoted(Nearest(call, calls));
  s.Check(found, "the call " + Quoted(call), actual);
}

void NotDrawnOn(Session& s, Surface on, const std::string& call) {
  std::vector<std::string> calls = s.CallsSinceMark(on);
  auto times = std::count(calls.begin(), calls.end(), call);
  s.Check(times == 0, "no call " + Quoted(call) + " " + SinceMark(s, on),
          "drawn " + std::to_string(times) + " times");
}

void DrawCallsOn(Session& s, Surface on, const std::vector<std::string>& expected) {
  std::vector<std::string> calls = s.CallsSinceMark(on);
  std::string actual = QuotedList(calls);
  auto [want, got] = std::mismatch(expected.begin(), expected.end(), calls.begin(), calls.end());
  if (want != expected.end() || got != calls.end()) {
    actual += "; first difference at call " + std::to_string(want - expected.begin() + 1);
  }
  s.Check(calls == expected, QuotedList(expected) + " " + SinceMark(s, on), actual);
}

void DrawCountOn(Session& s, Surface on, std::int64_t expected) {
  auto count = static_cast<std::int64_t>(s.CallsSinceMark(on).size());
  s.Check(count == expected, std::to_string(expected) + " calls " + SinceMark(s, on),
          std::to_string(count) + " calls");
}

void Drawn(Session& s, const Args& a) { DrawnOn(s, Surface::Chart, a.Text(0)); }
void NotDrawn(Session& s, const Args& a) { NotDrawnOn(s, Surface::Chart, a.Text(0)); }
void DrawCalls(Session& s, const Args& a) { DrawCallsOn(s, Surface::Chart, a.Texts(0)); }
void DrawCount(Session& s, const Args& a) { DrawCountOn(s, Surface::Chart, a.Count(0)); }
void SurfaceDrawn(Session& s, const Args& a) { DrawnOn(s, SurfaceNamed(a.Text(0)), a.Text(1)); }
void SurfaceNotDrawn(Session& s, const Args& a) {
  NotDrawnOn(s, SurfaceNamed(a.Text(0)), a.Text(1));
}
void SurfaceDrawCalls(Session& s, const Args& a) {
  DrawCallsOn(s, SurfaceNamed(a.Text(0)), a.Texts(1));
}
void SurfaceDrawCount(Session& s, const Args& a) {
  DrawCountOn(s, SurfaceNamed(a.Text(0)), a.Count(1));
}

void File(Session& s, const Args& a) {
  auto contents = ReadWhole(s.World().PathOf(a.Text(0)));
  s.Check(contents == a.Text(1), Quoted(a.Text(1)),
          contents ? Quoted(*contents) : "no file " + a.Text(0));
}

void FileContains(Session& s, const Args& a) {
  auto contents = ReadWhole(s.World().PathOf(a.Text(0)));
  bool holds = contents && contents->find(a.Text(1)) != std::string::npos;
  s.Check(holds, a.Text(0) + " containing " + Quoted(a.Text(1)),
          contents ? Quoted(*contents) : "no file " + a.Text(0));
}

void NoFile(Session& s, const Args& a) {
  std::error_code ec;
  bool exists = std::filesystem::exists(s.World().PathOf(a.Text(0)), ec);
  auto contents = ReadWhole(s.World().PathOf(a.Text(0)));
  s.Check(!exists, "no file " + a.Text(0),
          contents ? "a file holding " + Quoted(*contents) : "a folder");
}

void Files(Session& s, const Args& a) {
  std::filesystem::path folder = s.World().PathOf(a.Text(0));
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    s.Check(false, "files " + QuotedList(a.Texts(1)), "no folder " + a.Text(0));
    return;
  }
  std::vector<std::string> actual;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.is_regular_file()) actual.push_back(entry.path().filename().string());
  }
  std::vector<std::string> expected = a.Texts(1);
  std::sort(actual.begin(), actual.end());
  std::sort(expected.begin(), expected.end());
  s.Check(actual == expected, "files " + QuotedList(expected), "files " + QuotedList(actual));
}

// A file whose text holds the date and time of the save: <DATE> and <TIME> stand for the clock's
// long date and long time forms.
void FileStamped(Session& s, const Args& a) {
  std::string expected = a.Text(1);
  const doubles::FakeClock& clock = s.World().Clock();
  for (const auto& [name, form] : {std::pair<std::string, std::string>{"<DATE>", clock.LongDate()},
                                   std::pair<std::string, std::string>{"<TIME>", clock.LongTime()}}) {
    for (std::size_t at = expected.find(name); at != std::string::npos; at = expected.find(name, at + form.size())) {
      expected.replace(at, name.size(), form);
    }
  }
  auto contents = ReadWhole(s.World().PathOf(a.Text(0)));
  s.Check(contents == expected, Quoted(expected), contents ? Quoted(*contents) : "no file " + a.Text(0));
}

// The items of a list, or the folders a folder list shows.
void Items(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  core::Control& control = FindControl(s.Program(), ref);
  std::vector<std::string> actual;
  if (auto* folders = dynamic_cast<core::FolderList*>(&control)) {
    actual = folders->Folders();
  } else {
    actual = As<core::ListBox>(control, ref, "list", "").Items();
  }
  s.Check(actual == a.Texts(1), "items " + QuotedList(a.Texts(1)), "items " + QuotedList(actual));
}

void PortState(Session& s, const Args& a) {
  std::string actual = s.World().Port().PortOpen() ? "open" : "closed";
  s.Check(actual == a.Text(0), "port " + a.Text(0), "port " + actual);
}

void PortOpens(Session& s, const Args& a) {
  auto opens = static_cast<std::int64_t>(s.World().Port().OpenCount());
  s.Check(opens == a.Count(0), "opened " + std::to_string(a.Count(0)) + " times",
          "opened " + std::to_string(opens) + " times");
}

void Ended(Session& s, const Args&) { s.Check(s.Program().Ended(), "ended", "running"); }

void Running(Session& s, const Args&) { s.Check(!s.Program().Ended(), "running", "ended"); }

}  // namespace

const std::vector<Form>& ExpectForms() {
  static const std::vector<Form> forms{
      {"expect value <Name> <\"text\">", Phase::Anytime, Value},
      {"expect messages <\"text\"...>", Phase::Anytime, Messages},
      {"expect no-messages", Phase::Anytime, NoMessages},
      {"expect message-count <count>", Phase::Anytime, MessageCount},
      {"expect prompt <\"text\"> <\"text\"> <\"text\">", Phase::Anytime, Prompt},
      {"expect prompt-count <count>", Phase::Anytime, PromptCount},
      {"expect drawn <\"text\">", Phase::Anytime, Drawn},
      {"expect not-drawn <\"text\">", Phase::Anytime, NotDrawn},
      {"expect draw-calls <\"text\"...>", Phase::Anytime, DrawCalls},
      {"expect draw-count <count>", Phase::Anytime, DrawCount},
      {"expect picture|printer drawn <\"text\">", Phase::Anytime, SurfaceDrawn},
      {"expect picture|printer not-drawn <\"text\">", Phase::Anytime, SurfaceNotDrawn},
      {"expect picture|printer draw-calls <\"text\"...>", Phase::Anytime, SurfaceDrawCalls},
      {"expect picture|printer draw-count <count>", Phase::Anytime, SurfaceDrawCount},
      {"expect file <\"path\"> <\"text\">", Phase::Anytime, File},
      {"expect file <\"path\"> contains <\"text\">", Phase::Anytime, FileContains},
      {"expect file <\"path\"> stamped <\"text\">", Phase::Anytime, FileStamped},
      {"expect no-file <\"path\">", Phase::Anytime, NoFile},
      {"expect files <\"path\"> <\"text\"...>", Phase::Anytime, Files},
      {"expect port open|closed", Phase::Anytime, PortState},
      {"expect port opens <count>", Phase::Anytime, PortOpens},
      {"expect ended", Phase::Anytime, Ended},
      {"expect running", Phase::Anytime, Running},
      {"expect <Window.Control> items <\"text\"...>", Phase::Anytime, Items},
      {"expect <Window.Control> <\"text\">", Phase::Anytime, ControlText},
      {"expect <Window.Control> visible|hidden|checked|unchecked|enabled|disabled", Phase::Anytime,
       ControlState},
      {"expect <Window.Control> value 0|1|2", Phase::Anytime, ControlValue},
      {"expect <Window.Control> colour <r,g,b>", Phase::Anytime, ControlColour},
      {"expect <Window.Control> colour none", Phase::Anytime, ControlNoColour},
      {"expect <Window.Control> tooltip <\"text\">", Phase::Anytime, ControlToolTip},
      {"expect <Window> visible|hidden", Phase::Anytime, WindowState},
      {"expect <Window> title <\"text\">", Phase::Anytime, WindowTitle},
  };
  return forms;
}

}  // namespace session
