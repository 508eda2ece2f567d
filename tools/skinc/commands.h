#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kx::skinc {

void Compile(const std::string& definitionPath, const std::string& outPath, std::int32_t kind);
void Info(const std::string& skinPath, const std::vector<std::string>& lookups);
void Extract(const std::string& skinPath, const std::string& dir);
void Sheet(const std::string& skinPath, const std::string& pngPath);

}  // namespace kx::skinc
