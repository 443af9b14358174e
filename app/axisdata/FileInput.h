#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "axisdata/AxisData.h"

// The KAV data set on disk: one EEP file per axis (its common block, base points and expansion
// word, in hexadecimal) and one XEP file of extended points (in decimal), named from one base
// name. Files are written with CR LF line ends.
//
// Readers take the whole file or nothing: on any failure the words keep what they held before
// and the user is told which file could not be read. Writers replace the file as a whole or
// leave it as it was, and give a description of a failure to their caller. An axis number
// outside 0-16 throws std::out_of_range.
namespace axisdata {

// The data set's path without extension; one name for the whole program (the ZEL, CSV, EEP and
// XEP files of a set are all named from it).
extern std::string BaseFileName;
// The file each axis, and the extended points, were last opened from or saved to.
extern std::array<std::string, kAxisSlots> EepFileName;
extern std::string XepFileName;

// base & the axis as one upper-case hexadecimal digit & ".EEP" ("...A.EEP" for axis 10).
std::string EepPath(const std::string& base, int axis);
// base & ".XEP".
std::string XepPath(const std::string& base);

// Loads one axis (0-16) from an EEP file; true when the whole file was read. A missing file is
// reported with its axis number. Afterwards the common-parameter editor shows the axis.
bool ReadEepFile(std::int16_t axis, const std::string& fileName);

// Writes one axis (0-16) to an EEP file, with the date and time of this moment in its header.
[[nodiscard]] std::optional<std::string> WriteEepFile(std::int16_t axis,
                                                      const std::string& fileName);

// Loads ExtPointData words 0-1679; true when all were read. Word 1680 is never touched.
bool ReadXepFile(const std::string& fileName);

// Writes ExtPointData words 0-1679, two to a line.
[[nodiscard]] std::optional<std::string> WriteXepFile(const std::string& fileName);

// Loads a whole data set: the EEP files of axes 0 to AxisCount - 1 and the XEP file, each on its
// own (a file that cannot be read leaves its words as they were and the rest still loads), and
// records their names; then the editors show CurAxis and CurPage.
void OpenKavDataSet(const std::string& base);

}  // namespace axisdata
