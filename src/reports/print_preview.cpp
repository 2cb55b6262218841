#include "reports/print_preview.h"

namespace reports {

PrintPreview::PrintPreview(Print_Draw_Form& form, core::DrawingSurface& picEnroll,
                           ReportDrawer& drawer, records::SelectedFiles& selected,
                           trend::ChartFrame& frame, core::Dialogs& dialogs, PrintedReport& printed)
    : form_(form),
      picEnroll_(picEnroll),
      drawer_(drawer),
      selected_(selected),
      frame_(frame),
      dialogs_(dialogs) {
  form_.cmdPrint.OnClick([&printed] { printed.PrintReport(); });
  form_.Command1.OnClick([this] { form_.Hide(); });
  form_.Command2.OnClick([this] { Command2_Click(); });
}

void PrintPreview::PrintPreview_Click() {
  form_.Show();
  PreviewReport();
}

void PrintPreview::PreviewReport() {
  if (!ReportDrawer::AnySelected(selected_)) {
    dialogs_.MessageBox(kNoFileSelected);
    return;
  }
  drawer_.Draw(picEnroll_, &frame_);
}

void PrintPreview::Command2_Click() {
  selected_.fill({});
  picEnroll_.Cls();
  form_.Hide();
}

}  // namespace reports
