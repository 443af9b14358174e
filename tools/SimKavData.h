#pragma once
#include <optional>
#include <string>

#include "GatewayTransfers.h"

// The gateway simulator's axis data, kept in a KAV data set (EEP files per axis and an XEP
// file), so that a person can try every transfer of the program without hardware.
namespace simtool {

// Fills every axis block, expansion byte and the extended points from the set named by base
// (path without extension). Files that cannot be read are told on stderr and leave zeros.
void LoadKavDataSet(const std::string& base, vuz::sim::GatewayData& data);

// After a completed download: writes what it changed (the axis's EEP file once its expansion
// byte, the last of its stages, has arrived; the XEP file after the extended points) into the
// set named by base. The file written, nothing for other transfers, or the failure.
struct Saved {
  std::string file;
  std::optional<std::string> error;
};
std::optional<Saved> SaveKavDownload(const vuz::sim::TransferRequest& request,
                                     const vuz::sim::GatewayData& data, const std::string& base);

}  // namespace simtool
