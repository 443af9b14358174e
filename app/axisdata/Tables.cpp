#include "axisdata/Tables.h"

namespace axisdata {

std::array<std::int16_t, kActuatorCodes> ThrustTbl{};
std::array<std::string, kActuatorCodes> StrokeTbl{};
std::array<std::string, kActuatorCodes> LeadTbl{};
std::array<std::int16_t, kActuatorCodes> MaxSpeedTbl{};
std::array<std::int16_t, kActuatorCodes> MaxAccTbl{};

namespace {

// Catalogue strokes by row.
const char* const kStrokes[16] = {"50",  "100", "150", "200", "250",  "300",  "400",  "500",
                                  "600", "700", "800", "900", "1000", "1250", "1500", "1750"};

// Catalogue leads by family column A-F.
const char* const kCatalogueLeads[6] = {"2", "3", "6", "6", "8", "8"};

// User-defined leads of rows 6-F by column 0-9.
const char* const kUserLeads[10] = {"2.5", "3", "4", "5", "6", "8", "10", "12", "16", "20"};

// User-defined leads of rows 0-5 by row and column 0-9.
const char* const kLeadBlock[6][10] = {
    {"0", "360", "360", "1", "1", "1", "1", "2", "3", "5"},
    {"8", "10", "0.4", "0.6", "1", "1.6", "2", "0.2", "0.3", "0.5"},
    {"0.8", "1", "2.032", "5.08", "9.525", "12.7", "22.225", "31.75", "0.4064", "1.016"},
    {"1.905", "2.54", "4.445", "6.35", "0.2032", "0.508", "0.9525", "1.27", "2.2225", "3.175"},
    {"1.5708", "2.5133", "3.1416", "4.7124", "6.2832", "9.4248", "0.3142", "0.5027", "0.6283",
     "0.9425"},
    {"1.2566", "1.8850", "0.1571", "0.2513", "0.3146", "0.4712", "0.6283", "0.9425", "16", "20"},
};

constexpr int kColumnA = 0xA, kColumnB = 0xB, kColumnC = 0xC, kColumnE = 0xE, kColumnF = 0xF;

const char* const kServoMotorName = "RSM-Series Rotary Servo Motor";
const char* const kUserDefined = "User Defined";

int Index(int code) { return code >= 0 && code < kActuatorCodes ? code : 0; }

bool IsCatalogueModel(int column, int row) {
  switch (column) {
    case kColumnB:
    case kColumnC:
    case kColumnE:
      return row <= 5;
    case kColumnF:
      return row >= 5 && row <= 0xC;
    default:
      return false;
  }
}

// A neutral designation: family letter and stroke, "ECB-050" ... "ECF-1000".
std::string CatalogueName(int column, int row) {
  std::string stroke = kStrokes[row];
  if (stroke.size() < 3) stroke.insert(0, 3 - stroke.size(), '0');
  return std::string("EC") + "0123456789ABCDEF"[column] + "-" + stroke;
}

}  // namespace

void InitActuatorTables() {
  for (int code = 0; code < kActuatorCodes; ++code) {
    const int column = code & 0xF;
    const int row = code >> 4;
    const bool catalogueFamily = column >= kColumnA;
    ThrustTbl[code] = column == kColumnC ? 65 : 100;
    StrokeTbl[code] = catalogueFamily ? kStrokes[row] : "1000";
    if (catalogueFamily) {
      LeadTbl[code] = kCatalogueLeads[column - kColumnA];
    } else if (row >= 6) {
      LeadTbl[code] = kUserLeads[column];
    } else {
      LeadTbl[code] = kLeadBlock[row][column];
    }
    MaxSpeedTbl[code] =
        column == kColumnB || column == kColumnE || column == kColumnF ? 2500 : 4500;
    MaxAccTbl[code] = column == kColumnE || column == kColumnF ? 750 : 1000;
  }
}

std::int16_t GetThrust(int code) { return ThrustTbl[Index(code)]; }
std::string GetStroke(int code) { return StrokeTbl[Index(code)]; }
std::string GetLead(int code) { return LeadTbl[Index(code)]; }
std::int16_t GetMaxSpeed(int code) { return MaxSpeedTbl[Index(code)]; }
std::int16_t GetMaxAcc(int code) { return MaxAccTbl[Index(code)]; }

std::string ModelName(int code, int option) {
  if (code == 0) return kServoMotorName;
  if (code < 0 || code >= kActuatorCodes) return kUserDefined;
  const int column = code & 0xF;
  const int row = code >> 4;
  if (!IsCatalogueModel(column, row)) return kUserDefined;
  const std::string name = CatalogueName(column, row);
  // Column C comes with an absolute-encoder variant, except at row 4.
  if (column != kColumnC || row == 4) return name;
  return option == kAbsoluteEncoderOption ? name + "A" : name + " / " + name + "N";
}

}  // namespace axisdata
