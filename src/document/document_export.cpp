#include <ostream>
#include <sstream>

#include "document/data_object_window.h"
#include "foundation/safe_file_write.h"
#include "kinematics/data_table.h"
#include "shell/shell.h"

void TdvDataObjectWindow::WriteExport(std::ostream& out) {
  out << "Tab separated output for use with excel or other spreadsheet" << std::endl;
  out << "Data taken and file written by Kinovex 2.1" << std::endl;
  out << std::endl;
  out << std::endl;
  out << "Name"
      << "\t\t\t"
      << "Type"
      << "\t"
      << "Mass"
      << "\t"
      << "Origin"
      << "\t"
      << "Is An Origin?\t"
      << "Calibrate"
      << "\t"
      << "Sample Type\t"
      << "Included Objects\t";
  std::int32_t number = 1;
  for (std::int32_t id : ItemOrder()) {
    TdvDataObject* item = GetItem(id);
    if (item != nullptr && item->IsExported()) {
      item->ExportInfo(out, number++);
    }
  }
  out << '\n';
  dataTable->WriteText(out);
}

void TdvDataObjectWindow::ExportData() {
  shell::FileDialogSpec request;
  request.filters = {{"Excel Files (*.XLS)", "*.XLS"},
                     {"Text Files (*.TXT)", "*.TXT"},
                     {"All Files (*.*)", "*.*"}};
  request.defaultExtension = "XlS";
  request.initialPath = "untitled.xls";
  std::optional<std::string> chosen = TdvShell::Get().AskSaveFile(request);
  if (!chosen) {
    return;
  }
  std::ostringstream text;
  WriteExport(text);
  if (!WriteFileSafely(*chosen, text.view())) {
    InformationBox("Could not create " + *chosen, "Export Data");
  }
}
