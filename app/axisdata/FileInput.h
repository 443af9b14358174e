#pragma once
#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "axisdata/AxisData.h"
#include "axisdata/ExtPointData.h"

// The KAV data set on disk: one EEP file per axis (its common block, base points and expansion
// word, in hexadecimal) and one XEP file of extended points (in decimal), named from one base
// name. Files are written with CR LF line ends.
//
// Readers take the whole file or nothing: on any failure the words keep what they held before.
// Writers replace the file as a whole or leave it as it was. Both give their caller nothing
// when they succeeded, else a description of the failure that names the file. An axis number
// outside 0-16 throws std::out_of_range.
namespace axisdata {

// The data set's path without extension; one name for the whole program (the ZEL, CSV, EEP and
// XEP files of a set are all named from it).
extern std::string BaseFileName;
// The file each axis, and the extended points, were last opened from or saved to.
extern std::array<std::string, kAxisSlots> EepFileName;
extern std::string XepFileName;
// True once a data set was opened in this run. From then on the point data in memory are the
// run's own (opened, uploaded or edited since), which no other set's file may replace.
extern bool KavDataSetOpened;

// base & the axis as one upper-case hexadecimal digit & ".EEP" ("...A.EEP" for axis 10).
std::string EepPath(const std::string& base, int axis);
// base & ".XEP".
std::string XepPath(const std::string& base);

// Joins a failure, when there is one, to those before it, a line each.
void AddFailure(std::optional<std::string>& failures, const std::optional<std::string>& failure);

// The files' texts, which the readers and writers below load and store. A parse takes the whole
// text or nothing: false leaves the words as they were.
//
// An EEP text: the header (its three lines are not examined), then the common block and each
// base point's title line and block, 32 hexadecimal fields a block (the last eight characters of
// each), then the expansion word's line, which may be missing (the word is then 0). Address word
// k of every block is set to k; words of no block are left alone. Dated `written`.
std::string EepText(const AxisWords& words, std::time_t written);
bool ParseEepText(std::string_view text, AxisWords& words);

// An XEP text: words 0-1679 as decimal numbers, two to a line; a parse takes any 1680 fields in
// sequence, however they are spread over lines, and ignores what follows them. Word 1680 is
// never touched.
std::string XepText(const ExtPointWords& words);
bool ParseXepText(std::string_view text, ExtPointWords& words);

// Loads one axis (0-16) from an EEP file. A missing file is told with its axis number. After a
// read the common-parameter editor shows the axis.
[[nodiscard]] std::optional<std::string> ReadEepFile(std::int16_t axis,
                                                     const std::string& fileName);

// Writes one axis (0-16) to an EEP file, with the date and time of this moment in its header.
[[nodiscard]] std::optional<std::string> WriteEepFile(std::int16_t axis,
                                                      const std::string& fileName);

// Loads ExtPointData words 0-1679, all or none. Word 1680 is never touched.
[[nodiscard]] std::optional<std::string> ReadXepFile(const std::string& fileName);

// Writes ExtPointData words 0-1679, two to a line.
[[nodiscard]] std::optional<std::string> WriteXepFile(const std::string& fileName);

// What opening a data set found.
struct KavSetOpening {
  // The set's files that do not exist, in the set's order.
  std::vector<std::string> missing;
  // What could not be read, one file a line: a file of the set that is there, or a stand-in.
  std::optional<std::string> failures;
};

// Loads a whole data set: the EEP files of axes 0 to AxisCount - 1 and the XEP file, each on its
// own (a file that cannot be read leaves its words as they were and the rest still loads), and
// records their names; then the editors show CurAxis and CurPage, and KavDataSetOpened is set.
// A file that does not exist leaves its words as they were too, unless standIn names another
// set: that set's file of the same axis (or its XEP file) is then read in its place.
[[nodiscard]] KavSetOpening OpenKavDataSet(const std::string& base,
                                           const std::string& standIn = {});

}  // namespace axisdata
