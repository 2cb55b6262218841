#include "reports/print_draw_form.h"

namespace reports {

Print_Draw_Form::Print_Draw_Form() : Window("Print_Draw_Form", "Print") {
  RegisterAll(picEnroll, cmdPrint, Command2, Command1);
  picEnroll.SetToolTip("Preview of printed output");
  cmdPrint.SetToolTip("Send output to printer");
  Command1.SetToolTip("Exit print preview without printing");
}

}  // namespace reports
