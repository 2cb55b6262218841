#include "session/action_commands.h"

#include <algorithm>
#include <filesystem>

#include "core/button.h"
#include "core/check_box.h"
#include "core/folder_list.h"
#include "core/list_box.h"
#include "core/menu_item.h"
#include "core/step_failure.h"
#include "core/table_box.h"
#include "core/text_box.h"
#include "session/name_lookup.h"
#include "session/script_error.h"
#include "session/session.h"

namespace session {
namespace {

constexpr std::int64_t kMostPackets = 100000;
constexpr double kSecondsPerDay = 86400;

const char* UseInstead(const core::Control& control) {
  if (dynamic_cast<const core::TextBox*>(&control)) return ": use type";
  if (dynamic_cast<const core::CheckBox*>(&control)) return ": use check";
  return "";
}

void Click(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  core::Control& control = FindControl(s.Program(), ref);
  if (auto* button = dynamic_cast<core::Button*>(&control)) {
    s.Event([button] { button->Click(); });
    return;
  }
  auto& item = As<core::MenuItem>(control, ref, "button or menu item", UseInstead(control));
  if (item.IsSeparator()) throw ScriptError(ref.Written() + " is a separator");
  if (!item.Enabled())
    throw ScriptError(ref.Written() + " is disabled: the operator cannot choose it");
  s.Event([&item] { item.Click(); });
}

// The index of the item `text` in a list, or a ScriptError listing what the list holds.
int ItemIndex(const core::ListBox& list, const ControlRef& ref, const std::string& text) {
  const auto& items = list.Items();
  auto found = std::find(items.begin(), items.end(), text);
  if (found != items.end()) return static_cast<int>(found - items.begin());
  std::string held;
  for (const auto& item : items) held += " " + Quoted(item);
  throw ScriptError(ref.Written() + " holds no item " + Quoted(text) +
                    (held.empty() ? "; it is empty" : "; it holds" + held));
}

void ClickItem(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  auto& list = As<core::ListBox>(FindControl(s.Program(), ref), ref, "list", "");
  int index = ItemIndex(list, ref, a.Text(1));
  s.Event([&list, index] { list.Click(index); });
}

void DoubleClickItem(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  core::Control& control = FindControl(s.Program(), ref);
  if (auto* table = dynamic_cast<core::TableBox*>(&control)) {
    // A table's row goes by its first cell.
    const auto& rows = table->Rows();
    auto found = std::find_if(rows.begin(), rows.end(),
                              [&a](const auto& row) { return row.cells.front() == a.Text(1); });
    if (found == rows.end()) throw ScriptError(ref.Written() + " has no row " + Quoted(a.Text(1)));
    int row = static_cast<int>(found - rows.begin());
    s.Event([table, row] { table->DblClick(row); });
    return;
  }
  auto& list = As<core::ListBox>(control, ref, "list", "");
  int index = ItemIndex(list, ref, a.Text(1));
  s.Event([&list, index] { list.DblClick(index); });
}

void OpenFolder(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  auto& folders = As<core::FolderList>(FindControl(s.Program(), ref), ref, "folder list", "");
  std::error_code ec;
  if (!std::filesystem::is_directory(a.Text(1), ec)) throw ScriptError("no folder " + Quoted(a.Text(1)));
  s.Event([&folders, &a] { folders.Open(a.Text(1)); });
}

void Type(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  auto& box = As<core::TextBox>(FindControl(s.Program(), ref), ref, "text box", "");
  if (box.ReadOnly())
    throw ScriptError(ref.Written() + " is read-only: the operator cannot type into it");
  // The whole text, then the editing ends, as when the operator types it and presses Tab.
  s.Event([&box, &a] {
    box.SetText(a.Text(1));
    box.EndEdit();
  });
}

void Check(Session& s, const Args& a) {
  const ControlRef& ref = a.Control(0);
  auto& box = As<core::CheckBox>(FindControl(s.Program(), ref), ref, "check box", "");
  s.Event([&box, &a] { box.SetValue(std::stoi(a.Text(1))); });
}

void Show(Session& s, const Args& a) {
  core::Window& window = FindWindow(s.Program(), a.Text(0));
  s.Event([&window] { window.Show(); });
}

void Hide(Session& s, const Args& a) {
  core::Window& window = FindWindow(s.Program(), a.Text(0));
  s.Event([&window] { window.Hide(); });
}

void Comm(Session& s, const Args& a) { s.CommEvent(a.Text(0)); }

void Packet(Session& s, const Args& a) { s.CommEvent(s.Packets().Build(a.Fields(0))); }

// N packets, each as `advance` (when given) followed by `packet`.
void DeliverPackets(Session& s, std::int64_t count, double every,
                    const std::vector<FieldValue>& fields) {
  if (count > kMostPackets) {
    throw ScriptError("at most " + std::to_string(kMostPackets) + " packets in one command");
  }
  std::string packet = s.Packets().Build(fields);
  for (std::int64_t i = 0; i < count; ++i) {
    s.World().Clock().Advance(every);
    s.CommEvent(packet);
  }
}

void Packets(Session& s, const Args& a) { DeliverPackets(s, a.Count(0), 0, a.Fields(1)); }
void PacketsEvery(Session& s, const Args& a) {
  DeliverPackets(s, a.Count(0), a.Number(1), a.Fields(2));
}
void PacketDefaults(Session& s, const Args& a) { s.Packets().SetDefaults(a.Fields(0)); }

void SetClock(Session& s, const Args& a) {
  if (a.Number(0) >= kSecondsPerDay)
    throw ScriptError("the time of day runs from 0 to below 86400 seconds");
  s.World().Clock().SetSeconds(a.Number(0));
}

void Advance(Session& s, const Args& a) { s.World().Clock().Advance(a.Number(0)); }
void SetDate(Session& s, const Args& a) { s.World().Clock().SetDate(a.Date(0)); }
void Answer(Session& s, const Args& a) { s.QueueAnswer(a.Text(0)); }
void Cancel(Session& s, const Args&) { s.QueueCancel(); }

void Unread(Session& s, const Args& a) {
  s.World().Port().SetInBufferCount(static_cast<int>(a.Count(0)));
}
void UnreadOff(Session& s, const Args&) { s.World().Port().SetInBufferCount(std::nullopt); }
void PortFails(Session& s, const Args& a) { s.World().Port().FailNextOpen(a.Text(0)); }

void PortLost(Session& s, const Args& a) {
  s.Event([&] { s.World().Port().Lose(a.Text(0)); });
}
void PortBack(Session& s, const Args&) {
  s.Event([&] { s.World().Port().DeviceAppears(); });
}

void SetValue(Session& s, const Args& a) {
  ValueOf(s.Program(), a.Text(0));  // an unknown name fails with its close names
  bool set = false;
  try {
    set = s.Program().Values().Set(a.Text(0), a.Text(1));
  } catch (const core::StepFailure& failure) {
    throw ScriptError("the program value " + a.Text(0) + " does not take " + Quoted(a.Text(1)) +
                      ": " + failure.what());
  }
  if (!set) throw ScriptError("the program value " + a.Text(0) + " cannot be set");
}

void Startup(Session& s, const Args&) { s.Startup(); }
void NoLeakFolder(Session& s, const Args&) { s.OmitLeakFolder(); }
void File(Session& s, const Args& a) { s.WriteFile(a.Text(0), a.Text(1)); }
void Mark(Session& s, const Args&) { s.SetMark(); }
void MarkSurface(Session& s, const Args& a) {
  s.SetMark(a.Text(0) == "picture" ? Session::Surface::Picture : Session::Surface::Printer);
}
void PrinterCancels(Session& s, const Args&) {
  s.World().Printer().CancelNext("the print dialog was cancelled");
}
void PrinterFails(Session& s, const Args& a) { s.World().Printer().RefuseNext(a.Text(0)); }

void Exit(Session& s, const Args&) {
  s.Event([&s] { s.Program().Exit_Click(); });
}

void CloseMain(Session& s, const Args&) {
  s.Event([&s] { s.Program().Form_Unload(); });
}

}  // namespace

const std::vector<Form>& ActionForms() {
  static const std::vector<Form> forms{
      {"file <\"path\"> <\"text\">", Phase::Anytime, File},
      {"no-leak-folder", Phase::BeforeStartup, NoLeakFolder},
      {"startup", Phase::BeforeStartup, Startup},
      {"clock <seconds>", Phase::Anytime, SetClock},
      {"advance <seconds>", Phase::Anytime, Advance},
      {"date <yyyy-mm-dd>", Phase::Anytime, SetDate},
      {"answer <\"text\">", Phase::Anytime, Answer},
      {"cancel", Phase::Anytime, Cancel},
      {"unread <count>", Phase::Anytime, Unread},
      {"unread off", Phase::Anytime, UnreadOff},
      {"port-fails <\"text\">", Phase::Anytime, PortFails},
      {"port-lost <\"text\">", Phase::Running, PortLost},
      {"port-back", Phase::Running, PortBack},
      {"set <Name> <\"text\">", Phase::Anytime, SetValue},
      {"packet-defaults <field=value...>", Phase::Anytime, PacketDefaults},
      {"mark", Phase::Anytime, Mark},
      {"mark picture|printer", Phase::Anytime, MarkSurface},
      {"printer-cancels", Phase::Anytime, PrinterCancels},
      {"printer-fails <\"text\">", Phase::Anytime, PrinterFails},
      {"click <Window.Control> <\"text\">", Phase::Running, ClickItem},
      {"double-click <Window.Control> <\"text\">", Phase::Running, DoubleClickItem},
      {"open <Window.Control> <\"text\">", Phase::Running, OpenFolder},
      {"click <Window.Control>", Phase::Running, Click},
      {"type <Window.Control> <\"text\">", Phase::Running, Type},
      {"check <Window.Control> 0|1|2", Phase::Running, Check},
      {"show <Window>", Phase::Running, Show},
      {"hide <Window>", Phase::Running, Hide},
      {"comm <\"text\">", Phase::Running, Comm},
      {"packet <field=value...>", Phase::Running, Packet},
      {"packets <count> every <seconds> <field=value...>", Phase::Running, PacketsEvery},
      {"packets <count> <field=value...>", Phase::Running, Packets},
      {"exit", Phase::Running, Exit},
      {"close-main", Phase::Running, CloseMain},
  };
  return forms;
}

}  // namespace session
