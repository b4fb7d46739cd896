#pragma once
#include <string>
#include <vector>

namespace tarvix::cli {

// Exit statuses of every command.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int RunInfo(const std::vector<std::string>& words);
int RunTraces(const std::vector<std::string>& words);
int RunUtm(const std::vector<std::string>& words);
int RunLatLon(const std::vector<std::string>& words);
int RunRender(const std::vector<std::string>& words);
int RunMap(const std::vector<std::string>& words);

// Prints the error and the usage text; returns kUsage.
int UsageError(const std::string& error);

}  // namespace tarvix::cli
