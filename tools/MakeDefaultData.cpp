// Writes the default data set (default.zel, default.csv) into a folder with the program's own
// writers: an empty synchronous table, nothing scanned, no backup options.
//   vuz-make-default-data <folder>
#include <cstdio>

#include "platform/TableGrid.h"
#include "shell/SyncImage.h"
#include "resources/UiText.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  shell::PrgData.fill(0);
  resources::LoadUiText(4000);
  platform::TableGrid grid(shell::kSyncGridRows, shell::kSyncGridCols);
  shell::SetSyncGridHeaders(grid, resources::Text(resources::Txt::SyncAxCorner));
  shell::ReadPrgData(grid, 0);
  for (const auto& error : {shell::WriteZelFile(folder + "/default.zel", true),
                            shell::WriteCsvFile(folder + "/default.csv",
                                                shell::WriteCSVString(grid))}) {
    if (error) {
      std::fprintf(stderr, "%s\n", error->c_str());
      return 1;
    }
  }
  return 0;
}
