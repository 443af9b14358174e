#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The texts of the chosen language, copied once at start-up from the string table. Both tables
// are indexed by the table's own numbering: UiText[N] is string-table id N (ids 1-86 and
// 136-151; the other slots stay empty), TipText[k] is id 87 + k. Every subsystem reads them, so
// they live beside the string table, below the subsystems.
namespace resources {

inline constexpr int kUiTextSlots = 152;
inline constexpr int kFirstTipId = 87;
inline constexpr int kTipTextCount = 49;

extern std::array<std::string, kUiTextSlots> UiText;
extern std::array<std::string, kTipTextCount> TipText;

// Fills UiText from the block at base (0 Japanese, 2000 Chinese, 4000 English), then TipText,
// and takes the program's own messages of that language.
void LoadUiText(int32_t base);

// Text of a string-table id; empty when the table lacks it.
std::string ResourceText(int32_t id);

// The ids the program's code uses; the values are the string table's.
enum class Txt : int {
  FileMenu = 1,
  Open = 2,
  Save = 3,
  SaveAs = 4,
  CsvExport = 6,
  CsvImport = 7,
  Exit = 8,
  ExitEditor = 9,  // the point-table editor's Exit
  TransferMenu = 10,
  UploadMenu = 11,
  DownloadMenu = 12,
  EditMenu = 13,
  Copy = 14,
  Paste = 15,
  PositionSetting = 16,
  ParameterSetting = 17,
  EasyEdit = 18,
  ScanListMenu = 19,
  HelpMenu = 20,
  Help = 21,
  VersionInfo = 22,
  Cancel = 23,
  AxisNumber = 24,
  SyncAxCorner = 25,
  Point = 26,
  CancelButton = 27,
  CreateNew = 30,
  OpenExistent = 31,
  OpenSample = 32,
  UploadFromControllers = 33,
  OpenAndDownload = 34,
  NoAxisHere = 35,
  AlarmAxisHint = 36,
  ExtendedPosition = 37,
  SelectPort = 38,
  NewOrSample = 39,
  WillUpload = 40,
  PortCantInit = 41,
  PortUsed = 42,
  SelectAxes = 43,
  SerialPort = 44,
  OperationAxes = 45,
  AxisNumberLower = 46,
  Offline = 47,
  NotUsed = 48,
  On = 49,
  Off = 50,
  DontCare = 51,
  Hexadecimal = 52,
  Decimal = 53,
  ApplicationOriented = 54,
  ZelFilter = 55,
  CsvFilter = 56,
  EepFilter = 57,
  FileIsntExist = 58,
  SystemError = 59,
  InvalidFileData = 60,
  StartUpload = 61,
  PreparingDownload = 62,
  StartDownload = 63,
  Uploading = 64,
  Downloading = 65,
  UploadCompleted = 66,
  UploadFailed = 67,
  DownloadFailed = 68,
  SaveChanged = 71,
  CantPaste = 74,
  Model = 77,
  AxisNumberLabel = 78,
  PageNumberLabel = 79,
  NotationLabel = 80,
  AxesScanList = 81,
  PresetMode = 82,
  AllClear = 83,
  EnableBackup = 84,
  BackupOnPowerOff = 85,
  BackupOnPosFinish = 86,
  AlarmCode = 136,
  Address = 137,
  NormalPrefix = 138,
  AlarmPrefix = 139,
  AddressPrefix = 140,
  ServoMonitor = 141,
  Alarm = 142,
  ExitButton = 143,
  ExitProgram = 144,
  PositionMonitor = 145,
  AlarmHistory = 146,
  RunStatusMonitor = 147,
  PositionNo = 148,
  UnifiedPositionNo = 149,
  AllAlarmStatus = 150,
  AllPositionComplete = 151,
};

// Tool tips, by string-table id (87-135).
enum class Tip : int {
  OpenFile = 87,
  SaveFileAs = 88,
  Upload = 90,
  Download = 91,
  Copy = 92,
  Paste = 93,
  FirstPointColumn = 123,  // PCMD; the point grid's columns follow in order up to PVLM (135)
};

// The program's own messages, beside the string table's texts (the same in every block's
// numbering: 1 onwards). %1, %2 ... stand for what Text() puts in.
enum class Msg : int {
  GridRefused = 1,
  NotTransferredAxis = 2,
  NotTransferredAxes = 3,
  NotTransferredAxisAndExt = 4,
  NotTransferredAxesAndExt = 5,
  NotTransferredExt = 6,
  LostLine = 7,
  FileMissing = 8,
  FileNotRegular = 9,
  FileTooLarge = 10,
  FileUnreadable = 11,
  FileUnwritable = 12,
  ZelEndsEarly = 13,
  ZelBadValue = 14,
  CsvTooFewLines = 15,
  CsvLongCell = 16,
  ErrPermission = 17,
  ErrNoSuchFile = 18,
  ErrIsFolder = 19,
  ErrNotFolder = 20,
  ErrNoSpace = 21,
  ErrReadOnlyFs = 22,
  ErrNameTooLong = 23,
  ErrLinkLoop = 24,
  ErrIo = 25,
  ErrQuota = 26,
  KavFilesNotFound = 27,
};

inline const std::string& Text(Txt id) { return UiText[static_cast<int>(id)]; }
inline const std::string& Text(Tip id) { return TipText[static_cast<int>(id) - kFirstTipId]; }

// A message of the program's own in the loaded language (English until one is loaded), with
// %1, %2 ... replaced by args in order.
std::string Text(Msg id, std::initializer_list<std::string_view> args = {});

}  // namespace resources
