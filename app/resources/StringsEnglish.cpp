#include "resources/StringBlocks.h"

namespace resources {

constexpr TextBlock kEnglishTexts = {{
    {1, "File(&F)"},
    {2, "Open(&O)..."},
    {3, "Save(&S)..."},
    {4, "SaveAs(&A)..."},
    {5, "Print(&P)..."},
    {6, "CSV Data Export(&E)"},
    {7, "CSV Data Import(&I)"},
    {8, "Exit(&X)"},
    {9, "Exit(&X)"},
    {10, "Transfer(&T)"},
    {11, "Upload from Gateway(&U)..."},
    {12, "Download To Gateway(&D)..."},
    {13, "Edit(&E)"},
    {14, "Copy(&C)"},
    {15, "Paste(&P)"},
    {16, "Position Setting(&P)"},
    {17, "Parameter Setting(&P)"},
    {18, "Easy Edit(&S)"},
    {19, "Setup AxesScanList(&A)"},
    {20, "Help(&H)"},
    {21, "Help(&M)"},
    {22, "VersionInfo(&V)..."},
    {23, "Cancel"},
    {24, "Axis Number"},
    {25, "Sync. Ax"},
    {26, "Point"},
    {27, "Cancel"},
    {28, "Close"},
    {29, "Change"},
    {30, "Create New"},
    {31, "Open the Existent File"},
    {32, "Open Sample"},
    {33, "Upload from the Controllers"},
    {34, "Open the Existent File and download"},
    {35, "No cylinder/motor have this axis number."},
    {36, "Cylinder/Motor number in which alarm was detected"},
    {37, "Extended Position"},
    {38, "Select the COM Port name that connected to Gateway"},
    {39, "Create a new file or open a sample file?"},
    {40, "The data will be uploaded from the Condroller and the Cylinders."},
    {41, "Selected COM Port can't initialized."},
    {42, "Selected COM Port has been used."},
    {43, "Please select desired number of axes"},
    {44, "Serial communication port"},
    {45, "Operation axis number"},
    {46, "Axis number"},
    {47, "Offline"},
    {48, "X : Not Used"},
    {49, "1 : ON"},
    {50, "0 : OFF"},
    {51, "X : Don't care"},
    {52, "Hexadecimal"},
    {53, "Decimal"},
    {54, "Application Oriented"},
    {55, "ZEL files (*.zhel)|*.zel"},
    {56, "CSV files (*.csv)|*.csv"},
    {57, "EEP files (*.eep)|*.eep"},
    {58, " file isn't exist."},
    {59, "System Error :"},
    {60, "Invalid file data format."},
    {61, "Please start to upload from Gateway."},
    {62, "Now, Preparing the data to download."},
    {63, "Please start to download from Gateway."},
    {64, "Uploading..."},
    {65, "Downloading..."},
    {66, "Upload was completed."},
    {67, "Upload was failed."},
    {68, "Download was failed."},
    {69, "Due to file type mismatch, incompatible data will be replaced with default data"},
    {70, "Due to file type mismatch, some data couldn't be read"},
    {71, "This file has been changed, do you want to save it?"},
    {72, "Download the program to Gateway"},
    {73, "There is the modified data to be downloaded\nPlease select download or upload."},
    {74, "It can't paste, because data type is mismatch"},
    {75, "Download the modified data"},
    {76, "Destruct the modified data and upload"},
    {77, "Model"},
    {78, "AxisNumber"},
    {79, "PageNumber"},
    {80, "Notation"},
    {81, "Axes Scan List"},
    {82, "Omit a negotiation protocol ( Preset mode )"},
    {83, "All Clear"},
    {84, "Enable Position No. Backup"},
    {85, "Position No. will be saved when power is OFF"},
    {86, "Position No. will be saved when positioning is completed."},
    {87, "Open the file"},
    {88, "Save the file as ..."},
    {89, "Print the data"},
    {90, "Upload from MOR-3x"},
    {91, "Download to MOR-3x"},
    {92, "Copy"},
    {93, "Paste"},
    {94, "Cut"},
    {95, "Delete"},
    {96, "InsertRow"},
    {97, "RemoveRow"},
    {98, "Execute Current Step"},
    {99, "Execute Next Step"},
    {100, "Execute Previous Step"},
    {101, "Start Program"},
    {102, "Stop Program"},
    {103, "Destination position number"},
    {104, "Axis number"},
    {105, "1: Progress with waiting completion of positioning, 0: Progress without waiting "
          "completion of positioning"},
    {106, "Progress without waiting completion of positioning"},
    {107, "Inputs condition for waiting."},
    {108, " Delay time before progress to the next step 10msec units"},
    {109, "Changes of outputs before progression to the next step"},
    {110, "End of program"},
    {111, "The function of this icon"},
    // 112-122: help texts of the step-sequence editor's icons, a heading and several sentences.
    {112, "Move instruction\n"
          "Moves the axes to their destination position numbers.\n"
          "Choose the axis number and the destination position number of every axis that "
          "takes part in this step.\n"
          "The positioning of all chosen axes starts at the same time."},
    {113, "Continue without waiting\n"
          "The sequence goes on to the next step as soon as the move has been started.\n"
          "It does not wait for the axes to complete their positioning.\n"
          "Use it when the next step may run while the axes are still moving."},
    {114, "Input conditions for continuing\n"
          "The step waits until the inputs match the set condition.\n"
          "For each input choose 1 (ON), 0 (OFF) or X (don't care).\n"
          "The sequence goes on to the next step when every condition is met."},
    {115, "Delay before the next step\n"
          "When the step has finished, the sequence waits for the set time before it goes on.\n"
          "The time is set in units of 10 msec.\n"
          "A time of 0 goes on at once."},
    {116, "Output changes before the next step\n"
          "Sets the outputs to the chosen states before the sequence goes on to the next step.\n"
          "For each output choose 1 (ON), 0 (OFF) or X (unchanged).\n"
          "Outputs marked X keep their present state."},
    {117, "End of program\n"
          "Marks the last step of the sequence program.\n"
          "When this step is reached the program stops and the axes stay where they are.\n"
          "Every program must end with this step."},
    {118, "Conditional start\n"
          "Starts the sequence program when the set input condition is met.\n"
          "Until then the program waits at this step.\n"
          "Use it to start a sequence from an external signal."},
    {119, "Conditional return\n"
          "Goes back to an earlier step when the set input condition is met.\n"
          "When the condition is not met, the sequence goes on to the next step.\n"
          "Use it to repeat a part of the program."},
    {120, "Return target step\n"
          "The number of the step to which a conditional return goes back.\n"
          "Set a step number smaller than that of the return step.\n"
          "The sequence continues from the target step."},
    {121, "Conditional bypass\n"
          "Skips ahead to a later step when the set input condition is met.\n"
          "When the condition is not met, the sequence goes on to the next step.\n"
          "Use it to leave out a part of the program."},
    {122, "Bypass target step\n"
          "The number of the step to which a conditional bypass jumps.\n"
          "Set a step number larger than that of the bypass step.\n"
          "The sequence continues from the target step."},
    {123, "PCMD: Target position in absolute position coordinate or increment"},
    {124, "FLGP: Axis movement parameter default/position data selection flag"},
    {125, "INP: In position width"},
    {126, "VCMD: Speed order,  Unit: 0.2r/min"},
    {127, "ACMD: Acceleration order,  Unit: 0.1r/min/ms"},
    {128, "SPOW: Current limit value of positioning stop"},
    {129, "DPOW: Current limit value of positioning"},
    {130, "PLG0: Servo gain number value"},
    {131, "MXAC: Ultimate acceleration specify flag"},
    {132, "SMOD: Self control mode flag"},
    {133, "STIM: Delay time in self control mode"},
    {134, "PSTW: Time to confirm about completion of pusher positioning"},
    {135, "PVLM: Speed to judge the pusher positioning had comleted or not"},
    {136, "Alarm code"},
    {137, "Address"},
    {138, "Normal : "},
    {139, "Alarm : "},
    {140, "Address="},
    {141, "Servo monitor"},
    {142, "Alarm"},
    {143, "Exit"},
    {144, "Exit VUZOvid"},
    {145, "Position monitor"},
    {146, "Alarm History"},
    {147, "Run Status Monitor"},
    {148, "Popsition No."},
    {149, "Position No. of Unified Axes"},
    {150, "All axes' alarm status"},
    {151, "All axes' completion of positioning"},
}};
static_assert(HasEveryIdInOrder(kEnglishTexts));

constexpr OwnTextBlock kEnglishOwnTexts = {{
    {1, "Not a value of its column; the stored value stays:"},  // GridRefused
    {2, "Not transferred: axis %1."},  // NotTransferredAxis
    {3, "Not transferred: axes %1."},  // NotTransferredAxes
    {4, "Not transferred: axis %1 and the extended points."},  // NotTransferredAxisAndExt
    {5, "Not transferred: axes %1 and the extended points."},  // NotTransferredAxesAndExt
    {6, "Not transferred: the extended points."},  // NotTransferredExt
    {7, "The serial line of %1 was lost and could not be opened again."},  // LostLine
    {8, "the file does not exist."},  // FileMissing
    {9, "this is not a regular file."},  // FileNotRegular
    {10, "the file is larger than %1 bytes, more than a file of this kind holds."},  // FileTooLarge
    {11, "the file cannot be read (%1)."},  // FileUnreadable
    {12, "%1: the file cannot be written (%2)."},  // FileUnwritable
    {13, "the file ends after %1 of %2 values."},  // ZelEndsEarly
    {14, "value %1 (\"%2\") is not a whole number in the 32-bit range."},  // ZelBadValue
    {15, "the file holds %1 of %2 lines."},  // CsvTooFewLines
    {16, "line %1 holds a cell of more than %2 characters (\"%3\")."},  // CsvLongCell
    {17, "Permission denied"},  // ErrPermission
    {18, "No such file or directory"},  // ErrNoSuchFile
    {19, "Is a directory"},  // ErrIsFolder
    {20, "Not a directory"},  // ErrNotFolder
    {21, "No space left on device"},  // ErrNoSpace
    {22, "Read-only file system"},  // ErrReadOnlyFs
    {23, "File name too long"},  // ErrNameTooLong
    {24, "Too many levels of symbolic links"},  // ErrLinkLoop
    {25, "Input/output error"},  // ErrIo
    {26, "Disk quota exceeded"},  // ErrQuota
    {27, "These files were not found in %1; Save will create them: %2."},  // KavFilesNotFound
}};
static_assert(HasEveryIdInOrder(kEnglishOwnTexts));

}  // namespace resources
