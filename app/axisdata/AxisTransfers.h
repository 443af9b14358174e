#pragma once
#include <cstdint>

// The transfers of one axis's data (common block, 16 point banks, expansion byte) and of the
// extended points to and from the gateway. The gateway drives each stage; the progress window
// shows them and offers Cancel (TransferCancel, cleared by the caller before a series).
namespace axisdata {

enum class TransferResult {
  Completed,
  Failed,     // a protocol error; told to the user
  Aborted,    // the gateway has no such axis ('Z'); told to the user
  Cancelled,  // TransferCancel was set, now or before the transfer began
};

// A transfer that does not complete changes nothing: an upload fills AxisData (or
// ExtPointData) only once every stage has completed. A completed axis upload runs the unit
// set-up for the axis. The flags are the caller's.
[[nodiscard]] TransferResult UploadKavAxis(std::int16_t axis);
[[nodiscard]] TransferResult DownloadKavAxis(std::int16_t axis);
[[nodiscard]] TransferResult UploadExtPoints();
[[nodiscard]] TransferResult DownloadExtPoints();

}  // namespace axisdata
